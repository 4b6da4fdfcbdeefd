// Undo and redo as the window does them: each step keeps the whole editor
// before and after it, and putting either back gives the image byte for byte.
#include "channels/CellRules.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelTable.h"
#include "channels/EditSteps.h"
#include "channels/RowOperations.h"
#include "image/BuildImage.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>
#include <random>

using namespace q716;

namespace {

struct Step {
    EditorState before;
    EditorState after;
};

// One random editor change through the core's own operations.
void randomChange(EditorState& s, std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int language = s.values.languageCode;
    const int row = pick(1, ChannelCount);
    ChannelRows rows;
    for (int n = pick(1, 4); n > 0; --n)
        rows.push_back(pick(1, ChannelCount));
    switch (pick(0, 11)) {
    case 0:
        commitFrequencyAt(s.form1, row, 1, QString::number(400 + pick(0, 79)) + ".125", language);
        break;
    case 1:
        if (s.form1.grid.inUse(row))
            chooseToneItem(s.form1.grid, row, pick(0, 1) ? 2 : 4, pick(0, 260), language);
        break;
    case 2:
        insertChannel(s, row, language);
        break;
    case 3:
        deleteChannels(s, rows);
        break;
    case 4:
        moveChannels(s, rows, pick(0, 1) ? 1 : -1);
        break;
    case 5:
        clearChannels(s, rows);
        break;
    case 6:
        sortChannelsByReceiveFrequency(s);
        break;
    case 7:
        setColumnOnChannels(s, rows, pick(5, 8), pick(0, 1), language);
        break;
    case 8:
        pasteChannels(s, row, copyChannels(s.form1.grid, rows), language);
        break;
    case 9:
        s.form1.combo9 = pick(0, 9);
        s.values.optionValues.priorityMode.set(pick(0, 2));
        s.values.optionValues.preferredChannel.set(pick(1, 16));
        break;
    case 10:
        ClearGrid1(s.form1.grid);
        break;
    case 11:
        s.form1.combo1 = pick(0, 6);
        break;
    }
}

// A language switch between steps: no step of its own.
void maybeSwitchLanguage(EditorState& s, std::mt19937& rng) {
    if (std::uniform_int_distribution<int>(0, 3)(rng) != 0)
        return;
    s.values.languageCode = 1 - s.values.languageCode;
    SetGrid1Text(s.form1.grid, s.values.languageCode);
}

} // namespace

// Any sequence of steps followed by as many undos gives back the first
// image; as many redos give back the last.
TEST(EditSteps, UndoAllGivesTheFirstImageAndRedoAllTheLast) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 rng(seed);
        EditorState s = freshEditorState();
        s.values.languageCode = int(seed % 2);
        const QByteArray first = buildImageBytes(s);
        std::vector<Step> steps;
        const int count = std::uniform_int_distribution<int>(1, 40)(rng);
        for (int i = 0; i < count; ++i) {
            maybeSwitchLanguage(s, rng);
            Step step{s, {}};
            randomChange(s, rng);
            step.after = s;
            steps.push_back(std::move(step));
        }
        const QByteArray last = buildImageBytes(s);
        maybeSwitchLanguage(s, rng);
        for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
            restoreEditorState(s, it->before);
            maybeSwitchLanguage(s, rng);
        }
        ASSERT_EQ(buildImageBytes(s), first) << "seed " << seed;
        for (const Step& step : steps) {
            restoreEditorState(s, step.after);
            maybeSwitchLanguage(s, rng);
        }
        ASSERT_EQ(buildImageBytes(s), last) << "seed " << seed;
    }
}

// What no edit changes stays as it is now; list texts follow the language.
TEST(EditSteps, RestoreKeepsLanguageLockAndServiceMode) {
    EditorState kept = freshEditorState();
    kept.form1.grid.cells[1][1] = QStringLiteral("435.10000");
    applyNewChannelDefaults(kept.form1.grid, 1, 0);
    kept.values.highPowerLevel = 100;

    EditorState now = freshEditorState();
    now.values.languageCode = 1;
    now.values.selectedPort = 7;
    now.values.debugUnlocked = true;
    now.values.factoryMode = true;
    now.form2.slidersEnabled = true;
    now.form1.lockState = true;
    restoreEditorState(now, kept);
    EXPECT_EQ(now.values.languageCode, 1);
    EXPECT_EQ(now.values.selectedPort, 7);
    EXPECT_TRUE(now.values.debugUnlocked);
    EXPECT_TRUE(now.values.factoryMode);
    EXPECT_TRUE(now.form2.slidersEnabled);
    EXPECT_TRUE(now.form1.lockState);
    EXPECT_EQ(now.values.highPowerLevel, 100);
    EXPECT_EQ(now.form1.grid.cells[1][5], QStringLiteral("Hight"));
    EXPECT_EQ(now.form1.grid.cells[1][2], QStringLiteral("Off"));
}

// A step kept while a dialog's controls differed from the stored values
// (edited, not yet OK'd): putting it back shows the stored values, so OK
// without a touch stores nothing again.
TEST(EditSteps, RestoreShowsTheStoredValuesInTheDialogs) {
    EditorState kept = freshEditorState();
    kept.values.optionValues.priorityMode.text = QStringLiteral("1");
    kept.values.optionValues.preferredChannel.text =
        QStringLiteral("5"); // "Fixed" on an empty channel stays
    kept.form5.combo4 = 2;
    kept.form5.text5 = QStringLiteral("999");
    kept.form6.combo1 = 3;
    kept.form7.text1 = QStringLiteral("typed");
    kept.form4.cells[1][1] = QStringLiteral("435.00000");
    kept.form2.slider1 = 5;
    EditorState now = freshEditorState();
    restoreEditorState(now, kept);
    EXPECT_EQ(now.form5.combo4, kept.values.optionValues.pttId.number());
    EXPECT_EQ(now.form5.combo11, 1);
    EXPECT_EQ(now.form5.combo12, 4);
    EXPECT_EQ(now.form5.text5, QString());
    EXPECT_EQ(now.form6.combo1, kept.values.keyFunctionPF1);
    EXPECT_EQ(now.form7.text1, QString());
    EXPECT_EQ(now.form4.cells[1][1], QString());
    EXPECT_EQ(now.form2.slider1, kept.values.highPowerLevel);
}

TEST(EditSteps, NamesInBothLanguages) {
    EXPECT_EQ(stepText({EditStep::Cell, 3, 1, {}}, 1),
              QStringLiteral("Channel 3 receive frequency"));
    EXPECT_EQ(stepText({EditStep::Cell, 3, 1, {}}, 0), QStringLiteral("信道 3 接收频率"));
    EXPECT_EQ(stepText({EditStep::ReadRadio, 0, 0, {}}, 1), QStringLiteral("Read from radio"));
    // The English names use the captions the window shows.
    EXPECT_EQ(stepText({EditStep::SetColumn, 0, 6, {}}, 1), QStringLiteral("Set Forbid"));
    EXPECT_EQ(stepText({EditStep::OptionsDialog}, 1), QStringLiteral("Optional function"));
    EXPECT_EQ(stepText({EditStep::KeysDialog}, 1), QStringLiteral("Keys set"));
    EXPECT_EQ(stepText({EditStep::TestFrequencyDialog}, 1), QStringLiteral("Debug frequency"));
    EXPECT_EQ(stepText({EditStep::FunctionSetting, 0, 0, QStringLiteral("Label8")}, 1),
              QStringLiteral("Function setting: Beep"));
    EXPECT_EQ(stepText({EditStep::FunctionSetting, 0, 0, QStringLiteral("Check3")}, 0),
              QStringLiteral("功能设置：取消操作"));
    for (int step = int(EditStep::Cell); step <= int(EditStep::SetColumn); ++step)
        for (int language : {0, 1})
            EXPECT_FALSE(
                stepText({EditStep(step), 1, 1, QStringLiteral("Label5")}, language).isEmpty())
                << step;
}
