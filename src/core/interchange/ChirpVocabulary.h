#pragma once
// The vocabulary of the channel-list CSV layout that multi-radio programmers
// share: its columns and the words of its duplex, tone, cross-mode, polarity
// and mode columns, each with one lookup table used by the reader and the
// writer alike.

#include <QString>
#include <QStringList>
#include <optional>

namespace q716 {

// Every column of the layout, in the order the writer puts them.
enum class CsvColumn {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    rToneFreq,
    cToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    URCALL,
    RPT1CALL,
    RPT2CALL,
    DVCODE,
};
constexpr int CsvColumnCount = 21;
QString csvColumnName(CsvColumn column);
// The full header, names in column order.
QStringList csvHeader();

enum class Duplex { Simplex, Plus, Minus, Split, Off };
std::optional<Duplex> duplexFromText(const QString& text);
QString duplexText(Duplex duplex);

enum class ToneMode { None, Tone, Tsql, Dtcs, Cross };
std::optional<ToneMode> toneModeFromText(const QString& text);
QString toneModeText(ToneMode mode);

// What each side of a Cross channel takes its tone from.
enum class ToneSource { None, Ctcss, Dcs };
struct CrossMode {
    ToneSource transmit;
    ToneSource receive;
    bool operator==(const CrossMode&) const = default;
};
std::optional<CrossMode> crossModeFromText(const QString& text);
// No text for None->None, which no file names.
QString crossModeText(CrossMode mode);

// DtcsPolarity letters: N normal, R reversed (the editor's "I").
std::optional<QChar> dcsSuffixFromPolarity(QChar letter);
QChar polarityFromDcsSuffix(QChar suffix);

enum class Mode { Fm, Nfm };
std::optional<Mode> modeFromText(const QString& text);
QString modeText(Mode mode);

// Values the writer puts in tone fields the channel does not use.
inline const QString UnusedCtcss = QStringLiteral("88.5");
inline const QString UnusedDcsCode = QStringLiteral("023");
inline const QString UnusedPolarity = QStringLiteral("NN");

} // namespace q716
