#include "interchange/CsvRecords.h"

#include <QStringDecoder>

namespace q716 {

namespace {

class RecordReader {
  public:
    RecordReader(const QString& text, QChar separator) : text_(text), separator_(separator) {}

    CsvRecords readAll() {
        CsvRecords out;
        while (pos_ < text_.size()) {
            CsvRecord record{line_, {}};
            if (!readRecord(record.fields)) {
                out.unclosedQuoteLine = record.line;
                break;
            }
            if (!(record.fields.size() == 1 && record.fields[0].isEmpty()))
                out.records.push_back(std::move(record));
        }
        return out;
    }

  private:
    // Reads up to and including the record's line end; false when a quoted
    // field runs to the end of the text.
    bool readRecord(QStringList& fields) {
        for (;;) {
            QString field;
            if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
                if (!readQuoted(field))
                    return false;
            }
            // Text after a closing quote (or an unquoted field) runs to the
            // next separator or line end, as spreadsheets read it.
            while (pos_ < text_.size() && text_[pos_] != separator_ && !atLineEnd())
                field += text_[pos_++];
            fields << field;
            if (pos_ < text_.size() && text_[pos_] == separator_) {
                ++pos_;
                continue;
            }
            skipLineEnd();
            return true;
        }
    }

    bool readQuoted(QString& field) {
        ++pos_; // opening quote
        for (;;) {
            if (pos_ >= text_.size())
                return false;
            const QChar c = text_[pos_++];
            if (c == QLatin1Char('"')) {
                if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
                    field += c;
                    ++pos_;
                    continue;
                }
                return true;
            }
            if (c == QLatin1Char('\n') ||
                (c == QLatin1Char('\r') &&
                 (pos_ >= text_.size() || text_[pos_] != QLatin1Char('\n'))))
                ++line_;
            field += c;
        }
    }

    bool atLineEnd() const {
        return text_[pos_] == QLatin1Char('\n') || text_[pos_] == QLatin1Char('\r');
    }

    void skipLineEnd() {
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\r'))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\n'))
            ++pos_;
        ++line_;
    }

    const QString& text_;
    const QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace

QString csvText(const QByteArray& bytes) {
    QStringDecoder::Encoding encoding = QStringDecoder::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        encoding = QStringDecoder::Utf16LE;
    else if (bytes.startsWith("\xFE\xFF"))
        encoding = QStringDecoder::Utf16BE;
    QStringDecoder decode(encoding);
    QString text = decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QChar csvSeparator(const QString& text) {
    const auto lineEnd = [](QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); };
    qsizetype start = 0;
    while (start < text.size() && lineEnd(text[start]))
        ++start;
    qsizetype end = start;
    while (end < text.size() && !lineEnd(text[end]))
        ++end;
    const QStringView firstLine = QStringView(text).mid(start, end - start);
    QChar best = QLatin1Char(',');
    qsizetype most = 0;
    for (QChar candidate : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        const qsizetype n = firstLine.count(candidate);
        if (n > most) {
            best = candidate;
            most = n;
        }
    }
    return best;
}

CsvRecords readCsvRecords(const QString& text, QChar separator) {
    return RecordReader(text, separator).readAll();
}

CsvRecords readCsvRecords(const QByteArray& bytes, QChar separator) {
    return readCsvRecords(csvText(bytes), separator);
}

QString csvField(const QString& text, QChar separator) {
    const bool quote = text.contains(separator) || text.contains(QLatin1Char('"')) ||
                       text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                       text != text.trimmed();
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvLine(const QStringList& fields, QChar separator) {
    QStringList written;
    written.reserve(fields.size());
    for (const QString& f : fields)
        written << csvField(f, separator);
    return written.join(separator) + QStringLiteral("\r\n");
}

} // namespace q716
