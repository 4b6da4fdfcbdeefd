// DTMF typing, the hidden gesture, the side keys, the embedded lines and the
// calibration values.
#include "dialogs/DebugDialog.h"
#include "dialogs/DtmfKeys.h"
#include "dialogs/EmbeddedDialog.h"
#include "dialogs/HiddenGesture.h"
#include "dialogs/KeysDialog.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {
QString typeDtmf(const QString& keys) {
    QString out;
    for (QChar k : keys)
        if (const auto c = filterDtmfKey(k))
            out += *c;
    return out;
}
} // namespace

TEST(DtmfKeys, OnlyKeypadCharactersPassAndLettersAreUpperCased) {
    EXPECT_EQ(typeDtmf(QStringLiteral("abcd*#9")), QStringLiteral("ABCD*#9"));
    EXPECT_EQ(typeDtmf(QStringLiteral("eE zZ-+.汉")), QString());
    EXPECT_EQ(filterDtmfKey(KeyBackspace), KeyBackspace);
    EXPECT_EQ(filterDtmfKey(KeyReturn), KeyReturn);
}

TEST(DtmfKeys, MemoriesOverSixteenCharactersGetTheErrorMessage) {
    EXPECT_FALSE(dtmfMemoryLengthMessage(QString(16, QLatin1Char('1'))));
    const auto m = dtmfMemoryLengthMessage(QString(17, QLatin1Char('1')));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text, QStringLiteral("存储器只能存储16位！"));
    EXPECT_EQ(m->style, int(MsgCritical));
    EXPECT_TRUE(m->title.isEmpty());
}

TEST(DtmfKeys, CodeFieldsStopAtTheirLengthUnlessASelectionIsReplaced) {
    EXPECT_EQ(filterCodeFieldKey(QLatin1Char('a'), 9, false, IdCodeLength), QLatin1Char('A'));
    EXPECT_FALSE(filterCodeFieldKey(QLatin1Char('1'), 10, false, IdCodeLength));
    EXPECT_EQ(filterCodeFieldKey(QLatin1Char('1'), 10, true, IdCodeLength), QLatin1Char('1'));
    EXPECT_EQ(filterCodeFieldKey(KeyBackspace, 16, false, PttCodeLength), KeyBackspace);
    EXPECT_FALSE(filterCodeFieldKey(QLatin1Char('1'), 16, false, PttCodeLength));
    EXPECT_EQ(filterCodeFieldKey(QLatin1Char('#'), 15, false, PttCodeLength), QLatin1Char('#'));
    EXPECT_FALSE(filterCodeFieldKey(KeyReturn, 0, false, PttCodeLength));
    EXPECT_FALSE(filterCodeFieldKey(QLatin1Char('x'), 0, false, PttCodeLength));
}

TEST(HiddenGesture, ThreeTouchesWithinFiveSecondsUnlockAndRepeat) {
    EditorState s = freshEditorState();
    EXPECT_FALSE(touchGestureLabel(s, 0, 1000));
    EXPECT_FALSE(touchGestureLabel(s, 1, 1003));
    EXPECT_FALSE(s.values.factoryMode);
    EXPECT_TRUE(touchGestureLabel(s, 2, 1005));
    EXPECT_TRUE(s.values.factoryMode);
    EXPECT_TRUE(s.values.debugUnlocked);
    EXPECT_TRUE(s.form2.slidersEnabled);
    // Later touches within the window unlock again after a load cleared it.
    s.values.debugUnlocked = false;
    EXPECT_TRUE(touchGestureLabel(s, 0, 1005));
    EXPECT_TRUE(s.values.debugUnlocked);
    // Outside the window: the time restarts with only that flag.
    EXPECT_FALSE(touchGestureLabel(s, 1, 1006));
    EXPECT_EQ(s.form5.gestureStart, 1006);
    EXPECT_EQ(s.form5.gestureTouched, (std::array<bool, 3>{false, true, false}));
    EXPECT_TRUE(touchGestureLabel(s, 1, 1011));

    leaveServiceMode(s);
    EXPECT_FALSE(s.values.factoryMode);
    EXPECT_FALSE(s.values.debugUnlocked);
    EXPECT_FALSE(s.form2.slidersEnabled);
    EXPECT_EQ(s.form5.gestureTouched, (std::array<bool, 3>{}));
}

TEST(HiddenGesture, SlowTouchesRestartAndMidnightDoesNotBreakTheWindow) {
    EditorState s = freshEditorState();
    touchGestureLabel(s, 0, 100);
    touchGestureLabel(s, 1, 106); // too late: only this one counts now
    EXPECT_FALSE(touchGestureLabel(s, 2, 108));
    EXPECT_FALSE(s.values.factoryMode);
    EXPECT_TRUE(touchGestureLabel(s, 0, 111));

    EditorState n = freshEditorState();
    touchGestureLabel(n, 0, 86398);
    touchGestureLabel(n, 1, 86399);
    EXPECT_TRUE(touchGestureLabel(n, 2, 2));
    EXPECT_TRUE(n.values.factoryMode);
}

TEST(KeysDialog, LoadShowsOffForValuesOutsideTheListAndOkStores) {
    EditorState s = freshEditorState();
    loadKeysDialog(s);
    EXPECT_EQ(s.form6.combo1, 10);
    EXPECT_EQ(s.form6.combo2, 0);
    s.values.keyFunctionPF1 = 12;
    s.values.keyFunctionPF2 = -1;
    loadKeysDialog(s);
    EXPECT_EQ(s.form6.combo1, KeyFunctionOff);
    EXPECT_EQ(s.form6.combo2, KeyFunctionOff);
    s.form6.combo1 = 11;
    acceptKeysDialog(s);
    EXPECT_EQ(s.values.keyFunctionPF1, 11);
    EXPECT_EQ(s.values.keyFunctionPF2, 1);
}

TEST(EmbeddedDialog, TypingStopsAtThirtyTwoAndTheHintNamesWideCharacters) {
    EXPECT_TRUE(embeddedKeyAccepted(31, false));
    EXPECT_FALSE(embeddedKeyAccepted(32, false));
    EXPECT_TRUE(embeddedKeyAccepted(32, true));
    EXPECT_TRUE(embeddedInfoHint(QStringLiteral("Café ÿ"), QString(), 0).isEmpty());
    EXPECT_TRUE(embeddedInfoHint(QString(), QStringLiteral("对讲机"), 0).contains(u'?'));
    EXPECT_TRUE(embeddedInfoHint(QStringLiteral("€"), QString(), 1).startsWith(u"Note"));

    EditorState s = freshEditorState();
    s.values.embeddedInfo = {QStringLiteral(" a "), QStringLiteral("b")};
    loadEmbeddedDialog(s);
    s.form7.text2 = QStringLiteral(" 新 ");
    acceptEmbeddedDialog(s);
    EXPECT_EQ(s.values.embeddedInfo[0], QStringLiteral(" a "));
    EXPECT_EQ(s.values.embeddedInfo[1], QStringLiteral(" 新 "));
}

TEST(DebugDialog, SlidersFollowTheLevelsAndTheUnlock) {
    EditorState s = freshEditorState();
    loadDebugDialog(s);
    EXPECT_EQ(s.form2.slider1, 208);
    EXPECT_EQ(s.form2.slider3, 92);
    EXPECT_FALSE(s.form2.slidersEnabled);
    s.form2.slider1 = 255;
    s.form2.slider3 = 0;
    acceptDebugDialog(s);
    EXPECT_EQ(s.values.highPowerLevel, 255);
    EXPECT_EQ(s.values.lowPowerLevel, 0);
    s.values.debugUnlocked = true;
    loadDebugDialog(s);
    EXPECT_TRUE(s.form2.slidersEnabled);
    EXPECT_EQ(powerLevelText(7), QStringLiteral("7"));
}
