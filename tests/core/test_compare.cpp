// Comparing editor states field by field, and naming what an address of the
// image holds: both against the codec, for random edits.

#include "RandomEdits.h"

#include "channels/ChannelTable.h"
#include "compare/AddressMeaning.h"
#include "compare/EditorDiff.h"
#include "compare/StoredValues.h"
#include "compare/WriteVerify.h"
#include "image/BuildImage.h"
#include "image/FieldCodec.h"
#include "image/ImageLayout.h"
#include "image/LoadImage.h"
#include "link/LinkMessages.h"
#include "state/InitDefaults.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace q716;
using q716test::applyRandomEdits;

namespace {

// Four channels in use, everything else at its defaults.
EditorState plan(int lang) {
    EditorState s = freshEditorState();
    s.values.languageCode = lang;
    const char* rx[] = {"435.12500", "440.00000", "401.06250", "470.50000"};
    for (int row = 1; row <= 4; ++row) {
        s.form1.grid.cell(row, 1) = QString::fromLatin1(rx[row - 1]);
        applyNewChannelDefaults(s.form1.grid, row, lang);
    }
    s.values.embeddedInfo = {QStringLiteral("FIELD UNIT 7"), QStringLiteral("Q716")};
    return s;
}

QList<FieldRef> fieldsOf(const QList<FieldDifference>& diffs) {
    QList<FieldRef> f;
    for (const FieldDifference& d : diffs)
        f.append(d.field);
    return f;
}

bool sameSet(QList<FieldRef> a, QList<FieldRef> b) {
    if (a.size() != b.size())
        return false;
    for (const FieldRef& f : a)
        if (!b.removeOne(f))
            return false;
    return b.isEmpty();
}

QString name(FieldRef f) {
    return fieldLongName(f, 1);
}

} // namespace

TEST(Compare, AStateEqualsItselfThroughTheImage) {
    for (int lang : {0, 1}) {
        const EditorState s = plan(lang);
        EXPECT_TRUE(compareEditorWithImage(s, buildImageBytes(s)).isEmpty()) << lang;
    }
}

TEST(Compare, RandomEditsAreListedExactly) {
    std::mt19937 rng(20261208);
    for (int round = 0; round < 200; ++round) {
        const int lang = round % 2;
        const EditorState radio = plan(lang);
        EditorState editor = radio;
        const QList<FieldRef> edited = applyRandomEdits(editor, rng, 1 + round % 7);
        const QList<FieldDifference> diffs = compareEditorWithImage(editor, buildImageBytes(radio));
        QStringList want, got;
        for (const FieldRef& f : edited)
            want << name(f);
        for (const FieldRef& f : fieldsOf(diffs))
            got << name(f);
        ASSERT_TRUE(sameSet(fieldsOf(diffs), edited))
            << "round " << round << "\nedited: " << want.join(", ").toStdString()
            << "\nlisted: " << got.join(", ").toStdString();
        for (const FieldDifference& d : diffs)
            EXPECT_NE(d.left, d.right) << name(d.field).toStdString();
    }
}

TEST(Compare, FieldsAreNamedByTheirCaptionsInEitherLanguage) {
    struct Case {
        FieldRef field;
        const char* zh;
        const char* en;
    };
    const Case cases[] = {
        {{FieldKind::TxFrequency, 3}, "信道 3 发射频率", "channel 3 TX frequency"},
        {{FieldKind::RxTone, 16}, "信道 16 接收亚音频", "channel 16 RX QT/DQT"},
        {{FieldKind::Scan, 1}, "信道 1 扫描添加", "channel 1 Scan"},
        {{FieldKind::TimeOut, 0}, "发射超时", "Time-out"},
        {{FieldKind::CancelOperation, 0}, "取消操作", "Cancel operation"},
        {{FieldKind::Password, 0}, "通讯密码", "C-Password"},
        {{FieldKind::OptionValue, 18}, "扫描接收恢复延时时间(秒)", "Scan receive delay time(S)"},
        {{FieldKind::OptionValue, 15}, "可选功能 文字 1", "Optional Function text 1"},
        {{FieldKind::OptionValue, 17}, "可选功能 文字 3", "Optional Function text 3"},
        {{FieldKind::Band, 0}, "机型选择 频段", "Type selection Channel"},
        {{FieldKind::DtmfValue, 6}, "组呼码", "组呼码"},
        {{FieldKind::KeyPF2, 0}, "键设定 PF2", "Keys Set PF2"},
        {{FieldKind::EmbeddedInfo, 1}, "嵌入信息 2", "Embedded Information 2"},
        {{FieldKind::TestTxFrequency, 7}, "测试频率 07 发射频率", "测试频率 07 TX Frequency"},
        {{FieldKind::HighPowerLevel, 0}, "发射高功率", "TX-Hight Power"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fieldLongName(c.field, 0), QString::fromUtf8(c.zh));
        EXPECT_EQ(fieldLongName(c.field, 1), QString::fromUtf8(c.en));
    }
}

TEST(Compare, ValuesShowAsTheWindowsShowThem) {
    EditorState a = plan(1);
    a.form1.combo3 = 11;
    a.values.commPassword = QStringLiteral("abc123");
    a.values.keyFunctionPF1 = 2;
    a.values.optionValues.preferredChannel.text = QStringLiteral("3");
    EXPECT_EQ(fieldText(a, {FieldKind::TimeOut, 0}, 1), QStringLiteral("180 S"));
    EXPECT_EQ(fieldText(a, {FieldKind::TimeOut, 0}, 0), QStringLiteral("180 秒"));
    EXPECT_EQ(fieldText(a, {FieldKind::Password, 0}, 1), QStringLiteral("******"));
    EXPECT_EQ(fieldText(a, {FieldKind::KeyPF1, 0}, 1), QStringLiteral("Keys lock"));
    EXPECT_EQ(fieldText(a, {FieldKind::OptionValue, 11}, 1), QStringLiteral("03"));
    EXPECT_EQ(fieldText(a, {FieldKind::Power, 1}, 0), QStringLiteral("高"));
    EXPECT_EQ(fieldText(a, {FieldKind::Power, 1}, 1), QStringLiteral("Hight"));
}

TEST(AddressMeaning, NamesTheFieldsOfTheLayout) {
    struct Case {
        int address;
        int bits;
        const char* meaning;
    };
    const Case cases[] = {
        {0x0034, 0xFF, "channel 3 TX frequency"},
        {0x0030, 0x01, "channel 3 RX frequency"},
        {0x0038, 0xFF, "channel 3 RX QT/DQT"},
        {0x003B, 0x01, "channel 3 TX QT/DQT"},
        {0x003C, 0x08, "channel 3 Forbid"},
        {0x003D, 0x20, "channel 3 Power"},
        {0x003D, 0x10, "channel 3 Band"},
        {0x003D, 0x30, "channel 3 Power / channel 3 Band"},
        {0x003E, 0xFF, "fixed data"},
        {0x017E, 0x04, "channel 3 Scan"},
        {0x017F, 0x80, "channel 16 Scan"},
        {0x0130, 0x80, "Time-out"},
        {0x0112, 0x01, "首位数码延迟"},
        {0x0166, 0x01, "Scan receive delay time(S)"},
        {0x0183, 0x01, "TX-Hight Power"},
        {0x01B8, 0xFF, "fixed data"},
        {0x01BD, 0x01, "Type selection Channel"},
        {0x034C, 0x01, "Type selection Channel"},
        {0x0145, 0x01, "Optional Function text 2"},
        {0x01C5, 0x01, "C-Password"},
        {0x0215, 0x01, "自动拨号存储器 02"},
        {0x0289, 0x01, "测试频率 02 RX Frequency"},
        {0x033F, 0x01, "Embedded Information 2"},
        {0x0350, 0xFF, "fixed data"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(addressMeaning(c.address, c.bits, 1).toStdString(), c.meaning)
            << std::hex << c.address;
    EXPECT_EQ(addressMeaning(0x0034, 0xFF, 0), QStringLiteral("信道 3 发射频率"));
}

TEST(AddressMeaning, EveryFieldOwnsBytesAndNoFieldStraysFromThem) {
    // Which bytes each field owns, from the map.
    QHash<int, QSet<int>> owned; // field position in imageFields() -> offsets
    const QList<FieldRef>& fields = imageFields();
    for (int k = 0; k < ImageBytes; ++k)
        for (const AddressOwner& o : addressOwners(ImageBase + k))
            owned[int(fields.indexOf(o.field))].insert(k);
    for (int i = 0; i < fields.size(); ++i)
        EXPECT_FALSE(owned.value(i).isEmpty()) << name(fields[i]).toStdString();

    // Random edits of random states change only bytes their field owns.
    std::mt19937 rng(716);
    for (int round = 0; round < 300; ++round) {
        EditorState s = plan(round % 2);
        applyRandomEdits(s, rng, 5);
        const QByteArray before = buildImageBytes(s);
        const QList<FieldRef> edited = applyRandomEdits(s, rng, 1);
        ASSERT_EQ(edited.size(), 1);
        const QByteArray after = buildImageBytes(s);
        const QSet<int> bytes = owned.value(int(fields.indexOf(edited.first())));
        for (int k = 0; k < ImageBytes; ++k) {
            if (before.at(k) != after.at(k)) {
                EXPECT_TRUE(bytes.contains(k)) << name(edited.first()).toStdString()
                                               << " changed 0x" << std::hex << (ImageBase + k);
            }
        }
    }
}

TEST(AddressMeaning, FixedBytesMeanNothingToTheLoad) {
    std::mt19937 rng(8);
    EditorState s = plan(1);
    applyRandomEdits(s, rng, 20);
    const QByteArray image = buildImageBytes(s);
    EditorState expected = freshEditorState();
    expected.values.languageCode = 1;
    loadImageBytes(expected, image, {});
    for (int k = 0; k < ImageBytes; ++k) {
        if (!addressOwners(ImageBase + k).isEmpty())
            continue;
        QByteArray flipped = image;
        flipped[k] = char(~uchar(flipped.at(k)));
        EditorState loaded = freshEditorState();
        loaded.values.languageCode = 1;
        loadImageBytes(loaded, flipped, {});
        EXPECT_TRUE(loaded == expected) << std::hex << (ImageBase + k);
    }
}

TEST(WriteVerify, OnlyTheBlocksWrittenAreChecked) {
    const QByteArray image = buildImageBytes(plan(1));
    QList<WrittenBlock> blocks;
    for (int a : {0x0010, 0x0020, 0x01B0, 0x0340}) {
        const std::optional<WrittenBlock> b =
            writtenBlockOf(linkmsg::writeBlock(a, image.mid(a - 0x10, 16)));
        ASSERT_TRUE(b);
        blocks.append(*b);
    }
    EXPECT_FALSE(writtenBlockOf(linkmsg::readRequest(0x0010, 0x40)));
    EXPECT_FALSE(writtenBlockOf(QByteArray("W\x00\x10\x10", 4) + QByteArray(3, 'x')));

    QByteArray read = image + QByteArray(176, char(0xFF));
    EXPECT_TRUE(verifyWrittenBlocks(blocks, read).isEmpty());
    read[0x0300 - 0x10] = 'x'; // not written: not checked
    read[0x0024 - 0x10] = char(~uchar(read.at(0x0024 - 0x10)));
    read[0x01BD - 0x10] = 0x21;
    const QList<ByteMismatch> m = verifyWrittenBlocks(blocks, read);
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].address, 0x0024);
    EXPECT_EQ(m[0].written, uchar(image.at(0x14)));
    EXPECT_EQ(m[1].address, 0x01BD);
    EXPECT_EQ(m[1].read, 0x21);
    const auto hex2 = [](int v) {
        return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
    };
    const int written = uchar(image.at(0x14));
    EXPECT_EQ(
        verifyLines(m, 1),
        (QStringList{QStringLiteral("0x0024  channel 2 TX frequency (written ") + hex2(written) +
                         QStringLiteral(", read ") + hex2(uchar(~written)) + QLatin1Char(')'),
                     QStringLiteral("0x01BD  Type selection Channel (written 33, read 21)")}));
    const Message box = verifyMismatchMessage(m, 0);
    EXPECT_EQ(box.style, 48);
    EXPECT_TRUE(box.text.contains(QStringLiteral("信道 2 发射频率")));
    EXPECT_TRUE(box.text.contains(QStringLiteral("机型选择 频段")));
}

// Every byte of a written block is checked, the last of the sixteen too.
TEST(WriteVerify, EveryOffsetOfABlockIsChecked) {
    const QByteArray image = buildImageBytes(plan(1));
    const WrittenBlock block{0x0100, image.mid(0x0100 - 0x10, 16)};
    for (int offset = 0; offset < 16; ++offset) {
        QByteArray read = image;
        read[0x0100 - 0x10 + offset] = char(~uchar(read.at(0x0100 - 0x10 + offset)));
        const QList<ByteMismatch> m = verifyWrittenBlocks({block}, read);
        ASSERT_EQ(m.size(), 1) << offset;
        EXPECT_EQ(m[0].address, 0x0100 + offset);
    }
}

namespace {

// The plan's image, `patch` written over it at `address`, opened into a
// fresh editor in English.
EditorState openedWith(int address, const QByteArray& patch) {
    QByteArray image = buildImageBytes(plan(1));
    image.replace(address - ImageBase, int(patch.size()), patch);
    return stateOfImage(image, 1);
}

} // namespace

// Nothing shown is lost on the way out: whatever the editor's own controls
// produce comes back from the image as it was shown.
TEST(StoredValues, WhatTheEditorProducesIsStoredAsShown) {
    std::mt19937 rng(1808);
    for (int round = 0; round < 200; ++round) {
        EditorState s = round < 2 ? freshEditorState() : plan(round % 2);
        s.values.languageCode = round % 2;
        applyRandomEdits(s, rng, round % 13);
        if (round % 3 == 0) // receive only: the transmit tone cell keeps its "Off"
            s.form1.grid.cell(2, 3).clear();
        const QList<FieldDifference> lost = valuesNotStored(s);
        ASSERT_TRUE(lost.isEmpty())
            << round << ": " << notStoredLines(lost, 1).join("; ").toStdString();
    }
}

// What the image cannot hold is listed by its name, with the text shown and
// the text a save or a write stores.
TEST(StoredValues, WhatTheImageCannotHoldIsListed) {
    struct Case {
        const char* name;
        EditorState state;
        QStringList lines;
    };
    EditorState chinese = plan(1);
    chinese.values.embeddedInfo[0] = QStringLiteral("对讲机 7");
    EditorState emptyFlag = plan(1);
    emptyFlag.form1.grid.cell(3, 6).clear();
    EditorState longPassword = plan(1);
    longPassword.values.commPassword = QStringLiteral("ABCDEFGHIJKLMNOPQ");
    const Case cases[] = {
        {"receive bytes 0A 00 85 43",
         openedWith(0x0010, QByteArray::fromHex("0A008543")),
         {"channel 1 RX frequency: 438.5000A → (empty)",
          "channel 1 TX frequency: 435.12500 → (empty)", "channel 1 Power: Hight → (empty)",
          "channel 1 Forbid: Off → (empty)", "channel 1 Band: Wide → (empty)",
          "channel 1 Scan: Have → (empty)"}},
        {"tone word 22 78",
         openedWith(0x0028, QByteArray::fromHex("2278")),
         {"channel 2 RX QT/DQT: 3075.4 → Off"}},
        {"transmit bytes",
         openedWith(0x0044, QByteArray::fromHex("00F50144")),
         {"channel 4 TX frequency: 440.1F500 → (empty)"}},
        {"a squelch byte out of range keeps the value shown",
         openedWith(0x0134, QByteArray(1, 77)),
         {}},
        {"Chinese characters", chinese, {"Embedded Information 1: 对讲机 7 → ??? 7"}},
        {"an empty flag cell", emptyFlag, {"channel 3 Forbid: (empty) → Carrow"}},
        {"17 characters of password",
         longPassword,
         {"C-Password: ***************** → ****************"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(notStoredLines(valuesNotStored(c.state), 1), c.lines) << c.name;
    const Message write = notStoredQuestion(WayOut::Write, valuesNotStored(chinese), 0);
    EXPECT_EQ(write.text, QStringLiteral("以下数值无法存储，写频时将按右侧所示写入："));
    EXPECT_EQ(write.style, MsgOkCancelExclamation);
    EXPECT_EQ(write.details, QStringLiteral("嵌入信息 1：对讲机 7 → ??? 7"));
}

// A file of random bytes behind the signature: every channel a save would
// drop is listed, and what is stored then holds as shown.
TEST(StoredValues, RandomImagesListEveryChannelASaveDrops) {
    std::mt19937 rng(848);
    for (int round = 0; round < 100; ++round) {
        QByteArray image(ImageBytes, '\0');
        for (char& b : image)
            b = char(rng() & 0xFF);
        const EditorState s = stateOfImage(image, round % 2);
        const QList<FieldRef> listed = fieldsOf(valuesNotStored(s));
        for (int ch = 1; ch <= ChannelCount; ++ch) {
            if (s.form1.grid.inUse(ch) && !isFrequencyText(s.form1.grid.cell(ch, 1))) {
                EXPECT_TRUE(listed.contains(FieldRef{FieldKind::RxFrequency, ch})) << round;
            }
        }
        EXPECT_TRUE(valuesNotStored(stateAsImage(s)).isEmpty()) << round;
    }
}

// The radio's bytes no value stands for: a write changes them although every
// value shown is the same; values that differ are not listed twice.
TEST(StoredValues, RadioBytesAWriteChangesAreListed) {
    EditorState editor = plan(1);
    editor.form1.grid.cell(1, 2) = QStringLiteral("D777N");
    const QByteArray written = buildImageBytes(editor);
    QByteArray radio = written + QByteArray(176, '\xFF'); // as a read brings it
    EXPECT_TRUE(bytesAWriteChanges(radio, written, false).isEmpty());
    radio[0x0134 - ImageBase] = 77;   // squelch: the load keeps the editor's 4
    radio[0x0019 - ImageBase] = 0x2F; // D777N with other high bits
    radio[0x0044 - ImageBase] = 0x25; // channel 4 TX frequency: a value that differs
    radio[0x0200 - ImageBase] = 'x';  // a DTMF memory: never written
    radio[0x0185 - ImageBase] = 0x00; // fixed data of the calibration block
    const EditorState shown = stateOfImage(radio, 1);
    const QList<FieldDifference> values = compareStates(stateAsImage(editor), shown, 1);
    ASSERT_EQ(fieldsOf(values),
              (QList<FieldRef>{{FieldKind::TxFrequency, 4}, {FieldKind::DtmfMemory, 0}}));
    EXPECT_EQ(
        bytesAWriteChangesLines(bytesAWriteChanges(radio, written, false, values),
                                stateAsImage(editor), 1),
        (QStringList{"0x0019  channel 1 RX QT/DQT = D777N (the radio holds 2F, a write "
                     "sends 29)",
                     "0x0134  Squelch Grade = 4 Group (the radio holds 4D, a write sends 04)"}));
    // With the debug values unlocked the calibration block is written too.
    EXPECT_EQ(bytesAWriteChanges(radio, written, true, values).size(), 3);
}
