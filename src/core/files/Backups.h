#pragma once
// Automatic backups of what went to and came from the radio: every image a
// read brings and every image a write is about to send is kept as a channel
// file in the backups folder, named after the moment and the direction
// ("2026-12-08_101502_read.DAT"). Old ones are pruned at start-up.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace q716 {

enum class BackupKind { Read, Write };

// The program's per-user data folder + "/backups"; the program and q716-cli
// share it.
QString backupFolder();

// "yyyy-MM-dd_HHmmss_read.DAT" for `when`; when that name is taken in
// `folder`, "..._read-2.DAT", "-3" and so on.
QString backupFileName(const QString& folder, const QDateTime& when, BackupKind kind);

struct BackupResult {
    bool ok = false;
    QString path;   // the file written
    QString reason; // why it failed
};

// Saves the memory image (its first 848 bytes) behind the channel-file
// signature, in one piece, creating the folder when needed.
BackupResult saveBackup(const QByteArray& image, BackupKind kind, const QDateTime& when,
                        const QString& folder);

// Removes the backups made more than `maxAgeDays` days before `now`, but
// always keeps the newest `keepNewest`. Only files named as backups are
// touched. Returns the names removed.
QStringList pruneBackups(const QString& folder, const QDateTime& now, int maxAgeDays = 365,
                         int keepNewest = 20);

// The status-line note of a backup that could not be saved.
QString backupFailedNote(int languageCode, const QString& reason);

} // namespace q716
