#include "shell/InstallLayout.h"
#include "shell/ParameterFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace q716;

namespace {

void touch(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(InstallLayout, InstalledProgramsLiveInABinFolder) {
    struct Case {
        const char* folder;
        bool installed;
    };
    for (const Case& c :
         {Case{"/usr/bin", true}, Case{"/usr/local/bin", true}, Case{"/home/ann/.local/bin", true},
          Case{"/opt/q716/bin/", true}, Case{"/home/ann/q716/build/src/app", false},
          Case{"/home/ann/q716-portable", false}, Case{"/usr/lib/q716", false}})
        EXPECT_EQ(isInstalledProgramDirectory(c.folder), c.installed) << c.folder;
}

TEST(InstallLayout, ManualBesideTheProgramComesFirstThenTheInstalledOne) {
    for (const int language : {0, 1, 2}) {
        const QString name = language == 0 ? "manual.zh.html" : "manual.html";
        EXPECT_EQ(manualFileName(language), name);
        QTemporaryDir prefix;
        const QString bin = prefix.filePath("bin");
        const QString installed = prefix.filePath("share/doc/q716/" + name);
        const QString beside = prefix.filePath("bin/docs/" + name);
        ASSERT_TRUE(QDir().mkpath(bin));

        // Neither: the path beside the program, where a build puts it.
        EXPECT_EQ(manualPathFor(bin, language), beside) << language;
        touch(installed);
        EXPECT_EQ(manualPathFor(bin, language), installed) << language;
        touch(beside);
        EXPECT_EQ(manualPathFor(bin, language), beside) << language;
    }
}

TEST(InstallLayout, EachLanguageFindsItsOwnManual) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    touch(prefix.filePath("share/doc/q716/manual.html"));
    touch(prefix.filePath("share/doc/q716/manual.zh.html"));
    EXPECT_EQ(manualPathFor(bin, 0), prefix.filePath("share/doc/q716/manual.zh.html"));
    EXPECT_EQ(manualPathFor(bin, 1), prefix.filePath("share/doc/q716/manual.html"));

    // An English manual beside the program does not hide the installed
    // Chinese one, nor the reverse.
    touch(prefix.filePath("bin/docs/manual.html"));
    EXPECT_EQ(manualPathFor(bin, 0), prefix.filePath("share/doc/q716/manual.zh.html"));
    EXPECT_EQ(manualPathFor(bin, 1), prefix.filePath("bin/docs/manual.html"));
}

TEST(InstallLayout, WithoutAChineseManualTheEnglishOneOpens) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    touch(prefix.filePath("share/doc/q716/manual.html"));
    EXPECT_EQ(manualPathFor(bin, 0), prefix.filePath("share/doc/q716/manual.html"));
    touch(prefix.filePath("bin/docs/manual.html"));
    EXPECT_EQ(manualPathFor(bin, 0), prefix.filePath("bin/docs/manual.html"));
}

TEST(InstallLayout, AnInstalledProgramKeepsItsParameterFileInTheUserFolder) {
    qunsetenv("Q716_CONFIG_DIR");
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QTemporaryDir prefix;
    const QString bin = prefix.filePath("bin");
    const QString portable = prefix.filePath("q716");
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(portable));

    // A writable bin folder (root's /usr/bin) is still an installation's.
    EXPECT_EQ(parameterDirectoryFor(bin), userFolder);
    EXPECT_EQ(parameterDirectoryFor(QStringLiteral("/usr/bin")), userFolder);
    EXPECT_FALSE(userFolder.startsWith(QStringLiteral("/usr/")));
    // A build tree or an unpacked copy keeps it beside the program.
    EXPECT_EQ(parameterDirectoryFor(portable), portable);
}
