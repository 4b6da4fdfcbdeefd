#include "shell/ParameterFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace q716;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(ParameterFile, MissingOrShortFileReadsZeros) {
    QTemporaryDir dir;
    const QString path = dir.filePath("parameter");
    ParameterBytes b = readParameterFile(path);
    EXPECT_EQ(b.lock, 0);
    EXPECT_EQ(b.port, 0);
    EXPECT_EQ(b.language, 0);

    writeBytes(path, QByteArray("\x01\x05", 2));
    b = readParameterFile(path);
    EXPECT_EQ(b.lock, 1);
    EXPECT_EQ(b.port, 5);
    EXPECT_EQ(b.language, 0);
}

TEST(ParameterFile, WritesExactlyThreeBytesOverALongerFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("parameter");
    writeBytes(path, QByteArray(10, '\x7f'));
    ASSERT_TRUE(writeParameterFile(path, {1, 20, 1}));
    EXPECT_EQ(fileBytes(path), QByteArray("\x01\x14\x01", 3));

    const ParameterBytes back = readParameterFile(path);
    EXPECT_EQ(back.lock, 1);
    EXPECT_EQ(back.port, 20);
    EXPECT_EQ(back.language, 1);
}

TEST(ParameterFile, UnexpectedBytesAreKeptAsRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("parameter");
    writeBytes(path, QByteArray("\xff\x00\x02", 3));
    const ParameterBytes b = readParameterFile(path);
    EXPECT_EQ(b.lock, 255);
    EXPECT_EQ(b.language, 2);
}

TEST(ParameterFile, WriteCreatesTheFolderAndReportsFailure) {
    QTemporaryDir dir;
    const QString nested = dir.filePath("a/b/parameter");
    EXPECT_TRUE(writeParameterFile(nested, {0, 3, 0}));
    EXPECT_EQ(fileBytes(nested), QByteArray("\x00\x03\x00", 3));

    // A folder where the file should be cannot be replaced.
    const QString blocked = dir.filePath("blocked");
    ASSERT_TRUE(QDir().mkpath(blocked + "/parameter"));
    EXPECT_FALSE(writeParameterFile(blocked + "/parameter", {1, 1, 1}));
}

TEST(ParameterFile, EnvironmentOverridesTheFolder) {
    QTemporaryDir dir;
    qputenv("Q716_CONFIG_DIR", dir.path().toLocal8Bit());
    EXPECT_EQ(parameterDirectory(), dir.path());
    EXPECT_EQ(parameterFilePath(), QDir(dir.path()).filePath("parameter"));
    qunsetenv("Q716_CONFIG_DIR");
    EXPECT_NE(parameterDirectory(), dir.path());
}
