#include "image/BuildImage.h"
#include "image/ImageLayout.h"
#include "image/LoadImage.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {

// An image text with the bytes at `address` replaced.
class ImageText {
  public:
    ImageText() : hex_(BuildImage(freshEditorState())) {}
    ImageText& set(int address, const QString& bytes) {
        hex_.replace(2 * offsetOf(address), bytes.size(), bytes);
        return *this;
    }
    EditorState load(int languageCode = 0) const {
        EditorState s = freshEditorState();
        s.values.languageCode = languageCode;
        LoadImage(s, hex_, {});
        return s;
    }
    const QString& hex() const { return hex_; }

  private:
    QString hex_;
};

const QString Record = "00250140FFFFFFFF9E02FFFFF0E0FCFF";

} // namespace

TEST(LoadImage, ChannelRecordFillsTheRow) {
    EditorState s = ImageText().set(0x0010, Record).set(0x017E, "01").load(1);
    const ChannelGrid& g = s.form1.grid;
    EXPECT_EQ(g.cell(1, 1), "400.12500");
    EXPECT_EQ(g.cell(1, 2), "67.0");
    EXPECT_EQ(g.cell(1, 3), "");
    EXPECT_EQ(g.cell(1, 4), ""); // no transmit frequency, no transmit tone
    EXPECT_EQ(g.cell(1, 5), "Hight");
    EXPECT_EQ(g.cell(1, 6), "Off");
    EXPECT_EQ(g.cell(1, 7), "Narrow");
    EXPECT_EQ(g.cell(1, 8), "Have");
    EXPECT_EQ(g.index[1][5], 1);
    EXPECT_EQ(g.index[1][7], 0);
    EXPECT_EQ(g.index[1][8], 1);

    QString withTx = Record;
    withTx.replace(8, 8, "00250140");
    s = ImageText().set(0x0010, withTx).load(0);
    EXPECT_EQ(s.form1.grid.cell(1, 3), "400.12500");
    EXPECT_EQ(s.form1.grid.cell(1, 4), "关闭");
    EXPECT_EQ(s.form1.grid.cell(1, 5), "高");
    EXPECT_EQ(s.form1.grid.cell(1, 8), "无");
}

TEST(LoadImage, ErasedReceiveFrequencyEmptiesTheRow) {
    EditorState s = freshEditorState();
    for (int col = 1; col <= 8; ++col)
        s.form1.grid.cell(1, col) = "x";
    LoadImage(s, ImageText().set(0x0014, "00250140132813A8F0E0FCFF").set(0x017E, "FF").hex(), {});
    for (int col = 1; col <= 8; ++col)
        EXPECT_TRUE(s.form1.grid.cell(1, col).isEmpty()) << col;
    EXPECT_EQ(s.form1.grid.cell(1, 0), "01");
}

TEST(LoadImage, DcsTonesAndTransmitToneWithoutFrequency) {
    QString rec = "00250140FFFFFFFF1328ECA9F0E0FCFF";
    EditorState s = ImageText().set(0x0010, rec).load();
    EXPECT_EQ(s.form1.grid.cell(1, 2), "D023N");
    EXPECT_EQ(s.form1.grid.cell(1, 4), "D754I"); // decoded even without a transmit frequency
    rec = "0025014000250140FFFF13A8F8F0FCFF";
    s = ImageText().set(0x0010, rec).load();
    EXPECT_EQ(s.form1.grid.cell(1, 2), "关闭");
    EXPECT_EQ(s.form1.grid.cell(1, 4), "D023I");
    EXPECT_EQ(s.form1.grid.cell(1, 6), "载波");
}

TEST(LoadImage, SettingsOutsideTheirRangeKeepTheirValue) {
    EditorState s = ImageText().set(0x012F, "05").set(0x0130, "00").set(0x0112, "05").load();
    EXPECT_EQ(s.form1.combo2, 1);
    EXPECT_EQ(s.form1.combo3, NoSelection);
    EXPECT_EQ(s.values.dtmfValues.firstDigitDelay, 0);
    EXPECT_EQ(BuildImage(s).mid(2 * offsetOf(0x0130), 2), "00");

    s = ImageText().set(0x012F, "02").set(0x0130, "28").set(0x0112, "32").load();
    EXPECT_EQ(s.form1.combo2, 2);
    EXPECT_EQ(s.form1.combo3, 39);
    EXPECT_EQ(s.values.dtmfValues.firstDigitDelay, 8);
    EXPECT_EQ(s.form5.combo18, 8);
}

TEST(LoadImage, GroupCallCode) {
    EXPECT_EQ(ImageText().set(0x0116, "FF").load().values.dtmfValues.groupCallCode, 0);
    EXPECT_EQ(ImageText().set(0x0116, "00").load().values.dtmfValues.groupCallCode, 0);
    EXPECT_EQ(ImageText().set(0x0116, "34").load().values.dtmfValues.groupCallCode, 4);
    EXPECT_EQ(ImageText().set(0x0116, "34").load().form5.combo22, 4);
    EditorState s = freshEditorState();
    s.values.dtmfValues.groupCallCode = 3;
    LoadImage(s, ImageText().set(0x0116, "39").hex(), {});
    EXPECT_EQ(s.values.dtmfValues.groupCallCode, 3); // "9" has no entry in the list
}

TEST(LoadImage, RetraceTimesAndScanDelays) {
    EditorState s = ImageText().set(0x0162, "FFFFFF").load();
    EXPECT_EQ(s.values.optionValues.retraceTimeA.text, "0");
    EXPECT_EQ(s.values.optionValues.retraceTimeB.text, "0");
    EXPECT_EQ(s.values.optionValues.returnChannel.text, "1");
    EXPECT_EQ(s.form5.combo13, 0);
    s = ImageText().set(0x0165, "2C01FFFF").load();
    EXPECT_EQ(s.values.optionValues.scanReceiveDelay.text, "300");
    EXPECT_EQ(s.form5.text5, "300");
    EXPECT_EQ(s.values.optionValues.scanLaunchDelay.text,
              ""); // FF FF is rejected: the start value stays
    s = ImageText().set(0x0165, "2D01").load();
    EXPECT_EQ(s.values.optionValues.scanReceiveDelay.text, "");
}

TEST(LoadImage, CharacterFieldsKeepOrDropErasedBytes) {
    const EditorState s = ImageText()
                              .set(0x0120, "41FF42FFFFFFFFFFFFFF")
                              .set(0x0140, "41FF42")
                              .set(0x0200, "3A31FF32")
                              .set(0x01C0, "61FF62")
                              .load();
    EXPECT_EQ(s.values.optionValues.field0120.size(), 10);
    EXPECT_EQ(s.values.optionValues.field0120.at(1), QChar(0xFF));
    EXPECT_EQ(s.values.optionValues.field0140.left(2), "AB");
    EXPECT_EQ(s.values.dtmfMemories[0], "012");
    EXPECT_EQ(s.form5.mfgrid1[0], "012");
    EXPECT_EQ(s.values.commPassword, "ab");
    EXPECT_EQ(s.form1.text2, "ab");
    EXPECT_EQ(BuildImage(s).mid(2 * offsetOf(0x0120), 20), "41FF42FFFFFFFFFFFFFF");
}

TEST(LoadImage, BandCodeSelectsWithoutClearing) {
    const QString image = ImageText().set(0x0010, Record).set(0x01BD, "01").hex();
    EditorState s = freshEditorState();
    LoadImage(s, image, {});
    EXPECT_EQ(s.form1.combo1, 5);
    EXPECT_EQ(s.form1.lastBand, 5);
    EXPECT_EQ(s.form1.bandLow, 136);
    EXPECT_EQ(s.form1.bandHigh, 174);
    EXPECT_EQ(s.form1.grid.cell(1, 1), "400.12500");

    s = ImageText().set(0x01BD, "99").load();
    EXPECT_EQ(s.form1.combo1, 0);
    EXPECT_EQ(s.form1.bandLow, 400);
}

TEST(LoadImage, KeysPowerAndDialogMirrors) {
    EditorState s = freshEditorState();
    s.values.debugUnlocked = true;
    s.form2.slidersEnabled = true;
    s.form6.combo1 = 3; // an unsaved dialog edit
    LoadImage(s,
              ImageText()
                  .set(0x011D, "0C05")
                  .set(0x0183, "FE")
                  .set(0x0188, "07")
                  .set(0x0280, "0000601300250140")
                  .hex(),
              {});
    EXPECT_FALSE(s.values.debugUnlocked);
    EXPECT_FALSE(s.form2.slidersEnabled);
    EXPECT_EQ(s.values.keyFunctionPF1, 10);
    EXPECT_EQ(s.form6.combo1, 10); // set to the kept value although rejected
    EXPECT_EQ(s.values.keyFunctionPF2, 5);
    EXPECT_EQ(s.form6.combo2, 5);
    EXPECT_EQ(s.values.highPowerLevel, 254);
    EXPECT_EQ(s.form2.slider1, 254);
    EXPECT_EQ(s.form2.slider3, 7);
    EXPECT_EQ(s.values.testFrequencies[0], "136.00000");
    EXPECT_EQ(s.values.testFrequencies[16], "400.12500");
    EXPECT_EQ(s.form4.cells[1][1], "136.00000");
    EXPECT_EQ(s.form4.cells[1][2], "400.12500");
}

TEST(LoadImage, FixedPriorityNeedsAChannelInUse) {
    int messages = 0;
    const MessageFn count = [&](const Message&) { return ++messages, int(ResultOk); };
    EditorState s = freshEditorState();
    LoadImage(s, ImageText().set(0x0160, "0103").hex(), count);
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(s.form5.combo11, 0);
    EXPECT_EQ(s.values.optionValues.priorityMode.text, "1");

    messages = 0;
    s = freshEditorState();
    LoadImage(s, ImageText().set(0x0030, Record).set(0x0160, "0103").hex(), count);
    EXPECT_EQ(messages, 0);
    EXPECT_EQ(s.form5.combo11, 1);
    EXPECT_EQ(s.form5.combo12, 2);
}

TEST(LoadImage, ReadImageAndFileImageLoadAlike) {
    const QString image = ImageText().set(0x0010, Record).set(0x0200, "31323334").hex();
    EditorState fromRead = freshEditorState();
    EditorState fromFile = freshEditorState();
    LoadImage(fromRead, image + QString(2 * 176, 'A'), {});
    LoadImage(fromFile, image + "FFFF", {});
    EXPECT_EQ(BuildImage(fromRead), BuildImage(fromFile));
    EXPECT_EQ(BuildImage(fromRead), image);
}

TEST(LoadImage, ShortOrGarbledTextDoesNotCrash) {
    EditorState s = freshEditorState();
    LoadImage(s, "00250140", {});
    EXPECT_EQ(s.form1.grid.cell(1, 1), "400.12500");
    EXPECT_TRUE(s.form1.grid.cell(1, 3).isEmpty()); // missing bytes read as erased memory
    LoadImage(s, QString(3000, 'Z'), {});
    EXPECT_EQ(BuildImage(s).size(), 1696);
    LoadImage(s, QString(), {});
    EXPECT_EQ(BuildImage(s).size(), 1696);
}
