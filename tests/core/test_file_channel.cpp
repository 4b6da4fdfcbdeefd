#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "state/InitDefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace q716;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

struct Recorder {
    std::vector<Message> shown;
    MessageFn fn() {
        return [this](const Message& m) {
            shown.push_back(m);
            return int(ResultOk);
        };
    }
};

} // namespace

TEST(ChannelFile, SaveWritesSignatureAndImage) {
    QTemporaryDir dir;
    EditorState s = freshEditorState();
    s.form1.grid.cell(1, 1) = "400.12500";
    const QString path = dir.filePath("a.DAT");
    ASSERT_TRUE(saveChannelFile(s, path).ok());
    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 853);
    EXPECT_TRUE(bytes.startsWith("NXR54"));
    EXPECT_EQ(QString::fromLatin1(bytes.mid(5).toHex().toUpper()), BuildImage(s));
}

TEST(ChannelFile, SavingOverALongerFileLeavesExactly853Bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("long.DAT");
    writeAll(path, QByteArray(5000, 'x'));
    ASSERT_TRUE(saveChannelFile(freshEditorState(), path).ok());
    EXPECT_EQ(readAll(path).size(), 853);
}

TEST(ChannelFile, FailedSaveLeavesNothingBehind) {
    QTemporaryDir dir;
    const FileResult r = saveChannelFile(freshEditorState(), dir.filePath("missing/dir/a.DAT"));
    EXPECT_EQ(r.status, FileStatus::CannotWrite);
    EXPECT_FALSE(r.reason.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
}

TEST(ChannelFile, OpenLoadsWhatSaveWrote) {
    QTemporaryDir dir;
    EditorState s = freshEditorState();
    s.form1.grid.cell(2, 1) = "145.50000";
    s.form1.grid.cell(2, 3) = "145.50000";
    s.values.commPassword = "1234";
    const QString path = dir.filePath("b.DAT");
    ASSERT_TRUE(saveChannelFile(s, path).ok());
    EditorState opened = freshEditorState();
    ASSERT_TRUE(openChannelFile(opened, path, {}).ok());
    EXPECT_EQ(opened.form1.grid.cell(2, 1), "145.50000");
    EXPECT_EQ(opened.values.commPassword, "1234");
    EXPECT_EQ(BuildImage(opened), BuildImage(s));
}

TEST(ChannelFile, WrongSignatureOrShortFileIsRefusedWithTheMessage) {
    QTemporaryDir dir;
    const QByteArray good = channelFileBytes(freshEditorState());
    QByteArray wrong = good;
    wrong[0] = 'M';
    const QByteArray cases[] = {wrong, good.left(852), QByteArray("NXR54"), QByteArray()};
    for (const QByteArray& bytes : cases) {
        const QString path = dir.filePath("bad.DAT");
        writeAll(path, bytes);
        for (int lang : {0, 1}) {
            EditorState s = freshEditorState();
            s.values.languageCode = lang;
            s.form1.grid.cell(1, 1) = "435.00000";
            Recorder rec;
            const FileResult r = openChannelFile(s, path, rec.fn());
            EXPECT_EQ(r.status, FileStatus::WrongType);
            ASSERT_EQ(rec.shown.size(), 1u);
            EXPECT_EQ(rec.shown[0].text, lang == 0 ? QString("文件类型不对，无法打开。")
                                                   : QString("Document type not to open."));
            EXPECT_EQ(rec.shown[0].style, MsgOk);
            EXPECT_TRUE(rec.shown[0].title.isEmpty());
            EXPECT_EQ(s.form1.grid.cell(1, 1), "435.00000");
        }
    }
}

TEST(ChannelFile, UnopenableFilesEndSilentlyWithAReason) {
    QTemporaryDir dir;
    for (const QString& path : {dir.filePath("none.DAT"), dir.path()}) {
        EditorState s = freshEditorState();
        Recorder rec;
        const FileResult r = openChannelFile(s, path, rec.fn());
        EXPECT_EQ(r.status, FileStatus::CannotOpen);
        EXPECT_FALSE(r.reason.isEmpty());
        EXPECT_TRUE(rec.shown.empty());
    }
}

TEST(ChannelFile, TwoExtraBytesAreReadAndIgnored) {
    QTemporaryDir dir;
    EditorState s = freshEditorState();
    s.form1.grid.cell(1, 1) = "400.00000";
    const QString path = dir.filePath("c.DAT");
    writeAll(path, channelFileBytes(s) + QByteArray("\x01\x02tail-not-read", 15));
    const ChannelFileRead read = readChannelFile(path);
    ASSERT_TRUE(read.result.ok());
    EXPECT_EQ(read.imageHex.size(), 2 * 850);
    EditorState opened = freshEditorState();
    ASSERT_TRUE(openChannelFile(opened, path, {}).ok());
    EXPECT_EQ(BuildImage(opened), BuildImage(s));
}
