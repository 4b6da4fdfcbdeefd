// Input-method commits cut to the fields the radio's memory fixes.
#include "dialogs/DtmfKeys.h"
#include "dialogs/EmbeddedDialog.h"
#include "dialogs/InputCommit.h"

#include <gtest/gtest.h>

using namespace q716;

TEST(InputCommit, CommitsAreCutToTheRoomLeft) {
    struct Case {
        const char* commit;
        int length;
        int replaced;
        int limit;
        const char* fitted;
    };
    const Case cases[] = {
        {"对讲机", 31, 0, EmbeddedLineLength, "对"}, // 31 + 3 would give 34
        {"对讲机", 29, 0, EmbeddedLineLength, "对讲机"},
        {"对讲机", 32, 0, EmbeddedLineLength, ""},
        {"对讲机", 32, 2, EmbeddedLineLength, "对讲"}, // replaces a selection of two
        {"对讲机", 40, 0, EmbeddedLineLength, ""},     // a pasted, longer line
        {"abcdef", 12, 0, PasswordLength, "abcd"},
        {"abcdef", 0, 5, PasswordLength, "abcdef"}, // more replaced than held
        {"a\tb\nc", 0, 0, PasswordLength, "abc"},   // control characters are no text
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitCommit(QString::fromUtf8(c.commit), c.length, c.replaced, c.limit),
                  QString::fromUtf8(c.fitted))
            << c.commit << " into " << c.length;
}

TEST(InputCommit, TheKeyFilterAppliesBeforeTheCut) {
    // A DTMF memory of 14 digits takes two more keypad characters.
    EXPECT_EQ(fitCommit(QStringLiteral("a 对b#c"), 14, 0, DtmfMemoryLength, &filterDtmfKey),
              QStringLiteral("AB"));
    EXPECT_EQ(fitCommit(QStringLiteral("x1\r2"), 0, 0, IdCodeLength, &filterDtmfKey),
              QStringLiteral("12"));
}
