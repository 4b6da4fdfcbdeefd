#include "image/BuildImage.h"
#include "image/FieldCodec.h"
#include "image/ImageLayout.h"
#include "state/InitDefaults.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace q716;

namespace {

QString at(const QString& image, int address, int count) {
    return image.mid(2 * offsetOf(address), 2 * count);
}

void setChannel(EditorState& s, int row, const QStringList& cells) {
    for (int col = 1; col <= 8; ++col)
        s.form1.grid.cell(row, col) = cells.value(col - 1);
}

} // namespace

TEST(BuildImage, DefaultStateHasFixedLayout) {
    const QString image = BuildImage(freshEditorState());
    ASSERT_EQ(image.size(), 1696);
    EXPECT_TRUE(QRegularExpression("^[0-9A-F]+$").match(image).hasMatch());
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(at(image, 0x0010 + 16 * row, 16), "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF");
    EXPECT_EQ(at(image, 0x017E, 2), "0000");
    EXPECT_TRUE(image.endsWith(QString(16, '8')));
    EXPECT_EQ(at(image, 0x0350, 16), "34373135323938338888888888888888");
    EXPECT_EQ(at(image, 0x01B8, 8), "565251373133F8FF");
    EXPECT_EQ(at(image, 0x0340, 16), "4E585142353430FFFFFFFFFF33FFFFFF");
    EXPECT_EQ(at(image, 0x0112, 1), "0A"); // first-digit delay 100 ms
    EXPECT_EQ(at(image, 0x0130, 1), "0C"); // time-out position 11
}

TEST(BuildImage, ChannelRecordsAndScanBitmap) {
    EditorState s = freshEditorState();
    setChannel(s, 1, {"400.12500", "67.0", "", "关闭", "Hight", "Off", "窄带", "有"});
    setChannel(s, 2, {"136.00000", "D023N", "136.00000", "D023I", "低", "载波", "Wide", "No"});
    setChannel(s, 3, {"435.00000", "D754N", "435.00000", "100.0", "", "", "", ""});
    setChannel(s, 9, {"435.00000", "", "", "", "", "", "", "Have"});
    const QString image = BuildImage(s);
    EXPECT_EQ(at(image, 0x0010, 16), "00250140FFFFFFFF9E02FFFFF0E0FCFF");
    EXPECT_EQ(at(image, 0x0020, 16), "0000601300006013132813A8F8D0FCFF");
    EXPECT_EQ(at(image, 0x0030, 16), "0000504300005043EC29E803F8F0FCFF");
    EXPECT_EQ(at(image, 0x017E, 2), "0101");
}

TEST(BuildImage, MalformedCellsKeepTheLayout) {
    EditorState s = freshEditorState();
    // Receive frequency not in the stored form: the whole channel is stored
    // empty, its scan bit too.
    setChannel(s, 1, {"400.125", "67.0", "400.12500", "", "Low", "", "", "Have"});
    // Bad transmit frequency and tones; flag texts nobody knows.
    setChannel(s, 2, {"400.12500", "tone", "4OO.12500", "D089N", "maybe", "x", "y", "z"});
    const QString image = BuildImage(s);
    ASSERT_EQ(image.size(), 1696);
    EXPECT_EQ(at(image, 0x0010, 16), "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF");
    EXPECT_EQ(at(image, 0x0020, 16), "00250140FFFFFFFFFFFFFFFFF8F0FCFF");
    EXPECT_EQ(at(image, 0x017E, 1), "00");
}

TEST(BuildImage, CharacterFieldsAreCutPaddedAndSingleByte) {
    EditorState s = freshEditorState();
    s.values.commPassword = "abc";
    EXPECT_EQ(at(BuildImage(s), 0x01C0, 16), "616263" + QString(26, 'F'));
    s.values.commPassword = "";
    EXPECT_EQ(at(BuildImage(s), 0x01C0, 16), QString(32, 'F'));
    s.values.commPassword = "0123456789ABCDEF";
    EXPECT_EQ(at(BuildImage(s), 0x01C0, 16), "30313233343536373839414243444546");
    s.values.commPassword = "0123456789ABCDEFGHIJ"; // cut at the field
    EXPECT_EQ(at(BuildImage(s), 0x01C0, 16), "30313233343536373839414243444546");
    s.values.embeddedInfo[0] = QString("频A") + QChar(0xE9);
    EXPECT_EQ(at(BuildImage(s), 0x0300, 4), "3F41E9FF");
    s.values.dtmfMemories[0] = "1230";
    EXPECT_EQ(at(BuildImage(s), 0x0200, 16), "3132333A" + QString(24, 'F'));
    EXPECT_EQ(BuildImage(s).size(), 1696);
}

TEST(BuildImage, NumbersFromOptionTextsAndLists) {
    EditorState s = freshEditorState();
    s.values.optionValues.retraceTimeA.text = "0";
    s.values.optionValues.retraceTimeB.text = "5";
    s.values.optionValues.scanReceiveDelay.text = "300";
    s.values.optionValues.scanLaunchDelay.text = "";
    s.values.optionValues.pttId.text = "2abc";
    s.values.optionValues.duplicate.text = "0";
    s.values.dtmfValues.groupCallCode = 0;
    s.values.dtmfValues.firstDigitDelay = 8;
    s.form1.combo3 = 0;
    QString image = BuildImage(s);
    EXPECT_EQ(at(image, 0x0162, 2), "FF05");
    EXPECT_EQ(at(image, 0x0165, 4), "2C010000");
    EXPECT_EQ(at(image, 0x0132, 1), "02");
    EXPECT_EQ(at(image, 0x013E, 1), "FE");
    EXPECT_EQ(at(image, 0x0116, 1), "00");
    EXPECT_EQ(at(image, 0x0112, 1), "32");
    EXPECT_EQ(at(image, 0x0130, 1), "01");

    s.values.dtmfValues.groupCallCode = 4;
    s.values.optionValues.duplicate.text = "1";
    s.form1.combo3 = NoSelection;
    s.values.highPowerLevel = 999;
    s.values.lowPowerLevel = -3;
    s.values.keyFunctionPF1 = 300;
    image = BuildImage(s);
    EXPECT_EQ(at(image, 0x0116, 1), "34");
    EXPECT_EQ(at(image, 0x013E, 1), "FF");
    EXPECT_EQ(at(image, 0x0130, 1), "00");
    EXPECT_EQ(at(image, 0x0183, 1), "FF");
    EXPECT_EQ(at(image, 0x0188, 1), "00");
    EXPECT_EQ(at(image, 0x011D, 1), "FF");
    EXPECT_EQ(image.size(), 1696);
}

TEST(BuildImage, BandCodeTwiceAndTestFrequencies) {
    EditorState s = freshEditorState();
    s.form1.combo1 = 5;
    s.values.testFrequencies[0] = "136.00000";
    s.values.testFrequencies[16] = "400.12500";
    s.values.testFrequencies[1] = "bad";
    const QString image = BuildImage(s);
    EXPECT_EQ(at(image, 0x01BD, 1), "01");
    EXPECT_EQ(at(image, 0x034C, 1), "01");
    EXPECT_EQ(at(image, 0x0280, 16), "0000601300250140FFFFFFFFFFFFFFFF");
}

TEST(FieldCodec, TonesBothWays) {
    EXPECT_EQ(encodeTone("D023N"), 0x2813);
    EXPECT_EQ(encodeTone("D023I"), 0xA813);
    EXPECT_EQ(encodeTone("D754N"), 0x29EC);
    EXPECT_EQ(encodeTone("67.0"), 0x029E);
    EXPECT_EQ(encodeTone("254.1"), 0x09ED);
    EXPECT_EQ(encodeTone("100.0"), 0x03E8);
    for (const char* none : {"", "关闭", "Off", "67", "D23N", "D0023N", "P023N", "1000.0"})
        EXPECT_EQ(encodeTone(QString::fromUtf8(none)), NoToneWord) << none;
    EXPECT_EQ(decodeTone(0x2813), "D023N");
    EXPECT_EQ(decodeTone(0xA813), "D023I");
    EXPECT_EQ(decodeTone(0x29EC), "D754N");
    EXPECT_EQ(decodeTone(0x029E), "67.0");
    EXPECT_EQ(decodeTone(0x03E8), "100.0");
}

TEST(FieldCodec, FrequencyDigitShuffle) {
    QByteArray out;
    appendFrequency(out, "136.00000");
    appendFrequency(out, "");
    EXPECT_EQ(out, QByteArray("\x00\x00\x60\x13\xFF\xFF\xFF\xFF", 8));
    EXPECT_EQ(decodeFrequency("\x00\x25\x01\x40"), "400.12500");
    // Nibbles are copied as they are, decimal or not.
    EXPECT_EQ(decodeFrequency("\x0A\x25\x01\x40"), "400.1250A");
}
