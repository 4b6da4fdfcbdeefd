#pragma once
// The options of the commands that talk to radios (read, write, diff --port)
// and what they share: backups, the session log.

#include "PortJob.h"

#include <QStringList>

namespace q716::cli {

enum class LinkCommand { Read, Write, Diff };

struct LinkOptions {
    QStringList ports;
    QStringList files;
    QString file; // the one file of read and write
    bool verify = false;
    bool force = false; // write values the image cannot hold as it stores them
    bool backups = true;
    bool backupFirst = false; // write: read each radio first and keep what it held
    bool english = false;
    bool showPassword = false; // diff: the password in clear
    QString log;               // empty: no log

    JobOptions jobOptions(JobKind kind) const;
};

// The usage line of a command, after "q716-cli NAME ".
QString linkUsage(LinkCommand command);

// Parses `args` (the command name first); on a usage problem, or a --log file
// that cannot be written, prints it and returns false before any radio is
// touched. Backups are pruned as the program does at start-up.
bool parseLinkOptions(const QStringList& args, LinkCommand command, LinkOptions& out);

// Writes the sessions of the jobs into the --log file, if one was asked for;
// false (with a message) when it could not be written.
bool saveLog(const LinkOptions& options, const QList<PortJob*>& jobs);

} // namespace q716::cli
