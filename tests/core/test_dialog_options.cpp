// Form5's load step, OK and list texts, on the editor state alone.
#include "dialogs/OptionsDialog.h"
#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>

#include <vector>

using namespace q716;

namespace {

struct Recorder {
    std::vector<Message> shown;
    MessageFn fn() {
        return [this](const Message& m) {
            shown.push_back(m);
            return int(ResultOk);
        };
    }
};

const QString FixedEmpty = QStringLiteral("当设定为‘固定’时信道不可为空，请重设！");
const QString EmptyChannel = QStringLiteral("不可选择空信道，请重新选择！");

} // namespace

TEST(OptionsDialog, RetraceTimesAreNinetyTwoExactItems) {
    const QStringList items = retraceTimeItems();
    ASSERT_EQ(items.size(), 92);
    EXPECT_EQ(items[0], QStringLiteral("空"));
    EXPECT_EQ(items[1], QStringLiteral("0.50 S"));
    EXPECT_EQ(items[2], QStringLiteral("0.55 S"));
    // Where repeated floating-point sums drift, the items must not.
    EXPECT_EQ(items[11], QStringLiteral("1.00 S"));
    EXPECT_EQ(items[61], QStringLiteral("3.50 S"));
    EXPECT_EQ(items[91], QStringLiteral("5.00 S"));
}

TEST(OptionsDialog, FreshStartLoadsTheDefaults) {
    EditorState s = freshEditorState();
    Recorder r;
    loadOptionsDialog(s, r.fn());
    EXPECT_TRUE(r.shown.empty());
    EXPECT_EQ(s.form5.combo4, 1);
    EXPECT_EQ(s.form5.combo11, 0);
    EXPECT_EQ(s.form5.combo12, 0);
    EXPECT_EQ(s.form5.combo13, 1);
    EXPECT_EQ(s.form5.check3, 1);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(s.form5.mfgrid1[i], QString::number(i + 1));
    EXPECT_EQ(s.form5.combo16, 1);
}

TEST(OptionsDialog, UnreadableSlotsLoadAsFirstEntryAndForeignIndexesAsNone) {
    EditorState s = freshEditorState();
    s.values.optionValues.pttId.text = QStringLiteral("abc");
    s.values.optionValues.returnChannel.text = QStringLiteral("9");
    s.values.optionValues.retraceTimeA.text = QStringLiteral("-1");
    s.values.dtmfValues.dKey = 40;
    loadOptionsDialog(s, {});
    EXPECT_EQ(s.form5.combo4, 0);
    EXPECT_EQ(s.form5.combo15, NoSelection);
    EXPECT_EQ(s.form5.combo13, NoSelection);
    EXPECT_EQ(s.form5.combo19, NoSelection);
}

TEST(OptionsDialog, LoadingFixedPriorityFollowsThePriorityRules) {
    // All channels empty: the message during the load, the mode back to "No".
    EditorState empty = freshEditorState();
    empty.values.optionValues.priorityMode.text = QStringLiteral("1");
    Recorder r;
    loadOptionsDialog(empty, r.fn());
    ASSERT_EQ(r.shown.size(), 1u);
    EXPECT_EQ(r.shown[0].text, FixedEmpty);
    EXPECT_EQ(r.shown[0].title, QStringLiteral("提示"));
    EXPECT_EQ(empty.form5.combo11, 0);

    // Channel 3 the first in use, the stored channel 5 empty: channel 3 wins.
    EditorState s = freshEditorState();
    s.form1.grid.cell(3, 1) = QStringLiteral("435.02500");
    s.values.optionValues.priorityMode.text = QStringLiteral("1");
    s.values.optionValues.preferredChannel.text = QStringLiteral("5");
    Recorder r2;
    loadOptionsDialog(s, r2.fn());
    EXPECT_EQ(s.form5.combo11, 1);
    EXPECT_EQ(s.form5.combo12, 2);
    EXPECT_EQ(s.form5.priorityChannelMemo, 3);
    ASSERT_EQ(r2.shown.size(), 1u);
    EXPECT_EQ(r2.shown[0].text, EmptyChannel);
}

TEST(OptionsDialog, OkStoresEveryControl) {
    EditorState s = freshEditorState();
    loadOptionsDialog(s, {});
    OptionsDialogState& d = s.form5;
    d.combo4 = 2;
    d.combo6 = 0;
    d.combo7 = 10;
    d.combo8 = 5;
    d.combo9 = 0;
    d.combo10 = 0;
    d.combo11 = 2;
    d.combo12 = NoSelection;
    d.combo13 = 91;
    d.combo14 = 0;
    d.combo15 = 3;
    d.text5 = QStringLiteral(" 12 ");
    d.text6 = QString();
    d.check3 = 0;
    d.check4 = 1;
    d.mfgrid1[7] = QStringLiteral("ABCD*#0123456789ABC");
    d.combo0 = 3;
    d.combo18 = 7;
    d.combo21 = 15;
    EXPECT_FALSE(acceptOptionsDialog(s).has_value());
    const auto& o = s.values.optionValues;
    EXPECT_EQ(o.pttId.text, QStringLiteral("2"));
    EXPECT_EQ(o.voxGain.text, QStringLiteral("10"));
    EXPECT_EQ(o.voxDelay.text, QStringLiteral("5"));
    EXPECT_EQ(o.priorityMode.text, QStringLiteral("2"));
    EXPECT_EQ(o.preferredChannel.text, QStringLiteral("0")); // no channel chosen
    EXPECT_EQ(o.retraceTimeA.text, QStringLiteral("91"));
    EXPECT_EQ(o.returnChannel.text, QStringLiteral("3"));
    EXPECT_EQ(o.scanReceiveDelay.text, QStringLiteral(" 12 "));
    EXPECT_EQ(o.scanLaunchDelay.text, QString());
    EXPECT_EQ(o.cancelOperation.text, QStringLiteral("0"));
    EXPECT_EQ(o.voxBannedWhileReceiving.text, QStringLiteral("1"));
    // Slots the dialog does not own are left alone.
    EXPECT_EQ(o.field0140, QStringLiteral("1"));
    EXPECT_EQ(s.values.dtmfMemories[7], QStringLiteral("ABCD*#0123456789ABC"));
    EXPECT_EQ(s.values.dtmfValues.rate, 3);
    EXPECT_EQ(s.values.dtmfValues.firstDigitDelay, 7);
    EXPECT_EQ(s.values.dtmfValues.autoResetTimer, 15);
}

TEST(OptionsDialog, EditedValuesSurviveAnImageRoundTrip) {
    EditorState s = freshEditorState();
    s.form1.grid.cell(2, 1) = QStringLiteral("435.02500");
    loadOptionsDialog(s, {});
    s.form5.combo18 = 8; // 500 ms
    s.form5.combo11 = 2;
    s.form5.combo12 = 1;
    s.form5.combo13 = 91;
    s.form5.text5 = QStringLiteral("300");
    s.form5.mfgrid1[0] = QStringLiteral("0123*#");
    acceptOptionsDialog(s);

    EditorState back = freshEditorState();
    back.form1.grid.cell(2, 1) = QStringLiteral("435.02500");
    loadOptionsDialog(back, {});
    LoadImage(back, BuildImage(s), {});
    EXPECT_EQ(back.form5.combo18, 8);
    EXPECT_EQ(back.form5.combo11, 2);
    EXPECT_EQ(back.form5.combo12, 1);
    EXPECT_EQ(back.form5.combo13, 91);
    EXPECT_EQ(back.form5.text5, QStringLiteral("300"));
    EXPECT_EQ(back.form5.mfgrid1[0], QStringLiteral("0123*#"));
}

// An earlier version stored 500, which the image wrote as F4 01 and a load
// then dropped.
TEST(OptionsDialog, ScanDelaysOutsideZeroToThreeHundredAreRefusedAtOk) {
    struct Case {
        const char* text;
        bool accepted;
    };
    const Case cases[] = {{"", true},      {"0", true},    {"300", true},  {" 7 ", true},
                          {"0300", true},  {"301", false}, {"500", false}, {"-1", false},
                          {"12.5", false}, {"abc", false}, {"12x", false}, {"99999999999", false}};
    for (const Case& c : cases) {
        for (const bool receive : {true, false}) {
            EditorState s = freshEditorState();
            s.values.optionValues.scanReceiveDelay.text = QStringLiteral("5");
            s.values.optionValues.scanLaunchDelay.text = QStringLiteral("3");
            loadOptionsDialog(s, {});
            s.form5.combo4 = 2;
            (receive ? s.form5.text5 : s.form5.text6) = QString::fromLatin1(c.text);
            const std::optional<Message> refused = acceptOptionsDialog(s);
            EXPECT_EQ(isScanDelayText(QString::fromLatin1(c.text)), c.accepted) << c.text;
            EXPECT_EQ(!refused.has_value(), c.accepted) << c.text;
            const auto& o = s.values.optionValues;
            if (c.accepted) {
                EXPECT_EQ((receive ? o.scanReceiveDelay : o.scanLaunchDelay).text,
                          QString::fromLatin1(c.text))
                    << c.text;
                EXPECT_EQ(o.pttId.text, QStringLiteral("2"));
                continue;
            }
            // Nothing is stored and the box shows the stored value again.
            EXPECT_EQ(o.scanReceiveDelay.text, QStringLiteral("5")) << c.text;
            EXPECT_EQ(o.scanLaunchDelay.text, QStringLiteral("3")) << c.text;
            EXPECT_NE(o.pttId.text, QStringLiteral("2")) << c.text;
            EXPECT_EQ(s.form5.text5, QStringLiteral("5")) << c.text;
            EXPECT_EQ(s.form5.text6, QStringLiteral("3")) << c.text;
            EXPECT_TRUE(refused->text.contains(QStringLiteral("300"))) << c.text;
        }
    }
}

TEST(OptionsDialog, TheRefusalFollowsTheLanguage) {
    EditorState s = freshEditorState();
    loadOptionsDialog(s, {});
    s.form5.text6 = QStringLiteral("301");
    s.values.languageCode = 0;
    EXPECT_TRUE(acceptOptionsDialog(s)->text.startsWith(QStringLiteral("扫描")));
    s.form5.text6 = QStringLiteral("301");
    s.values.languageCode = 1;
    EXPECT_TRUE(acceptOptionsDialog(s)->text.startsWith(QStringLiteral("A scan delay")));
}

TEST(OptionsDialog, TheImageHoldsAtMostThreeHundredSeconds) {
    EditorState s = freshEditorState();
    s.values.optionValues.scanReceiveDelay.text = QStringLiteral("500");
    s.values.optionValues.scanLaunchDelay.text = QStringLiteral("300");
    const QString image = BuildImage(s);
    const qsizetype at = 2 * (0x0165 - 0x0010);
    EXPECT_EQ(image.mid(at, 8), QStringLiteral("2C012C01"));
    s.values.optionValues.scanReceiveDelay.text = QStringLiteral("-4");
    EXPECT_EQ(BuildImage(s).mid(at, 4), QStringLiteral("0000"));
}
