#pragma once
// Comma-separated records as spreadsheets write them (RFC 4180): fields in
// double quotes may hold commas, quotes (doubled) and line breaks; lines end
// in CRLF or LF; UTF-8 with or without a byte order mark. The same rules with
// a tab as the separator read and write the text spreadsheets put on the
// clipboard.

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

CsvRecords readCsvRecords(const QByteArray& bytes, QChar separator = QLatin1Char(','));

// One field as written: quoted only when it holds the separator, a quote, a
// line break or blanks at either end.
QString csvField(const QString& text, QChar separator = QLatin1Char(','));

// One record ended by CRLF, as RFC 4180 and spreadsheets expect.
QString csvLine(const QStringList& fields, QChar separator = QLatin1Char(','));

} // namespace q716
