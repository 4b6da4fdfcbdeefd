#include "shell/LanguageSetting.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace q716;

namespace {

// A per-user store under a temporary folder, like the program's "RM-52" key.
class LanguageOverride : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }
    QSettings store() { return {QSettings::NativeFormat, QSettings::UserScope, "RM-52"}; }
    void set(const QVariant& v) {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "RM-52");
        s.setValue("Languages", v);
    }
    bool present() {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "RM-52");
        return s.contains("Languages");
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(LanguageOverride, MissingValueLeavesTheFileLanguage) {
    EXPECT_EQ(loadLanguageSetting("RM-52", 1), 1);
    EXPECT_EQ(loadLanguageSetting("RM-52", 2), 2);
}

TEST_F(LanguageOverride, ExactEnglishWinsOnceAndIsDeleted) {
    set("english");
    EXPECT_EQ(loadLanguageSetting("RM-52", 0), 1);
    EXPECT_FALSE(present());
    EXPECT_EQ(loadLanguageSetting("RM-52", 0), 0);
}

TEST_F(LanguageOverride, AnyOtherTextOrNumberSelectsChineseAndIsDeleted) {
    for (const QVariant& v : {QVariant("English"), QVariant("1"), QVariant(1), QVariant(65537)}) {
        set(v);
        EXPECT_EQ(loadLanguageSetting("RM-52", 1), 0) << v.toString().toStdString();
        EXPECT_FALSE(present());
    }
}

TEST_F(LanguageOverride, EmptyTextCountsAsMissingAndStays) {
    set("");
    EXPECT_EQ(loadLanguageSetting("RM-52", 1), 1);
    EXPECT_TRUE(present());
}

TEST_F(LanguageOverride, TextEndsAtTheFirstNulAndNumbersAreSigned16Bit) {
    QSettings s = store();
    s.setValue("Languages", QString("english") + QChar(0) + "junk");
    EXPECT_EQ(languageOverrideText(s), "english");
    s.setValue("Languages", 65535);
    EXPECT_EQ(languageOverrideText(s), "-1");
}
