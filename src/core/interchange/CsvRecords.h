#pragma once
// Comma-separated records as spreadsheets write them (RFC 4180): fields in
// double quotes may hold the separator, quotes (doubled) and line breaks;
// lines end in CRLF, LF or a lone CR (old Macintosh files); UTF-8 with or
// without a byte order mark, or UTF-16 after one. The same rules with a
// semicolon or a tab as the separator read what European spreadsheets save
// and what spreadsheets put on the clipboard.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace q716 {

struct CsvRecord {
    int line = 0; // file line the record starts on, 1-based
    QStringList fields;
};

struct CsvRecords {
    std::vector<CsvRecord> records; // blank lines are left out
    // A quoted field that never closes: the line it opened on, else 0. The
    // records read up to it are kept, but the file is malformed.
    int unclosedQuoteLine = 0;
};

// The file's text: UTF-16 (little or big endian) after its byte order mark,
// else UTF-8, where bytes that are no UTF-8 (a GB18030 name, say) become
// replacement characters: only numbers and keywords count, and those are
// plain ASCII in every one of these encodings.
QString csvText(const QByteArray& bytes);

// The separator the first line holds most of: a comma, a semicolon or a tab;
// a comma when it holds none.
QChar csvSeparator(const QString& text);

CsvRecords readCsvRecords(const QString& text, QChar separator);
CsvRecords readCsvRecords(const QByteArray& bytes, QChar separator = QLatin1Char(','));

// One field as written: quoted only when it holds the separator, a quote, a
// line break or blanks at either end.
QString csvField(const QString& text, QChar separator = QLatin1Char(','));

// One record ended by CRLF, as RFC 4180 and spreadsheets expect.
QString csvLine(const QStringList& fields, QChar separator = QLatin1Char(','));

} // namespace q716
