#include "interchange/ChirpVocabulary.h"

#include <array>
#include <utility>

namespace q716 {

namespace {

const char* const ColumnNames[CsvColumnCount] = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

template <typename E, size_t N>
std::optional<E> lookup(const std::array<std::pair<E, const char*>, N>& table,
                        const QString& text) {
    for (const auto& [value, word] : table)
        if (text == QLatin1String(word))
            return value;
    return std::nullopt;
}

template <typename E, size_t N>
QString wordOf(const std::array<std::pair<E, const char*>, N>& table, E value) {
    for (const auto& [v, word] : table)
        if (v == value)
            return QString::fromLatin1(word);
    return QString();
}

const std::array<std::pair<Duplex, const char*>, 5> Duplexes = {{{Duplex::Simplex, ""},
                                                                 {Duplex::Plus, "+"},
                                                                 {Duplex::Minus, "-"},
                                                                 {Duplex::Split, "split"},
                                                                 {Duplex::Off, "off"}}};

const std::array<std::pair<ToneMode, const char*>, 5> ToneModes = {{{ToneMode::None, ""},
                                                                    {ToneMode::Tone, "Tone"},
                                                                    {ToneMode::Tsql, "TSQL"},
                                                                    {ToneMode::Dtcs, "DTCS"},
                                                                    {ToneMode::Cross, "Cross"}}};

using S = ToneSource;
const std::array<std::pair<CrossMode, const char*>, 8> CrossModes = {{
    {{S::Ctcss, S::Ctcss}, "Tone->Tone"},
    {{S::Ctcss, S::Dcs}, "Tone->DTCS"},
    {{S::Dcs, S::Ctcss}, "DTCS->Tone"},
    {{S::Dcs, S::Dcs}, "DTCS->DTCS"},
    {{S::None, S::Ctcss}, "->Tone"},
    {{S::None, S::Dcs}, "->DTCS"},
    {{S::Dcs, S::None}, "DTCS->"},
    {{S::Ctcss, S::None}, "Tone->"},
}};

const std::array<std::pair<Mode, const char*>, 2> Modes = {{{Mode::Fm, "FM"}, {Mode::Nfm, "NFM"}}};

} // namespace

QString csvColumnName(CsvColumn column) {
    return QString::fromLatin1(ColumnNames[static_cast<int>(column)]);
}

QStringList csvHeader() {
    QStringList names;
    for (const char* name : ColumnNames)
        names << QString::fromLatin1(name);
    return names;
}

std::optional<Duplex> duplexFromText(const QString& text) {
    return lookup(Duplexes, text);
}
QString duplexText(Duplex duplex) {
    return wordOf(Duplexes, duplex);
}

std::optional<ToneMode> toneModeFromText(const QString& text) {
    return lookup(ToneModes, text);
}
QString toneModeText(ToneMode mode) {
    return wordOf(ToneModes, mode);
}

std::optional<CrossMode> crossModeFromText(const QString& text) {
    return lookup(CrossModes, text);
}
QString crossModeText(CrossMode mode) {
    return wordOf(CrossModes, mode);
}

std::optional<QChar> dcsSuffixFromPolarity(QChar letter) {
    if (letter == QLatin1Char('N'))
        return QLatin1Char('N');
    if (letter == QLatin1Char('R'))
        return QLatin1Char('I');
    return std::nullopt;
}

QChar polarityFromDcsSuffix(QChar suffix) {
    return suffix == QLatin1Char('I') ? QLatin1Char('R') : QLatin1Char('N');
}

std::optional<Mode> modeFromText(const QString& text) {
    return lookup(Modes, text.toUpper());
}
QString modeText(Mode mode) {
    return wordOf(Modes, mode);
}

} // namespace q716
