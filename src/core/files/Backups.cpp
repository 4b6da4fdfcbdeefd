#include "files/Backups.h"

#include "files/ChannelFile.h"
#include "files/WholeFileSave.h"
#include "image/ImageLayout.h"
#include "shell/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace q716 {

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd_HHmmss");

const QRegularExpression& backupName() {
    static const QRegularExpression re(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}_\\d{6})_(read|write)(?:-(\\d+))?\\.DAT$"));
    return re;
}

QString kindText(BackupKind kind) {
    return kind == BackupKind::Read ? QStringLiteral("read") : QStringLiteral("write");
}

struct NamedBackup {
    QString name;
    QDateTime made;
    int sequence; // 1 for the first of its second
};

} // namespace

QString backupFolder() {
    // q716-cli runs under its own name; the folder is the program's.
    const QString application = QCoreApplication::applicationName();
    const QString organization = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName(QStringLiteral("q716"));
    QCoreApplication::setOrganizationName(QStringLiteral("q716"));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(application);
    QCoreApplication::setOrganizationName(organization);
    return data + QStringLiteral("/backups");
}

QString backupFileName(const QString& folder, const QDateTime& when, BackupKind kind) {
    const QString stem = when.toString(TimeFormat) + QLatin1Char('_') + kindText(kind);
    const QDir dir(folder);
    QString name = stem + QStringLiteral(".DAT");
    for (int n = 2; dir.exists(name); ++n)
        name = stem + QStringLiteral("-%1.DAT").arg(n);
    return name;
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
    r.path = QDir(folder).filePath(backupFileName(folder, when, kind));
    r.ok = saveWholeFile(r.path, ChannelFileSignature + image.left(ImageBytes), r.reason);
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

} // namespace q716
