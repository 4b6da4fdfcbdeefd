// The printable channel sheet: the channel table as the window shows it, the
// model, band and function settings and the file name, in the language shown.

#include "channels/ChannelTable.h"
#include "interchange/ChannelSheet.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>

using namespace q716;

TEST(ChannelSheet, ShowsTheTableSettingsAndFileInTheLanguageShown) {
    EditorState s = freshEditorState();
    s.form1.grid.cell(3, 1) = QStringLiteral("435.12500");
    applyNewChannelDefaults(s.form1.grid, 3, 1);
    s.form1.combo3 = 0;
    s.form1.check4 = 1;

    const ChannelSheet en = channelSheet(s, QStringLiteral("/tmp/club.DAT"), 1);
    EXPECT_EQ(en.title, QStringLiteral("Q716S Radio Software V1.00"));
    EXPECT_EQ(en.fileLine, QStringLiteral("File: /tmp/club.DAT"));
    EXPECT_EQ(en.headings.value(1), QStringLiteral("RX frequency"));
    ASSERT_EQ(en.rows.size(), 16u);
    EXPECT_EQ(en.rows[2], (QStringList{"03", "435.12500", "Off", "435.12500", "Off", "Hight", "Off",
                                       "Wide", "Have"}));
    EXPECT_EQ(en.rows[0].value(0), QStringLiteral("01"));
    EXPECT_TRUE(en.rows[0].value(1).isEmpty());
    EXPECT_EQ(en.settingsTitle, QStringLiteral("Function Set"));
    const auto has = [](const ChannelSheet& sheet, const char* label, const char* value) {
        for (const auto& [l, v] : sheet.settings)
            if (l == QString::fromUtf8(label))
                return v == QString::fromUtf8(value);
        return false;
    };
    EXPECT_TRUE(has(en, "Channel", "400-480MHz"));
    EXPECT_TRUE(has(en, "Model", "RN-52"));
    EXPECT_TRUE(has(en, "Time-out", "15 S"));
    EXPECT_TRUE(has(en, "Squelch Grade", "4 Group"));
    EXPECT_TRUE(has(en, "Received banned VOX", "Yes"));
    EXPECT_TRUE(has(en, "Cancel operation", "No"));
    EXPECT_EQ(en.settings.size(), 13u);

    const ChannelSheet zh = channelSheet(s, QString(), 0);
    EXPECT_EQ(zh.title, QStringLiteral("Q716S对讲机编程软件 V1.00"));
    EXPECT_EQ(zh.fileLine, QStringLiteral("文件：（未保存）"));
    EXPECT_EQ(zh.headings.value(8), QStringLiteral("扫描添加"));
    EXPECT_TRUE(has(zh, "发射超时", "15 秒"));
    EXPECT_TRUE(has(zh, "接收时禁止VOX", "是"));
}
