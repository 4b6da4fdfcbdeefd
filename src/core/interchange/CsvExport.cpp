#include "interchange/CsvExport.h"

#include "channels/Vocabulary.h"
#include "image/FieldCodec.h"
#include "interchange/ChirpVocabulary.h"
#include "interchange/CsvRecords.h"
#include "interchange/Megahertz.h"

namespace q716 {

namespace {

// Collects what a channel's fields change, when asked to.
class ExportNotes {
  public:
    ExportNotes(std::vector<ExportIssue>* issues, const ChannelGrid& grid, int row)
        : issues_(issues), grid_(grid), row_(row) {}
    void add(ExportIssue::Kind kind, int column, int entry = 0) {
        if (issues_)
            issues_->push_back({kind, row_, column, grid_.cell(row_, column), entry});
    }

  private:
    std::vector<ExportIssue>* issues_;
    const ChannelGrid& grid_;
    int row_;
};

// A tone cell as the image stores it: none, a CTCSS value, or a DCS code
// with its polarity suffix.
struct SideTone {
    ToneSource source = ToneSource::None;
    QString value; // "88.5" or the three code digits
    QChar suffix;  // N or I for a DCS code
};

SideTone sideTone(const QString& cell, int col, ExportNotes& notes) {
    if (encodeTone(cell) == NoToneWord) {
        // An empty transmit tone is a receive-only channel's.
        if (!cell.isEmpty() && !isNoToneText(cell))
            notes.add(ExportIssue::Kind::NoTone, col);
        return {};
    }
    if (cell.startsWith(QLatin1Char('D')))
        return {ToneSource::Dcs, cell.mid(1, 3), cell.back()};
    return {ToneSource::Ctcss, cell, QChar()};
}

struct ToneFields {
    ToneMode mode = ToneMode::None;
    QString rTone = UnusedCtcss;
    QString cTone = UnusedCtcss;
    QString dtcsCode = UnusedDcsCode;
    QString polarity = UnusedPolarity;
    QString rxDtcsCode = UnusedDcsCode;
    CrossMode cross{ToneSource::Ctcss, ToneSource::Ctcss};
};

// The simplest tone mode that expresses the pair.
ToneFields toneFields(const SideTone& tx, const SideTone& rx) {
    ToneFields f;
    using S = ToneSource;
    if (tx.source == S::None && rx.source == S::None)
        return f;
    if (tx.source == S::Ctcss && rx.source == S::None) {
        f.mode = ToneMode::Tone;
        f.rTone = tx.value;
        return f;
    }
    if (tx.source == S::Ctcss && rx.source == S::Ctcss && tx.value == rx.value) {
        f.mode = ToneMode::Tsql;
        f.cTone = tx.value;
        return f;
    }
    if (tx.source == S::Dcs && rx.source == S::Dcs && tx.value == rx.value) {
        f.mode = ToneMode::Dtcs;
        f.dtcsCode = tx.value;
        f.polarity = QString(polarityFromDcsSuffix(tx.suffix)) + polarityFromDcsSuffix(rx.suffix);
        return f;
    }
    f.mode = ToneMode::Cross;
    f.cross = {tx.source, rx.source};
    if (tx.source == S::Ctcss)
        f.rTone = tx.value;
    if (tx.source == S::Dcs) {
        f.dtcsCode = tx.value;
        f.polarity[0] = polarityFromDcsSuffix(tx.suffix);
    }
    if (rx.source == S::Ctcss)
        f.cTone = rx.value;
    if (rx.source == S::Dcs) {
        f.rxDtcsCode = rx.value;
        f.polarity[1] = polarityFromDcsSuffix(rx.suffix);
    }
    return f;
}

// The raster the frequency sits on, as the step of the layout.
QString tuningStep(const QString& frequency) {
    const int below100k = frequency.right(4).toInt();
    return below100k % 500 != 0 && below100k % 625 == 0 ? QStringLiteral("6.25")
                                                        : QStringLiteral("5.00");
}

int flag(const ChannelGrid& grid, int row, int col, int whenUnknown, ExportNotes& notes) {
    const std::optional<int> entry = flagEntry(col, grid.cell(row, col));
    if (!entry)
        notes.add(ExportIssue::Kind::ListDefault, col, whenUnknown);
    return entry.value_or(whenUnknown);
}

} // namespace

QStringList exportedFields(const ChannelGrid& grid, int row, std::vector<ExportIssue>* issues) {
    ExportNotes notes(issues, grid, row);
    const QString& rx = grid.cell(row, 1);
    const QString& tx = grid.cell(row, 3);
    const qint64 rxHertz = megahertzToHertz(rx).value_or(0);
    Duplex duplex = Duplex::Simplex;
    qint64 offset = 0;
    if (!isFrequencyText(tx)) {
        // An empty cell is a receive-only channel as the table shows it.
        if (!tx.isEmpty())
            notes.add(ExportIssue::Kind::ReceiveOnly, 3);
        duplex = Duplex::Off;
    } else if (tx != rx) {
        offset = megahertzToHertz(tx).value_or(0) - rxHertz;
        duplex = offset < 0 ? Duplex::Minus : Duplex::Plus;
        offset = offset < 0 ? -offset : offset;
    }
    const SideTone rxTone = sideTone(grid.cell(row, 2), 2, notes);
    const SideTone txTone = sideTone(grid.cell(row, 4), 4, notes);
    const ToneFields tones = toneFields(txTone, rxTone);
    // The same defaults for texts that are no list item as the image builder.
    const bool high = flag(grid, row, 5, 1, notes) == 1;
    const bool wide = flag(grid, row, 7, 1, notes) == 1;
    const bool scanned = flag(grid, row, 8, 0, notes) == 1;

    QStringList f;
    f << QString::number(row) << QString() << hertzToMegahertz(rxHertz) << duplexText(duplex)
      << hertzToMegahertz(offset) << toneModeText(tones.mode) << tones.rTone << tones.cTone
      << tones.dtcsCode << tones.polarity << tones.rxDtcsCode << crossModeText(tones.cross)
      << modeText(wide ? Mode::Fm : Mode::Nfm) << tuningStep(rx)
      << (scanned ? QString() : QStringLiteral("S"))
      << (high ? QStringLiteral("High") : QStringLiteral("Low")) << QString() << QString()
      << QString() << QString() << QString();
    return f;
}

QByteArray exportChannelCsv(const ChannelGrid& grid, std::vector<ExportIssue>* issues) {
    QString text = csvLine(csvHeader());
    for (int row = 1; row <= ChannelCount; ++row) {
        if (isFrequencyText(grid.cell(row, 1)))
            text += csvLine(exportedFields(grid, row, issues));
        else if (grid.inUse(row))
            ExportNotes(issues, grid, row).add(ExportIssue::Kind::ChannelLeftOut, 1);
    }
    return text.toUtf8();
}

} // namespace q716
