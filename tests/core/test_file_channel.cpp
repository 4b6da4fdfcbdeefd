#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "state/InitDefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

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
    QByteArray lastDigit = good; // every byte of the signature counts
    lastDigit[4] = '3';
    const QByteArray cases[] = {wrong, lastDigit, good.left(852), QByteArray("NXR54"),
                                QByteArray()};
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

// Opening a file's content already read behaves as opening the file: same
// result, same messages, same editor afterwards.
TEST(ChannelFile, OpeningContentMatchesOpeningTheFile) {
    QTemporaryDir dir;
    EditorState saved = freshEditorState();
    saved.form1.grid.cell(1, 1) = "435.00000";
    saved.values.embeddedInfo[0] = "CONTENT";
    const QByteArray good = channelFileBytes(saved);
    QByteArray wrong = good;
    wrong[4] = '5';
    QByteArray longer = good + QByteArray("\x01\x02", 2);
    longer[853] = '\x33'; // inside the 855 bytes an open reads
    const QByteArray cases[] = {good,
                                good.left(852),
                                wrong,
                                QByteArray("NXR54"),
                                QByteArray(),
                                longer,
                                good + QByteArray(4000, '\xEE')};
    for (const QByteArray& content : cases) {
        const QString path = dir.filePath("same.DAT");
        writeAll(path, content);
        for (int lang : {0, 1}) {
            EditorState fromFile = freshEditorState();
            fromFile.values.languageCode = lang;
            fromFile.values.debugUnlocked = true;
            EditorState fromContent = fromFile;
            Recorder fileMessages, contentMessages;
            const FileResult a = openChannelFile(fromFile, path, fileMessages.fn());
            const FileResult b = openChannelFileBytes(fromContent, content, contentMessages.fn());
            EXPECT_EQ(a.status, b.status);
            EXPECT_EQ(a.reason, b.reason);
            EXPECT_TRUE(fromFile == fromContent);
            ASSERT_EQ(fileMessages.shown.size(), contentMessages.shown.size());
            for (size_t i = 0; i < fileMessages.shown.size(); ++i)
                EXPECT_EQ(fileMessages.shown[i].text, contentMessages.shown[i].text);
            const ChannelFileRead read = readChannelFile(path);
            const ChannelFileRead checked = checkChannelFileBytes(content);
            EXPECT_EQ(read.result.status, checked.result.status);
            EXPECT_EQ(read.imageHex, checked.imageHex);
        }
    }
}

// A whole editor compares equal only when every value is equal.
TEST(EditorStateEquality, AnyChangedValueMakesEditorsDiffer) {
    const EditorState start = freshEditorState();
    EXPECT_TRUE(start == freshEditorState());
    const std::vector<std::function<void(EditorState&)>> changes = {
        [](EditorState& s) { s.form1.grid.index[16][8] = 1; },
        [](EditorState& s) { s.form1.grid.cell(16, 0) = "X"; },
        [](EditorState& s) { s.form1.lockState = true; },
        [](EditorState& s) { s.form5.gestureStart = 1; },
        [](EditorState& s) { s.form6.combo2 = 1; },
        [](EditorState& s) { s.form7.text2 = "x"; },
        [](EditorState& s) { s.form4.cells[16][2] = "x"; },
        [](EditorState& s) { s.form2.slidersEnabled = true; },
        [](EditorState& s) { s.values.adminMode = true; },
        [](EditorState& s) { s.values.optionValues.voxBannedWhileReceiving.text = "x"; },
    };
    for (const auto& change : changes) {
        EditorState changed = start;
        change(changed);
        EXPECT_FALSE(changed == start);
    }
}
