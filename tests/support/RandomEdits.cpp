#include "RandomEdits.h"

#include "channels/Vocabulary.h"

#include <QSet>

namespace q716test {

using namespace q716;
using K = FieldKind;

namespace {

int pick(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

QString randomText(std::mt19937& rng, const QString& alphabet, int maxLength) {
    QString t;
    const int n = pick(rng, 1, maxLength);
    for (int i = 0; i < n; ++i)
        t += alphabet.at(pick(rng, 0, int(alphabet.size()) - 1));
    return t;
}

QString printable() {
    QString a;
    for (char c = 0x21; c < 0x7F; ++c)
        a += QLatin1Char(c);
    return a;
}

QString frequency(std::mt19937& rng, const EditorState& s) {
    return QString::asprintf("%03d.%05d", pick(rng, s.form1.bandLow, s.form1.bandHigh - 1),
                             pick(rng, 0, 159) * 625);
}

int flagColumn(K kind) {
    return kind == K::Power ? 5 : kind == K::Forbid ? 6 : kind == K::Bandwidth ? 7 : 8;
}

void setRandomValue(EditorState& s, FieldRef f, std::mt19937& rng) {
    ChannelGrid& g = s.form1.grid;
    MainWindowState& m = s.form1;
    ProgramValues& v = s.values;
    const int lang = v.languageCode;
    switch (f.kind) {
    case K::RxFrequency:
        g.cell(f.index, 1) = frequency(rng, s);
        break;
    case K::TxFrequency:
        g.cell(f.index, 3) = frequency(rng, s);
        break;
    case K::RxTone:
        g.cell(f.index, 2) = toneItem(pick(rng, 1, ToneCount - 1), lang);
        break;
    case K::TxTone:
        g.cell(f.index, 4) = toneItem(pick(rng, 1, ToneCount - 1), lang);
        break;
    case K::Power:
    case K::Forbid:
    case K::Bandwidth:
    case K::Scan: {
        const int col = flagColumn(f.kind);
        const int entry = 1 - flagEntry(col, g.cell(f.index, col)).value_or(1);
        g.cell(f.index, col) = flagItem(col, entry, lang);
        g.index[f.index][col] = entry;
        break;
    }
    case K::Band: {
        m.combo1 = pick(rng, 0, BandCount - 1);
        m.lastBand = m.combo1;
        break;
    }
    case K::Password:
        v.commPassword = randomText(
            rng, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789."),
            16);
        m.text2 = v.commPassword;
        break;
    case K::VoiceLanguage:
        m.combo2 = pick(rng, 0, 2);
        break;
    case K::TimeOut:
        m.combo3 = pick(rng, 0, 39);
        break;
    case K::TimeOutWarning:
        m.combo4 = pick(rng, 0, 10);
        break;
    case K::Squelch:
        m.combo9 = pick(rng, 0, 9);
        break;
    case K::BatterySave:
        m.combo6 = 1 - m.combo6;
        break;
    case K::Beep:
        m.combo7 = 1 - m.combo7;
        break;
    case K::VoxFunction:
        m.combo11 = 1 - m.combo11;
        break;
    case K::VoxGain:
        m.combo13 = pick(rng, 0, 10);
        break;
    case K::VoxDelay:
        m.combo12 = pick(rng, 0, 5);
        break;
    case K::CancelOperation:
        m.check3 = 1 - m.check3;
        break;
    case K::VoxBannedWhileReceiving:
        m.check4 = 1 - m.check4;
        break;
    case K::OptionValue: {
        const QHash<int, std::pair<int, int>> ranges{
            {3, {0, 2}},   {8, {0, 1}},   {9, {0, 1}},  {10, {0, 2}},   {11, {1, 16}},
            {12, {0, 91}}, {13, {0, 91}}, {14, {0, 3}}, {18, {0, 300}}, {19, {0, 300}}};
        if (ranges.contains(f.index)) {
            const auto [low, high] = ranges.value(f.index);
            v.optionValues.slot(f.index) = QString::number(pick(rng, low, high));
        } else {
            v.optionValues.slot(f.index) = randomText(rng, printable(), f.index == 15 ? 10 : 16);
        }
        break;
    }
    case K::DtmfValue: {
        const int highs[8] = {3, 3, 18, 3, 16, 1, 6, 15};
        v.dtmfValues.at(f.index) = pick(rng, 0, highs[f.index]);
        break;
    }
    case K::DtmfMemory:
        v.dtmfMemories[f.index] = randomText(rng, QStringLiteral("0123456789ABCD*#"), 16);
        break;
    case K::KeyPF1:
        v.keyFunctionPF1 = pick(rng, 0, 11);
        break;
    case K::KeyPF2:
        v.keyFunctionPF2 = pick(rng, 0, 11);
        break;
    case K::EmbeddedInfo:
        v.embeddedInfo[f.index] = randomText(rng, printable(), 32);
        break;
    case K::TestRxFrequency:
        v.testFrequencies[f.index - 1] = frequency(rng, s);
        break;
    case K::TestTxFrequency:
        v.testFrequencies[f.index + 15] = frequency(rng, s);
        break;
    case K::HighPowerLevel:
        v.highPowerLevel = pick(rng, 0, 255);
        break;
    case K::LowPowerLevel:
        v.lowPowerLevel = pick(rng, 0, 255);
        break;
    }
}

} // namespace

QList<FieldRef> applyRandomEdits(EditorState& state, std::mt19937& rng, int count) {
    QList<FieldRef> candidates;
    for (const FieldRef& f : imageFields()) {
        const int ch = fieldChannel(f);
        // Only channels in use can be edited cell by cell.
        if (ch == 0 || state.form1.grid.inUse(ch))
            candidates.append(f);
    }
    QList<FieldRef> edited;
    while (edited.size() < count && !candidates.isEmpty()) {
        const FieldRef f = candidates.takeAt(pick(rng, 0, int(candidates.size()) - 1));
        const QString before = fieldValue(stateAsImage(state), f);
        for (int attempt = 0; attempt < 20; ++attempt) {
            setRandomValue(state, f, rng);
            if (fieldValue(stateAsImage(state), f) != before) {
                edited.append(f);
                break;
            }
        }
    }
    return edited;
}

QString dumpKeyOf(FieldRef f) {
    static const char* const cells[] = {"rxFrequency", "rxTone", "txFrequency", "txTone",
                                        "power",       "forbid", "bandwidth",   "scan"};
    switch (f.kind) {
    case K::RxFrequency:
    case K::RxTone:
    case K::TxFrequency:
    case K::TxTone:
    case K::Power:
    case K::Forbid:
    case K::Bandwidth:
    case K::Scan:
        return QStringLiteral("channels[%1].%2")
            .arg(f.index - 1)
            .arg(QLatin1String(cells[int(f.kind)]));
    case K::Band:
        return QStringLiteral("band");
    case K::Password:
        return QStringLiteral("password");
    case K::VoiceLanguage:
        return QStringLiteral("settings.voiceLanguage");
    case K::TimeOut:
        return QStringLiteral("settings.timeOut");
    case K::TimeOutWarning:
        return QStringLiteral("settings.timeOutWarning");
    case K::Squelch:
        return QStringLiteral("settings.squelch");
    case K::BatterySave:
        return QStringLiteral("settings.batterySave");
    case K::Beep:
        return QStringLiteral("settings.beep");
    case K::VoxFunction:
        return QStringLiteral("settings.voxFunction");
    case K::VoxGain:
        return QStringLiteral("settings.voxGain");
    case K::VoxDelay:
        return QStringLiteral("settings.voxDelay");
    case K::CancelOperation:
        return QStringLiteral("settings.cancelOperation");
    case K::VoxBannedWhileReceiving:
        return QStringLiteral("settings.voxBannedWhileReceiving");
    case K::OptionValue:
        return QStringLiteral("optionValues[%1]").arg(f.index);
    case K::DtmfValue:
        return QStringLiteral("dtmfValues[%1]").arg(f.index);
    case K::DtmfMemory:
        return QStringLiteral("dtmfMemories[%1]").arg(f.index);
    case K::KeyPF1:
        return QStringLiteral("keys.pf1");
    case K::KeyPF2:
        return QStringLiteral("keys.pf2");
    case K::EmbeddedInfo:
        return QStringLiteral("embeddedInfo[%1]").arg(f.index);
    case K::TestRxFrequency:
        return QStringLiteral("testFrequencies[%1].rx").arg(f.index - 1);
    case K::TestTxFrequency:
        return QStringLiteral("testFrequencies[%1].tx").arg(f.index - 1);
    case K::HighPowerLevel:
        return QStringLiteral("powerLevels.high");
    case K::LowPowerLevel:
        return QStringLiteral("powerLevels.low");
    }
    return {};
}

} // namespace q716test
