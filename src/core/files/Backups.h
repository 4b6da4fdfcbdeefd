#pragma once
// Automatic backups of what went to and came from the radio: every image a
// read brings and every image a write is about to send is kept as a channel
// file in the backups folder, named after the moment and the direction
// ("2026-12-08_101502_read.DAT"). Old ones are pruned at start-up. A backup
// never replaces another one, not even one another process is saving in the
// same second.

#include "shell/Messages.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace q716 {

enum class BackupKind {
    Read,
    Write,
    BeforeWrite, // what the radio held, read just before a write
};

// The program's per-user data folder + "/backups"; the program and q716-cli
// share it.
QString backupFolder();

// "yyyy-MM-dd_HHmmss_read.DAT" ("_write", "_before-write") for `when` and
// the sequence number `sequence`: "..._read-2.DAT" for 2 and on.
QString backupFileName(const QDateTime& when, BackupKind kind, int sequence = 1);

struct BackupResult {
    bool ok = false;
    QString path;   // the file written
    QString reason; // why it failed
};

// Saves the memory image (its first 848 bytes) behind the channel-file
// signature, in one piece, creating the folder when needed. The first free
// sequence number of the second is taken by creating its name exclusively,
// so two programs saving at once never pick the same one.
BackupResult saveBackup(const QByteArray& image, BackupKind kind, const QDateTime& when,
                        const QString& folder);

// Removes the backups made more than `maxAgeDays` days before `now`, but
// always keeps the newest `keepNewest`. Only files named as backups are
// touched. Returns the names removed.
QStringList pruneBackups(const QString& folder, const QDateTime& now, int maxAgeDays = 365,
                         int keepNewest = 20);

// The status-line note of a backup that could not be saved.
QString backupFailedNote(int languageCode, const QString& reason);

// Where the backups are, told when no file manager could show the folder.
Message backupFolderMessage(int languageCode, const QString& folder);

} // namespace q716
