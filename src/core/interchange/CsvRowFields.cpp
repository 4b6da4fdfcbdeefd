#include "interchange/CsvRowFields.h"

#include "channels/CellRules.h"
#include "channels/Vocabulary.h"
#include "interchange/Megahertz.h"

#include <QRegularExpression>

namespace q716 {

namespace {

// The frequency rule of the editor's frequency cell; the language only
// picks the text of a message the import does not show.
std::optional<QString> storedFrequency(const QString& typed, int column, int band) {
    const BandLimits limits = bandLimits(band);
    const FrequencyCommit c = commitFrequency(typed, column, false, limits.low, limits.high, 1);
    if (c.kind != FrequencyCommit::Kind::SetText)
        return std::nullopt;
    return c.text;
}

// Stores `typed` as a frequency of `side`; reports a value outside the band
// (skipping the row) and a value moved to the raster.
std::optional<QString> commitSide(const QString& typed, ChannelSide side, int band,
                                  RowReport& report) {
    const int column = side == ChannelSide::Receive ? 1 : 3;
    const auto stored = storedFrequency(typed, column, band);
    if (!stored) {
        report.add(side == ChannelSide::Receive ? ImportProblem::ReceiveOutsideBand
                                                : ImportProblem::TransmitOutsideBand,
                   plainMegahertz(typed), side, {}, band);
        return std::nullopt;
    }
    if (plainMegahertz(typed) != plainMegahertz(*stored))
        report.add(ImportProblem::FrequencyMoved, plainMegahertz(typed), side,
                   plainMegahertz(*stored));
    return stored;
}

// A CTCSS field through the tone rule; empty (and reported) when refused.
QString ctcssTone(const CsvRow& row, CsvColumn column, ChannelSide side, RowReport& report) {
    const QString value = row.value(column);
    const auto tone = isTypedNumber(value) ? commitTone(value) : std::nullopt;
    if (!tone) {
        report.add(ImportProblem::ToneRefused, value, side);
        return QString();
    }
    if (value.toDouble() != tone->toDouble())
        report.add(ImportProblem::ToneRounded, value, side, *tone);
    return *tone;
}

// A DCS code field with the polarity letter of its side through the tone rule.
QString dcsTone(const CsvRow& row, CsvColumn column, ChannelSide side, RowReport& report) {
    QString polarity = row.value(CsvColumn::DtcsPolarity);
    if (polarity.isEmpty())
        polarity = UnusedPolarity;
    const int letter = side == ChannelSide::Transmit ? 0 : 1;
    const auto suffix =
        polarity.size() == 2 ? dcsSuffixFromPolarity(polarity[letter]) : std::optional<QChar>();
    if (!suffix) {
        report.add(ImportProblem::UnknownPolarity, polarity, side);
        return QString();
    }
    // Spreadsheets drop the leading zeros of "023".
    const QString code = row.value(column);
    bool digits = !code.isEmpty() && code.size() <= 3;
    for (QChar c : code)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const QString tone =
        QLatin1Char('D') + code.rightJustified(3, QLatin1Char('0')) + QChar(*suffix);
    if (!digits || toneListIndex(tone) == 0) {
        report.add(ImportProblem::ToneRefused, code, side);
        return QString();
    }
    return tone;
}

QString sideTone(const CsvRow& row, ToneSource source, ChannelSide side, RowReport& report) {
    const bool transmit = side == ChannelSide::Transmit;
    switch (source) {
    case ToneSource::None:
        return QString();
    case ToneSource::Ctcss:
        return ctcssTone(row, transmit ? CsvColumn::rToneFreq : CsvColumn::cToneFreq, side, report);
    case ToneSource::Dcs:
        // Files from before RxDtcsCode use one code for both sides.
        const bool ownCode = !transmit && row.has(CsvColumn::RxDtcsCode);
        return dcsTone(row, ownCode ? CsvColumn::RxDtcsCode : CsvColumn::DtcsCode, side, report);
    }
    return QString();
}

} // namespace

int toneListIndex(const QString& tone) {
    for (int i = 1; i < ToneCount; ++i)
        if (toneItem(i, 1) == tone)
            return i;
    return 0;
}

bool CsvRow::has(CsvColumn column) const {
    return columns_[static_cast<int>(column)] >= 0;
}

QString CsvRow::value(CsvColumn column) const {
    const int at = columns_[static_cast<int>(column)];
    return at >= 0 && at < record_.fields.size() ? record_.fields[at].trimmed() : QString();
}

void RowReport::add(ImportProblem problem, const QString& value, ChannelSide side,
                    const QString& detail, int band) {
    issues_.push_back({problem, line_, location_, value, detail, side, band});
}

bool RowReport::skipsRow() const {
    for (const ImportIssue& i : issues_)
        if (i.skipsRow())
            return true;
    return false;
}

std::vector<ImportIssue> RowReport::issues() const {
    if (!skipsRow())
        return issues_;
    std::vector<ImportIssue> reasons;
    for (const ImportIssue& i : issues_)
        if (i.skipsRow())
            reasons.push_back(i);
    return reasons;
}

std::optional<QString> receiveFrequency(const CsvRow& row, int band, RowReport& report) {
    const QString typed = row.value(CsvColumn::Frequency);
    if (!isTypedNumber(typed)) {
        report.add(ImportProblem::FrequencyNotANumber, typed, ChannelSide::Receive);
        return std::nullopt;
    }
    return commitSide(typed, ChannelSide::Receive, band, report);
}

std::optional<QString> transmitFrequency(const CsvRow& row, const QString& storedRx, int band,
                                         RowReport& report) {
    const QString text = row.value(CsvColumn::Duplex);
    const auto duplex = duplexFromText(text);
    if (!duplex) {
        report.add(ImportProblem::UnknownDuplex, text);
        return std::nullopt;
    }
    if (*duplex == Duplex::Simplex)
        return storedRx;
    if (*duplex == Duplex::Off)
        return QString();
    const QString offsetText = row.value(CsvColumn::Offset);
    const auto offset = megahertzToHertz(offsetText);
    if (!offset) {
        report.add(ImportProblem::OffsetNotANumber, offsetText);
        return std::nullopt;
    }
    if (*duplex == Duplex::Split)
        return commitSide(offsetText, ChannelSide::Transmit, band, report);
    // The receive frequency as the file writes it, so the offset adds up
    // exactly; the editor's rule then stores the sum.
    const qint64 rx = megahertzToHertz(row.value(CsvColumn::Frequency)).value_or(0);
    const qint64 tx = *duplex == Duplex::Plus ? rx + *offset : rx - *offset;
    if (tx < 0) {
        report.add(ImportProblem::TransmitOutsideBand,
                   QLatin1Char('-') + plainMegahertz(hertzToMegahertz(-tx)), ChannelSide::Transmit,
                   {}, band);
        return std::nullopt;
    }
    return commitSide(hertzToMegahertz(tx), ChannelSide::Transmit, band, report);
}

ChannelTones channelTones(const CsvRow& row, RowReport& report) {
    const QString text = row.value(CsvColumn::Tone);
    const auto mode = toneModeFromText(text);
    if (!mode) {
        report.add(ImportProblem::UnknownToneMode, text);
        return {};
    }
    CrossMode sources{ToneSource::None, ToneSource::None};
    switch (*mode) {
    case ToneMode::None:
        return {};
    case ToneMode::Tone:
        sources = {ToneSource::Ctcss, ToneSource::None};
        break;
    case ToneMode::Tsql:
        return {ctcssTone(row, CsvColumn::cToneFreq, ChannelSide::Transmit, report),
                ctcssTone(row, CsvColumn::cToneFreq, ChannelSide::Receive, report)};
    case ToneMode::Dtcs:
        return {dcsTone(row, CsvColumn::DtcsCode, ChannelSide::Transmit, report),
                dcsTone(row, CsvColumn::DtcsCode, ChannelSide::Receive, report)};
    case ToneMode::Cross: {
        // Files without the column knew only the first cross mode.
        const QString crossText = row.value(CsvColumn::CrossMode);
        const auto cross = crossText.isEmpty() ? CrossMode{ToneSource::Ctcss, ToneSource::Ctcss}
                                               : crossModeFromText(crossText);
        if (!cross) {
            report.add(ImportProblem::UnknownCrossMode, crossText);
            return {};
        }
        sources = *cross;
        break;
    }
    }
    return {sideTone(row, sources.transmit, ChannelSide::Transmit, report),
            sideTone(row, sources.receive, ChannelSide::Receive, report)};
}

std::optional<int> channelBandwidth(const CsvRow& row, RowReport& report) {
    const QString text = row.value(CsvColumn::Mode);
    if (text.isEmpty())
        return 1;
    const auto mode = modeFromText(text);
    if (!mode) {
        report.add(ImportProblem::UnsupportedMode, text);
        return std::nullopt;
    }
    return *mode == Mode::Fm ? 1 : 0;
}

int channelScan(const CsvRow& row, RowReport& report) {
    const QString text = row.value(CsvColumn::Skip);
    if (text == QLatin1String("S"))
        return 0;
    if (!text.isEmpty() && text != QLatin1String("P"))
        report.add(ImportProblem::UnknownSkip, text);
    return 1;
}

std::optional<double> powerWatts(const QString& text) {
    static const QRegularExpression watts(QStringLiteral("^(\\d+(?:\\.\\d*)?|\\.\\d+)\\s*[wW]?$"));
    const auto match = watts.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble();
}

int channelPower(const CsvRow& row, std::optional<double> highestWatts, RowReport& report) {
    const QString text = row.value(CsvColumn::Power);
    if (text.isEmpty() || text.compare(QLatin1String("High"), Qt::CaseInsensitive) == 0)
        return 1;
    if (text.compare(QLatin1String("Low"), Qt::CaseInsensitive) == 0)
        return 0;
    if (const auto watts = powerWatts(text))
        return highestWatts && *watts < *highestWatts ? 0 : 1;
    report.add(ImportProblem::UnknownPower, text);
    return 1;
}

} // namespace q716
