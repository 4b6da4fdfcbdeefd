// The CSV record reader and writer: RFC 4180 quoting, byte order mark, CRLF,
// LF and CR, the file line each record starts on, and fields written back.

#include "interchange/CsvRecords.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {

QStringList fieldsOf(const CsvRecords& r, size_t i) {
    return i < r.records.size() ? r.records[i].fields : QStringList{QStringLiteral("<none>")};
}

} // namespace

// Records, fields and their lines as a spreadsheet writes them.
TEST(CsvRecords, ReadsFieldsQuotesAndLineEnds) {
    struct Case {
        const char* name;
        QByteArray bytes;
        std::vector<QStringList> fields;
        std::vector<int> lines;
    };
    const std::vector<Case> cases = {
        {"LF", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"CRLF", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"no end of line", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"BOM",
         "\xEF\xBB\xBF"
         "a,b\n",
         {{"a", "b"}},
         {1}},
        {"empty fields", ",,\n", {{"", "", ""}}, {1}},
        {"blank lines left out", "a\n\n\r\nb\n", {{"a"}, {"b"}}, {1, 4}},
        {"quoted comma and quote", "\"x, \"\"y\"\"\",z\n", {{"x, \"y\"", "z"}}, {1}},
        {"quoted line break", "\"one\r\ntwo\",3\nnext\n", {{"one\r\ntwo", "3"}, {"next"}}, {1, 3}},
        {"UTF-8 text", "\"中文\",ü\n", {{QStringLiteral("中文"), QStringLiteral("ü")}}, {1}},
        {"CR (old Macintosh)", "a,b\r1,2\r", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"quoted CR line break", "\"one\rtwo\",3\rnext\r", {{"one\rtwo", "3"}, {"next"}}, {1, 3}},
    };
    for (const Case& c : cases) {
        const CsvRecords r = readCsvRecords(c.bytes);
        EXPECT_EQ(r.unclosedQuoteLine, 0) << c.name;
        ASSERT_EQ(r.records.size(), c.fields.size()) << c.name;
        for (size_t i = 0; i < c.fields.size(); ++i) {
            EXPECT_EQ(fieldsOf(r, i), c.fields[i]) << c.name;
            EXPECT_EQ(r.records[i].line, c.lines[i]) << c.name;
        }
    }
}

TEST(CsvRecords, AQuoteThatNeverClosesIsReportedWithItsLine) {
    const CsvRecords r = readCsvRecords("a,b\n1,\"2\n3,4\n");
    EXPECT_EQ(r.unclosedQuoteLine, 2);
    ASSERT_EQ(r.records.size(), 1u);
}

// The writer quotes only what needs it, and the reader gives it back.
TEST(CsvRecords, WrittenFieldsReadBack) {
    const QStringList fields{QString(),
                             QStringLiteral("plain"),
                             QStringLiteral("a,b"),
                             QStringLiteral("say \"hi\""),
                             QStringLiteral("two\nlines"),
                             QStringLiteral(" padded "),
                             QStringLiteral("中文")};
    EXPECT_EQ(csvField(QStringLiteral("plain")), QStringLiteral("plain"));
    EXPECT_EQ(csvField(QStringLiteral("a,b")), QStringLiteral("\"a,b\""));
    EXPECT_EQ(csvField(QStringLiteral("say \"hi\"")), QStringLiteral("\"say \"\"hi\"\"\""));
    const QString line = csvLine(fields);
    EXPECT_TRUE(line.endsWith(QStringLiteral("\r\n")));
    const CsvRecords r = readCsvRecords(line.toUtf8());
    ASSERT_EQ(r.records.size(), 1u);
    EXPECT_EQ(r.records[0].fields, fields);
}
