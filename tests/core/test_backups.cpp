// Backups: their names, their bytes, names taken twice in one second, the
// shared folder and what pruning keeps.

#include "files/Backups.h"
#include "files/ChannelFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <latch>
#include <thread>

using namespace q716;

namespace {

const QDateTime Now(QDate(2026, 12, 8), QTime(10, 15, 2));

QByteArray image(char fill) {
    QByteArray bytes(848, fill);
    bytes[0] = 0x00;
    bytes[847] = char(0x88);
    return bytes;
}

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void touch(const QString& folder, const QString& name) {
    QFile f(QDir(folder).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

} // namespace

TEST(Backups, NamesCarryTheMomentAndTheDirectionAndNeverRepeat) {
    QTemporaryDir dir;
    EXPECT_EQ(backupFileName(Now, BackupKind::Read), QStringLiteral("2026-12-08_101502_read.DAT"));
    EXPECT_EQ(backupFileName(Now, BackupKind::Write, 3),
              QStringLiteral("2026-12-08_101502_write-3.DAT"));
    EXPECT_EQ(backupFileName(Now, BackupKind::BeforeWrite),
              QStringLiteral("2026-12-08_101502_before-write.DAT"));
    QStringList saved;
    for (int i = 0; i < 3; ++i) {
        const BackupResult r = saveBackup(image(char('a' + i)), BackupKind::Read, Now, dir.path());
        ASSERT_TRUE(r.ok) << r.reason.toStdString();
        saved << QFileInfo(r.path).fileName();
        EXPECT_EQ(contentOf(r.path), ChannelFileSignature + image(char('a' + i)));
    }
    EXPECT_EQ(saved, (QStringList{"2026-12-08_101502_read.DAT", "2026-12-08_101502_read-2.DAT",
                                  "2026-12-08_101502_read-3.DAT"}));
}

// Programs saving backups in the same second each get a name of their own:
// none replaces another's.
TEST(Backups, SavesAtOnceNeverReplaceOneAnother) {
    QTemporaryDir dir;
    constexpr int Threads = 8, Each = 4;
    std::latch go(Threads);
    std::vector<std::thread> savers;
    std::vector<QStringList> paths(Threads);
    for (int t = 0; t < Threads; ++t)
        savers.emplace_back([&, t] {
            go.arrive_and_wait();
            for (int i = 0; i < Each; ++i)
                paths[t] << saveBackup(image(char('A' + t * Each + i)), BackupKind::Read, Now,
                                       dir.path())
                                .path;
        });
    for (std::thread& s : savers)
        s.join();
    QSet<QByteArray> contents;
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        contents.insert(contentOf(dir.filePath(name)));
    EXPECT_EQ(contents.size(), Threads * Each);
    for (int t = 0; t < Threads; ++t)
        for (int i = 0; i < Each; ++i)
            EXPECT_TRUE(contentOf(paths[t][i]) ==
                        ChannelFileSignature + image(char('A' + t * Each + i)))
                << t << " " << i;
}

TEST(Backups, AReadKeepsOnlyTheImageOfItsFirst848Bytes) {
    QTemporaryDir dir;
    const QByteArray read = image('r') + QByteArray(176, char(0xEE));
    const BackupResult r = saveBackup(read, BackupKind::Read, Now, dir.filePath("new/folder"));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(contentOf(r.path).size(), ChannelFileBytes);
    EXPECT_TRUE(readChannelFile(r.path).result.ok());
}

TEST(Backups, AFailureSaysWhyAndWritesNothing) {
    QTemporaryDir dir;
    touch(dir.path(), QStringLiteral("a file"));
    const BackupResult blocked =
        saveBackup(image('x'), BackupKind::Write, Now, dir.filePath("a file/backups"));
    EXPECT_FALSE(blocked.ok);
    EXPECT_FALSE(blocked.reason.isEmpty());
    const BackupResult cut = saveBackup(QByteArray(100, 'x'), BackupKind::Read, Now, dir.path());
    EXPECT_FALSE(cut.ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a file"});
}

TEST(Backups, TheProgramAndTheCompanionShareTheFolder) {
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    QCoreApplication::setApplicationName(QStringLiteral("q716"));
    QCoreApplication::setOrganizationName(QStringLiteral("q716"));
    const QString program =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/backups";
#ifdef Q_OS_LINUX
    EXPECT_EQ(program, dir.filePath("q716/q716/backups"));
#endif
    QCoreApplication::setApplicationName(QStringLiteral("q716-cli"));
    QCoreApplication::setOrganizationName(QString());
    // Working the folder out renames nothing, not even for a moment.
    int argc = 1;
    char name[] = "core_tests";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    int renamed = 0;
    QObject::connect(&app, &QCoreApplication::applicationNameChanged, [&] { ++renamed; });
    QObject::connect(&app, &QCoreApplication::organizationNameChanged, [&] { ++renamed; });
    EXPECT_EQ(backupFolder(), program);
    EXPECT_EQ(renamed, 0);
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("q716-cli"));
    EXPECT_EQ(QCoreApplication::organizationName(), QString());
    QCoreApplication::setApplicationName(QString());
    qunsetenv("XDG_DATA_HOME");
}

TEST(Backups, PruningDropsOldOnesButKeepsTheNewestTwenty) {
    struct Case {
        const char* name;
        int old;    // backups of more than a year ago, one a day
        int recent; // backups of the last weeks, one a day
        int kept;
    };
    const Case cases[] = {
        {"only old ones: the newest twenty stay", 30, 0, 20},
        {"few old ones stay with them", 5, 3, 8},
        {"recent ones push old ones out", 10, 15, 20},
        {"recent ones all stay", 4, 25, 25},
        {"a year's ones all stay", 0, 40, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        QStringList newestFirst;
        for (int i = 0; i < c.recent; ++i)
            newestFirst << Now.addDays(-i).toString("yyyy-MM-dd_HHmmss") + "_write.DAT";
        for (int i = 0; i < c.old; ++i)
            newestFirst << Now.addDays(-400 - i).toString("yyyy-MM-dd_HHmmss") +
                               (i % 2 ? "_before-write.DAT" : "_read.DAT");
        for (const QString& n : newestFirst)
            touch(dir.path(), n);
        touch(dir.path(), QStringLiteral("2001-01-01_000000_mine.DAT"));
        touch(dir.path(), QStringLiteral("notes.txt"));

        const QStringList removed = pruneBackups(dir.path(), Now);
        QStringList left = QDir(dir.path()).entryList(QDir::Files, QDir::Name | QDir::Reversed);
        EXPECT_EQ(removed.size() + left.size(), newestFirst.size() + 2);
        left.removeAll(QStringLiteral("2001-01-01_000000_mine.DAT"));
        left.removeAll(QStringLiteral("notes.txt"));
        EXPECT_EQ(left, newestFirst.mid(0, c.kept));
    }
}

TEST(Backups, PruningOrdersTwinsOfOneSecondBySequence) {
    QTemporaryDir dir;
    const QString old = Now.addYears(-2).toString("yyyy-MM-dd_HHmmss");
    for (const char* suffix : {"_read.DAT", "_read-2.DAT", "_read-10.DAT"})
        touch(dir.path(), old + QLatin1String(suffix));
    EXPECT_EQ(pruneBackups(dir.path(), Now, 365, 1),
              (QStringList{old + "_read-2.DAT", old + "_read.DAT"}));
}
