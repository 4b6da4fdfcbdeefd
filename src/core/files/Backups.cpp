#include "files/Backups.h"

#include "files/ChannelFile.h"
#include "files/WholeFileSave.h"
#include "image/ImageLayout.h"
#include "shell/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace q716 {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd_HHmmss");

const QRegularExpression& backupName() {
    static const QRegularExpression re(QStringLiteral(
        "^(\\d{4}-\\d{2}-\\d{2}_\\d{6})_(read|write|before-write)(?:-(\\d+))?\\.DAT$"));
    return re;
}

QString kindText(BackupKind kind) {
    switch (kind) {
    case BackupKind::Read:
        return QStringLiteral("read");
    case BackupKind::Write:
        return QStringLiteral("write");
    case BackupKind::BeforeWrite:
        return QStringLiteral("before-write");
    }
    return {};
}

// Creates the first free name of the second, empty, and returns its path. A
// name that exists (a backup, or one another program just took) is never
// opened for writing.
QString reserveBackupName(const QString& folder, const QDateTime& when, BackupKind kind,
                          QString& reason) {
    const QDir dir(folder);
    for (int sequence = 1;; ++sequence) {
        const QString path = dir.filePath(backupFileName(when, kind, sequence));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        const QFileInfo taken(path);
        if (!taken.exists() && !taken.isSymLink()) {
            reason = file.errorString();
            return {};
        }
    }
}

struct NamedBackup {
    QString name;
    QDateTime made;
    int sequence; // 1 for the first of its second
};

} // namespace

QString backupFolder() {
    // q716-cli runs under its own name; the folder is the program's. The
    // data folder ends in this process's organisation and application
    // names: those are swapped for the program's, and the global names stay
    // as they are.
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QString own;
    if (const QString organization = QCoreApplication::organizationName(); !organization.isEmpty())
        own += QLatin1Char('/') + organization;
    if (const QString application = QCoreApplication::applicationName(); !application.isEmpty())
        own += QLatin1Char('/') + application;
    if (!data.isEmpty() && data.endsWith(own)) {
        data.chop(own.size());
        data += QStringLiteral("/q716/q716");
    }
    return data + QStringLiteral("/backups");
}

QString backupFileName(const QDateTime& when, BackupKind kind, int sequence) {
    const QString stem = when.toString(TimeFormat) + QLatin1Char('_') + kindText(kind);
    return sequence > 1 ? stem + QStringLiteral("-%1.DAT").arg(sequence)
                        : stem + QStringLiteral(".DAT");
}

BackupResult saveBackup(const QByteArray& image, BackupKind kind, const QDateTime& when,
                        const QString& folder) {
    BackupResult r;
    if (image.size() < ImageBytes) {
        r.reason = QStringLiteral("the image is incomplete");
        return r;
    }
    if (!QDir().mkpath(folder)) {
        r.reason = QStringLiteral("cannot create the folder %1").arg(folder);
        return r;
    }
    r.path = reserveBackupName(folder, when, kind, r.reason);
    if (r.path.isEmpty())
        return r;
    // The reserved name stays empty until the whole file replaces it.
    r.ok = saveWholeFile(r.path, ChannelFileSignature + image.left(ImageBytes), r.reason);
    if (!r.ok)
        QFile::remove(r.path);
    return r;
}

QStringList pruneBackups(const QString& folder, const QDateTime& now, int maxAgeDays,
                         int keepNewest) {
    std::vector<NamedBackup> backups;
    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const QString& name : names) {
        const QRegularExpressionMatch m = backupName().match(name);
        if (!m.hasMatch())
            continue;
        const QDateTime made = QDateTime::fromString(m.captured(1), TimeFormat);
        if (!made.isValid())
            continue;
        backups.push_back({name, made, m.captured(3).isEmpty() ? 1 : m.captured(3).toInt()});
    }
    std::sort(backups.begin(), backups.end(), [](const NamedBackup& a, const NamedBackup& b) {
        return a.made != b.made ? a.made > b.made : a.sequence > b.sequence;
    });
    const QDateTime oldestKept = now.addDays(-maxAgeDays);
    QStringList removed;
    for (size_t i = size_t(qMax(keepNewest, 0)); i < backups.size(); ++i) {
        if (backups[i].made >= oldestKept)
            continue;
        if (QFile::remove(QDir(folder).filePath(backups[i].name)))
            removed << backups[i].name;
    }
    return removed;
}

QString backupFailedNote(int languageCode, const QString& reason) {
    return pickText(languageCode, QStringLiteral("（备份未保存：%1）"),
                    QStringLiteral("(backup not saved: %1)"))
        .arg(reason);
}

Message backupFolderMessage(int languageCode, const QString& folder) {
    return {pickText(languageCode,
                     QStringLiteral("备份保存在这个文件夹里（没有能打开它的文件管理器）：\n%1"),
                     QStringLiteral("The backups are kept in this folder (no file manager could "
                                    "open it):\n%1"))
                .arg(QDir::toNativeSeparators(folder)),
            MsgInformation,
            {}};
}

} // namespace q716
