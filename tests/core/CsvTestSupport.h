#pragma once
// Small helpers of the CSV tests: a file from a header and rows, and an
// import planned and applied on a main window of a given band.

#include "channels/BandChange.h"
#include "interchange/CsvImport.h"
#include "state/EditorState.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

namespace q716test {

inline const QString FullHeader = QStringLiteral(
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE");

// One row of the full layout from the fields named; the others empty.
inline QString fullRow(const std::map<QString, QString>& fields) {
    const QStringList names = FullHeader.split(QLatin1Char(','));
    QStringList row;
    for (const QString& n : names) {
        const auto it = fields.find(n);
        row << (it == fields.end() ? QString() : it->second);
    }
    return row.join(QLatin1Char(','));
}

inline QByteArray csvFile(const QString& header, const QStringList& rows,
                          const QString& lineEnd = QStringLiteral("\n")) {
    QString text = header + lineEnd;
    for (const QString& r : rows)
        text += r + lineEnd;
    return text.toUtf8();
}

struct Imported {
    q716::CsvImportPlan plan;
    q716::MainWindowState form;
};

inline Imported importCsv(const QByteArray& bytes, int band = 0, int languageCode = 1) {
    Imported r;
    q716::selectBandWithoutQuestion(r.form, band);
    r.plan = q716::planCsvImport(q716::readChannelCsv(bytes), band);
    q716::applyCsvImport(r.form, r.plan, languageCode);
    return r;
}

// Row `row` of the table as its 8 cell texts joined by "|".
inline QString rowText(const q716::ChannelGrid& grid, int row) {
    QStringList cells;
    for (int col = 1; col <= 8; ++col)
        cells << grid.cell(row, col);
    return cells.join(QLatin1Char('|'));
}

} // namespace q716test
