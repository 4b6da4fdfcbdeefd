#pragma once
// What a CSV import refused, dropped or changed, kept as data so the report
// can be written in whichever language the program shows when it is read.

#include <QString>
#include <vector>

namespace q716 {

enum class ImportProblem {
    // The file is refused: nothing is imported.
    FileEmpty,     // not even a header line
    MissingColumn, // value: the required column
    UnclosedQuote, // line: where the quoted field opened
    // The rows fill channels in file order instead of by Location.
    LocationNotAChannel, // line and location of the first such row
    LocationRepeated,    // line and location of the second row; value: the first row's line
    // The row is skipped.
    NoChannelLeft,       // the 16 channels are taken by earlier rows
    FrequencyNotANumber, // value: the Frequency field
    ReceiveOutsideBand,  // value: the receive frequency
    TransmitOutsideBand, // value: the transmit frequency
    OffsetNotANumber,    // value: the Offset field
    UnknownDuplex,       // value: the Duplex field
    UnsupportedMode,     // value: the Mode field
    // The row is imported, with this loss or change.
    FrequencyMoved,  // value as written, detail as stored; side
    ToneRefused,     // value: the tone the tone rule refused; side
    ToneRounded,     // value as written, detail as stored; side
    UnknownToneMode, // value: the Tone field; both sides without a tone
    UnknownCrossMode,
    UnknownPolarity, // value: the DtcsPolarity field; side without a tone
    UnknownSkip,     // value: the Skip field; the channel stays in the scan list
    UnknownPower,    // value: the Power field; high power
};

enum class ChannelSide { None, Receive, Transmit };

struct ImportIssue {
    ImportProblem problem = ImportProblem::FileEmpty;
    int line = 0;     // file line of the row, 0 for none
    QString location; // the row's Location field
    QString value;
    QString detail;
    ChannelSide side = ChannelSide::None;
    int band = -1; // the band a frequency lies outside

    bool skipsRow() const;
    bool operator==(const ImportIssue&) const = default;
};

// One line of the report: where, what and why.
QString importIssueText(const ImportIssue& issue, int languageCode);

} // namespace q716
