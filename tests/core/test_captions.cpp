#include "shell/AccessibleTexts.h"
#include "shell/CaptionTables.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {

const CaptionEntry* find(const QString& window, const QString& control, CaptionProperty property,
                         int index = 0, int arrayIndex = -1) {
    const WindowCaptions* w = captionsOf(window);
    if (!w)
        return nullptr;
    for (const CaptionEntry& e : w->entries)
        if (e.control == control && e.property == property && e.index == index &&
            e.arrayIndex == arrayIndex)
            return &e;
    return nullptr;
}

void expectTexts(const CaptionEntry* e, const char* zh, const char* en) {
    ASSERT_NE(e, nullptr) << en;
    EXPECT_EQ(e->zh, QString::fromUtf8(zh));
    EXPECT_EQ(e->en, QString::fromUtf8(en));
}

} // namespace

TEST(CaptionTables, WindowsComeInApplyOrderWithAllTheirRows) {
    const std::vector<std::pair<const char*, size_t>> expected = {
        {"Form1", 158},    {"Form2", 7},         {"Form3", 2},         {"Form4", 5},
        {"Form5", 38},     {"Form6", 27},        {"Form7", 3},         {"FormUsePass", 5},
        {"frmAbout", 5},   {"ImportReport", 15}, {"CompareWindow", 8}, {"LogWindow", 3},
        {"EditSteps", 30}, {"QuitQuestion", 3},  {"VerifyWindow", 2}};
    const auto& tables = captionTables();
    ASSERT_EQ(tables.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(tables[i].window, QLatin1String(expected[i].first));
        EXPECT_EQ(tables[i].entries.size(), expected[i].second) << expected[i].first;
        EXPECT_EQ(captionsOf(QLatin1String(expected[i].first)), &tables[i]);
    }
    EXPECT_EQ(captionsOf(QStringLiteral("FormCOM")), nullptr);
}

TEST(CaptionTables, TextsKeepTheirExactSpellingAndSpaces) {
    expectTexts(find("Form1", "", CaptionProperty::WindowCaption), "Q716S对讲机编程软件 V1.00",
                "Q716S Radio Software V1.00");
    expectTexts(find("Form1", "mnudtmf", CaptionProperty::Caption), "可选功能",
                "Optional function ");
    expectTexts(find("Form1", "Key_enactment", CaptionProperty::Caption), "键设定", "Keys set ");
    expectTexts(find("Form1", "mnumainhelp", CaptionProperty::Caption), "帮助主题  F1",
                "The help topic  F1 \"");
    expectTexts(find("Form1", "mnuEnglish", CaptionProperty::Caption), "英文", "Englist");
    expectTexts(find("Form1", "Grid1", CaptionProperty::Heading, 7), "宽\\窄带", "Band");
    expectTexts(find("Form1", "Toolbar1", CaptionProperty::ToolTip, 5), "读频", "Read frequency");
    EXPECT_EQ(find("Form1", "Toolbar1", CaptionProperty::ToolTip, 4), nullptr);
    expectTexts(find("Form1", "Combo5", CaptionProperty::ListItem, 1, 5), "高", "Hight");
    expectTexts(find("Form1", "Combo5", CaptionProperty::ListItem, 1, 6), "载波", "Carrow");
    expectTexts(find("Form2", "Frame1", CaptionProperty::Caption), "发射高功率", "TX-Hight Power");
    expectTexts(find("Form5", "Combo15", CaptionProperty::ListItem, 2), "优先", "priority");
    expectTexts(find("Form6", "Combo2", CaptionProperty::ListItem, 11), "暂时删除",
                "Delete temporary");
    expectTexts(find("frmAbout", "lblTitle", CaptionProperty::Caption), "Q716S对讲机编程软件",
                "Q716S Radio Software ");
    expectTexts(find("frmAbout", "Label2", CaptionProperty::Caption), "发布：2012.10",
                "Issue：2012.10");
    for (const auto* e : {find("Form1", "Label2", CaptionProperty::Caption),
                          find("frmAbout", "lblDescription", CaptionProperty::Caption)}) {
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->zh.contains(QLatin1String("q716")));
        EXPECT_TRUE(e->en.contains(QLatin1String("q716")));
    }
}

TEST(CaptionTables, RuleRowsExpandIntoOneItemEach) {
    for (int n = 1; n <= 40; ++n)
        expectTexts(find("Form1", "Combo3", CaptionProperty::ListItem, n - 1),
                    (std::to_string(n * 15) + " 秒").c_str(),
                    (std::to_string(n * 15) + " S").c_str());
    EXPECT_EQ(find("Form1", "Combo3", CaptionProperty::ListItem, 40), nullptr);
    expectTexts(find("Form1", "Combo4", CaptionProperty::ListItem, 0), "关闭", "Off");
    expectTexts(find("Form1", "Combo4", CaptionProperty::ListItem, 10), "10 秒", "10 S");
    expectTexts(find("Form1", "Combo9", CaptionProperty::ListItem, 0), "0 级", "0 Group");
    expectTexts(find("Form1", "Combo9", CaptionProperty::ListItem, 9), "9 级", "9 Group");
    for (int i = 0; i < 12; ++i) {
        const CaptionEntry* a = find("Form6", "Combo1", CaptionProperty::ListItem, i);
        const CaptionEntry* b = find("Form6", "Combo2", CaptionProperty::ListItem, i);
        ASSERT_TRUE(a && b);
        EXPECT_EQ(a->zh, b->zh);
        EXPECT_EQ(a->en, b->en);
    }
}

TEST(CaptionTables, Form5RetraceListsOnlyRenameTheirEmptyItem) {
    int combo13Rows = 0;
    for (const CaptionEntry& e : captionsOf(QStringLiteral("Form5"))->entries)
        if (e.control == QLatin1String("Combo13")) {
            ++combo13Rows;
            EXPECT_EQ(e.index, 0);
            EXPECT_EQ(e.en, QStringLiteral("Empty"));
        }
    EXPECT_EQ(combo13Rows, 1);
}

TEST(CaptionTables, DesignTextsAreChineseExceptTheLeftoverOnes) {
    const auto design = [](const char* window, const CaptionEntry* e) {
        return designCaption(QLatin1String(window), *e);
    };
    EXPECT_EQ(design("Form1", find("Form1", "", CaptionProperty::WindowCaption)),
              QStringLiteral("TQ-418 Radio Software"));
    EXPECT_EQ(design("Form1", find("Form1", "Combo3", CaptionProperty::ListItem, 0)),
              QStringLiteral("15 S"));
    EXPECT_EQ(design("Form1", find("Form1", "Combo3", CaptionProperty::ListItem, 39)),
              QStringLiteral("600 S"));
    EXPECT_EQ(design("Form1", find("Form1", "Combo4", CaptionProperty::ListItem, 1)),
              QStringLiteral("1 秒"));
    EXPECT_EQ(design("Form1", find("Form1", "Label2", CaptionProperty::Caption)),
              find("Form1", "Label2", CaptionProperty::Caption)->zh);
    EXPECT_EQ(design("frmAbout", find("frmAbout", "lblTitle", CaptionProperty::Caption)),
              QStringLiteral("应用程序标题"));
    EXPECT_EQ(design("frmAbout", find("frmAbout", "lblVersion", CaptionProperty::Caption)),
              QStringLiteral("简体中文版版本"));
    EXPECT_EQ(design("frmAbout", find("frmAbout", "Label2", CaptionProperty::Caption)),
              QStringLiteral("发布：2010.08"));
    EXPECT_EQ(design("Form5", find("Form5", "", CaptionProperty::WindowCaption)),
              QStringLiteral("可选功能"));
    EXPECT_EQ(captionFor(*find("Form2", "Command1", CaptionProperty::Caption), 2), nullptr);
}

// Access keys: Chinese captions name theirs after the text, English ones
// underline a letter of the text; a caption with a key keeps it.
TEST(AccessibleTexts, MenuEntriesGetTheirAccessKey) {
    const struct {
        const char* caption;
        char key;
        const char* shown;
    } rows[] = {
        {"撤销", 'U', "撤销(&U)"},
        {"导入 CSV…", 'I', "导入 CSV(&I)…"},
        {"Import CSV…", 'I', "&Import CSV…"},
        {"Move down", 'W', "Move do&wn"},
        {"Set column on selected channels…", 'O', "Set c&olumn on selected channels…"},
        {"读频(&R)", 'W', "读频(&R)"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(withMnemonic(QString::fromUtf8(r.caption), QLatin1Char(r.key)),
                  QString::fromUtf8(r.shown))
            << r.caption;
}

// Every accessible text exists in both languages, and a channel's editor
// is named by its channel and its announced column.
TEST(AccessibleTexts, BothLanguagesAndTheCellEditorsName) {
    for (const WindowAccessibleTexts& w : accessibleTables()) {
        for (const AccessibleEntry& e : w.entries) {
            if (e.property != AccessibleProperty::LabelledBy) {
                EXPECT_FALSE(e.zh.isEmpty() || e.en.isEmpty()) << qPrintable(w.window + e.control);
            }
        }
    }
    EXPECT_EQ(cellEditorName(3, 2, 0), QStringLiteral("信道 3 接收亚音频"));
    EXPECT_EQ(cellEditorName(12, 4, 1), QStringLiteral("Channel 12 TX tone"));
}
