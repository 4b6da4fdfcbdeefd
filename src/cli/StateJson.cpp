#include "StateJson.h"

#include "SettingLists.h"
#include "channels/CellRules.h"
#include "channels/ChannelTable.h"
#include "channels/Vocabulary.h"
#include "dialogs/TestFrequencyDialog.h"

#include <QJsonArray>
#include <QSet>
#include <cmath>
#include <optional>

namespace q716::cli {

namespace {

const char* const CellKeys[9] = {nullptr, "rxFrequency", "rxTone",    "txFrequency", "txTone",
                                 "power", "forbid",      "bandwidth", "scan"};

QJsonObject listJson(int index, const QString& text) {
    return {{QStringLiteral("index"), index}, {QStringLiteral("text"), text}};
}

QJsonArray textArray(const auto& texts) {
    QJsonArray a;
    for (const QString& t : texts)
        a.append(t);
    return a;
}

} // namespace

QJsonObject stateToJson(const EditorState& s, int lang) {
    const MainWindowState& f = s.form1;
    const ProgramValues& v = s.values;
    QJsonObject root;
    root[QStringLiteral("language")] =
        showsEnglish(lang) ? QStringLiteral("en") : QStringLiteral("zh");
    root[QStringLiteral("band")] = listJson(f.combo1, bandItem(f.combo1));
    root[QStringLiteral("model")] = listJson(f.combo10, modelItem(f.combo10));

    QJsonArray channels;
    for (int row = 1; row <= ChannelCount; ++row) {
        QJsonObject ch{{QStringLiteral("channel"), row}};
        for (int col = 1; col <= 8; ++col)
            ch[QLatin1String(CellKeys[col])] = f.grid.cell(row, col);
        channels.append(ch);
    }
    root[QStringLiteral("channels")] = channels;

    QJsonObject settings;
    for (const SettingList& l : SettingLists) {
        const int value = f.*l.field;
        if (l.count == 0)
            settings[QLatin1String(l.key)] = value;
        else
            settings[QLatin1String(l.key)] =
                listJson(value, settingItemText(l.control, value, lang));
    }
    root[QStringLiteral("settings")] = settings;

    root[QStringLiteral("password")] = v.commPassword;
    QJsonArray options;
    for (int i = 0; i < OptionValues::Count; ++i)
        options.append(v.optionValues.slot(i));
    root[QStringLiteral("optionValues")] = options;
    QJsonArray dtmf;
    for (int i = 0; i < DtmfValues::Count; ++i)
        dtmf.append(v.dtmfValues.at(i));
    root[QStringLiteral("dtmfValues")] = dtmf;
    root[QStringLiteral("dtmfMemories")] = textArray(v.dtmfMemories);
    root[QStringLiteral("keys")] = QJsonObject{{QStringLiteral("pf1"), v.keyFunctionPF1},
                                               {QStringLiteral("pf2"), v.keyFunctionPF2}};
    root[QStringLiteral("embeddedInfo")] = textArray(v.embeddedInfo);
    QJsonArray tests;
    for (int r = 0; r < ChannelCount; ++r)
        tests.append(QJsonObject{{QStringLiteral("rx"), v.testFrequencies[r]},
                                 {QStringLiteral("tx"), v.testFrequencies[r + 16]}});
    root[QStringLiteral("testFrequencies")] = tests;
    root[QStringLiteral("powerLevels")] = QJsonObject{{QStringLiteral("high"), v.highPowerLevel},
                                                      {QStringLiteral("low"), v.lowPowerLevel}};
    return root;
}

namespace {

enum class Characters {
    OneByte,          // codes 0..255
    OneByteNotErased, // codes 0..254: a field that skips erased bytes (FF) when loaded
    Any,              // cell texts, which may be Chinese list items
};

// Collects the first error; every check returns false once one is set.
class Plan {
  public:
    explicit Plan(QString& error) : error_(error) {}

    bool bad(const QString& key, const QString& reason) {
        error_ = key + QStringLiteral(": ") + reason;
        return false;
    }

    bool onlyKeys(const QString& where, const QJsonObject& o, const QStringList& known) {
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (!known.contains(it.key()))
                return bad(where.isEmpty() ? it.key() : where + QLatin1Char('.') + it.key(),
                           QStringLiteral("unknown key"));
        }
        return true;
    }

    // A whole number, or an object {"index": n} as dump prints lists.
    bool integer(const QString& key, const QJsonValue& value, int low, int high, int& out) {
        QJsonValue v = value;
        if (v.isObject())
            v = v.toObject().value(QStringLiteral("index"));
        const double d = v.toDouble(NAN);
        if (!v.isDouble() || std::floor(d) != d)
            return bad(key, QStringLiteral("expected a whole number"));
        if (d < low || d > high)
            return bad(key, QStringLiteral("%1 is outside %2..%3").arg(d).arg(low).arg(high));
        out = static_cast<int>(d);
        return true;
    }

    // A text of at most `maxLength` characters of the kind given.
    bool text(const QString& key, const QJsonValue& value, int maxLength, QString& out,
              Characters characters = Characters::OneByte) {
        if (!value.isString())
            return bad(key, QStringLiteral("expected a text"));
        const QString t = value.toString();
        if (t.size() > maxLength)
            return bad(key, QStringLiteral("longer than %1 characters").arg(maxLength));
        for (const QChar c : t) {
            if (characters == Characters::Any)
                break;
            if (c.unicode() > 0xFF)
                return bad(key, QStringLiteral("character '%1' has no one-byte code").arg(c));
            if (c.unicode() == 0xFF && characters == Characters::OneByteNotErased)
                return bad(key, QStringLiteral("character '%1' (code 255) reads back as an "
                                               "erased byte and would be lost")
                                    .arg(c));
        }
        out = t;
        return true;
    }

    bool array(const QString& key, const QJsonValue& value, int maxCount, QJsonArray& out) {
        if (!value.isArray())
            return bad(key, QStringLiteral("expected an array"));
        out = value.toArray();
        if (out.size() > maxCount)
            return bad(key, QStringLiteral("more than %1 entries").arg(maxCount));
        return true;
    }

  private:
    QString& error_;
};

QString at(const char* key, qsizetype i) {
    return QStringLiteral("%1[%2]").arg(QLatin1String(key)).arg(i);
}

bool applyBand(Plan& p, MainWindowState& f, const QJsonValue& v) {
    int band = 0;
    if (!p.integer(QStringLiteral("band"), v, 0, BandCount - 1, band))
        return false;
    f.lastBand = band;
    f.combo1 = band;
    const BandLimits limits = bandLimits(band);
    f.bandLow = limits.low;
    f.bandHigh = limits.high;
    return true;
}

bool frequencyCell(Plan& p, const QString& key, const MainWindowState& f, int col,
                   const QString& typed, QString& out) {
    const FrequencyCommit c = commitFrequency(typed, col, col == 1, f.bandLow, f.bandHigh, 0);
    if (c.kind == FrequencyCommit::Kind::SetText) {
        out = c.text;
        return true;
    }
    if (c.message)
        return p.bad(key, QStringLiteral("%1 is outside the band %2 (%3 <= f < %4 MHz)")
                              .arg(typed, bandItem(f.combo1))
                              .arg(f.bandLow)
                              .arg(f.bandHigh));
    return p.bad(key, QStringLiteral("'%1' is not a frequency").arg(typed));
}

bool toneCell(Plan& p, const QString& key, const QString& typed, QString& out) {
    if (typed.isEmpty() || isNoToneText(typed)) {
        out = noToneText(0);
        return true;
    }
    // Typed as into the tone editor: its key filter capitalises d, n and i.
    QString keyed;
    for (const QChar c : typed) {
        const std::optional<QChar> k = filterCombo8Key(c);
        if (!k)
            return p.bad(key, QStringLiteral("'%1' is not a known tone").arg(typed));
        keyed += *k;
    }
    const std::optional<QString> tone = commitTone(keyed);
    if (!tone)
        return p.bad(key, QStringLiteral("'%1' is not a known tone").arg(typed));
    out = *tone;
    return true;
}

bool applyChannel(Plan& p, MainWindowState& f, const QJsonValue& value, qsizetype i,
                  QSet<int>& seen) {
    const QString where = at("channels", i);
    if (!value.isObject())
        return p.bad(where, QStringLiteral("expected an object"));
    const QJsonObject ch = value.toObject();
    QStringList known{QStringLiteral("channel")};
    for (int col = 1; col <= 8; ++col)
        known << QLatin1String(CellKeys[col]);
    if (!p.onlyKeys(where, ch, known))
        return false;
    int row = 0;
    if (!p.integer(where + QStringLiteral(".channel"), ch.value(QStringLiteral("channel")), 1,
                   ChannelCount, row))
        return false;
    if (seen.contains(row))
        return p.bad(where + QStringLiteral(".channel"),
                     QStringLiteral("channel %1 given twice").arg(row));
    seen.insert(row);

    QString cells[9];
    for (int col = 1; col <= 8; ++col) {
        const QJsonValue v = ch.value(QLatin1String(CellKeys[col]));
        if (!v.isUndefined() && !p.text(where + QLatin1Char('.') + QLatin1String(CellKeys[col]), v,
                                        64, cells[col], Characters::Any))
            return false;
    }
    ChannelGrid& g = f.grid;
    const QString key = where + QLatin1Char('.');
    if (cells[1].isEmpty()) {
        for (int col = 2; col <= 8; ++col) {
            if (!cells[col].isEmpty())
                return p.bad(key + QLatin1String(CellKeys[col]),
                             QStringLiteral("set on a channel without a receive frequency"));
        }
        ClearNO(g, row);
        return true;
    }
    QString rx;
    if (!frequencyCell(p, key + QStringLiteral("rxFrequency"), f, 1, cells[1], rx))
        return false;
    g.cell(row, 1) = rx;
    applyNewChannelDefaults(g, row, 0);

    const QJsonValue tx = ch.value(QStringLiteral("txFrequency"));
    if (!tx.isUndefined()) {
        // An empty transmit frequency makes a receive-only channel, as a read
        // or a file can bring.
        if (cells[3].isEmpty())
            g.cell(row, 3).clear();
        else if (!frequencyCell(p, key + QStringLiteral("txFrequency"), f, 3, cells[3],
                                g.cell(row, 3)))
            return false;
    }
    for (int col : {2, 4}) {
        if (!ch.contains(QLatin1String(CellKeys[col])))
            continue;
        if (!toneCell(p, key + QLatin1String(CellKeys[col]), cells[col], g.cell(row, col)))
            return false;
        g.index[row][col] = 0;
        for (int item = 0; item < ToneCount; ++item) {
            if (toneItem(item, 0) == g.cell(row, col))
                g.index[row][col] = item;
        }
    }
    if (g.cell(row, 3).isEmpty() && isNoToneText(g.cell(row, 4)))
        g.cell(row, 4).clear();
    for (int col = 5; col <= 8; ++col) {
        if (!ch.contains(QLatin1String(CellKeys[col])))
            continue;
        const std::optional<int> entry = flagEntry(col, cells[col]);
        if (!entry)
            return p.bad(key + QLatin1String(CellKeys[col]),
                         QStringLiteral("'%1' is neither '%2' nor '%3'")
                             .arg(cells[col], flagItem(col, 0, 1), flagItem(col, 1, 1)));
        g.cell(row, col) = flagItem(col, *entry, 0);
        g.index[row][col] = *entry;
    }
    return true;
}

bool applySettings(Plan& p, MainWindowState& f, const QJsonValue& value) {
    if (!value.isObject())
        return p.bad(QStringLiteral("settings"), QStringLiteral("expected an object"));
    const QJsonObject o = value.toObject();
    QStringList known;
    for (const SettingList& l : SettingLists)
        known << QLatin1String(l.key);
    if (!p.onlyKeys(QStringLiteral("settings"), o, known))
        return false;
    for (const SettingList& l : SettingLists) {
        const QJsonValue v = o.value(QLatin1String(l.key));
        if (v.isUndefined())
            continue;
        const QString key = QStringLiteral("settings.") + QLatin1String(l.key);
        const int high = l.count == 0 ? 1 : l.count - 1;
        // A loaded time-out byte of 0 leaves the list without a selection.
        const int low = l.field == &MainWindowState::combo3 ? NoSelection : 0;
        if (!p.integer(key, v, low, high, f.*l.field))
            return false;
    }
    return true;
}

bool applyOptionValues(Plan& p, ProgramValues& v, const QJsonValue& value) {
    QJsonArray a;
    if (!p.array(QStringLiteral("optionValues"), value, OptionValues::Count, a))
        return false;
    // Slots the image holds as numbers, with the range each list allows.
    const std::pair<int, std::pair<int, int>> numbers[] = {
        {3, {0, 2}},   {8, {0, 1}},   {9, {0, 1}},  {10, {0, 2}},   {11, {1, 16}},
        {12, {0, 91}}, {13, {0, 91}}, {14, {0, 3}}, {18, {0, 300}}, {19, {0, 300}}};
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString key = at("optionValues", i);
        QJsonValue item = a.at(i);
        if (item.isDouble())
            item = QString::number(item.toDouble());
        QString t;
        const bool characterField = i == 16 || i == 17;
        const int length = i == 15 ? 10 : (characterField ? 16 : 64);
        if (!p.text(key, item, length, t,
                    characterField ? Characters::OneByteNotErased : Characters::OneByte))
            return false;
        for (const auto& [slot, range] : numbers) {
            if (slot != i)
                continue;
            bool ok = false;
            const int n = t.toInt(&ok);
            if (!ok)
                return p.bad(key, QStringLiteral("'%1' is not a whole number").arg(t));
            if (n < range.first || n > range.second)
                return p.bad(key, QStringLiteral("%1 is outside %2..%3")
                                      .arg(n)
                                      .arg(range.first)
                                      .arg(range.second));
        }
        v.optionValues.slot(int(i)) = t;
    }
    return true;
}

bool applyDtmf(Plan& p, ProgramValues& v, const QJsonObject& plan) {
    if (plan.contains(QStringLiteral("dtmfValues"))) {
        QJsonArray a;
        if (!p.array(QStringLiteral("dtmfValues"), plan.value(QStringLiteral("dtmfValues")),
                     DtmfValues::Count, a))
            return false;
        const int highs[8] = {3, 3, 18, 3, 16, 1, 6, 15};
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (!p.integer(at("dtmfValues", i), a.at(i), 0, highs[i], v.dtmfValues.at(int(i))))
                return false;
        }
    }
    if (plan.contains(QStringLiteral("dtmfMemories"))) {
        QJsonArray a;
        if (!p.array(QStringLiteral("dtmfMemories"), plan.value(QStringLiteral("dtmfMemories")), 8,
                     a))
            return false;
        for (qsizetype i = 0; i < a.size(); ++i) {
            QString t;
            if (!p.text(at("dtmfMemories", i), a.at(i), 16, t))
                return false;
            for (const QChar c : t) {
                if (!QStringLiteral("0123456789ABCD*#").contains(c))
                    return p.bad(at("dtmfMemories", i),
                                 QStringLiteral("'%1' is not a DTMF key").arg(c));
            }
            v.dtmfMemories[i] = t;
        }
    }
    return true;
}

// The test frequency dialog's rules: receive lowered to the nearer raster,
// transmit to the raster of its receive frequency.
bool testFrequency(Plan& p, const QString& key, const QJsonValue& value, const QString& receive,
                   QString& out) {
    QString t;
    if (!p.text(key, value, 64, t))
        return false;
    if (t.isEmpty()) {
        out.clear();
        return true;
    }
    const std::optional<QString> formatted = formatFiveDecimals(t);
    if (!formatted || formatted->size() != 9)
        return p.bad(key, QStringLiteral("'%1' is not a frequency of 100..999 MHz").arg(t));
    out = receive.isNull() ? snapReceiveFrequency(*formatted)
                           : snapTransmitFrequency(*formatted, receive);
    return true;
}

bool applyTests(Plan& p, ProgramValues& v, const QJsonValue& value) {
    QJsonArray a;
    if (!p.array(QStringLiteral("testFrequencies"), value, ChannelCount, a))
        return false;
    for (qsizetype r = 0; r < a.size(); ++r) {
        const QString where = at("testFrequencies", r);
        if (!a.at(r).isObject())
            return p.bad(where, QStringLiteral("expected an object"));
        const QJsonObject o = a.at(r).toObject();
        if (!p.onlyKeys(where, o, {QStringLiteral("rx"), QStringLiteral("tx")}))
            return false;
        QString rx, tx;
        if (!testFrequency(p, where + QStringLiteral(".rx"), o.value(QStringLiteral("rx")),
                           QString(), rx) ||
            !testFrequency(p, where + QStringLiteral(".tx"), o.value(QStringLiteral("tx")),
                           rx.isNull() ? QStringLiteral("") : rx, tx))
            return false;
        if (rx.isEmpty() && !tx.isEmpty())
            return p.bad(where + QStringLiteral(".tx"),
                         QStringLiteral("a transmit frequency needs a receive frequency"));
        v.testFrequencies[r] = rx;
        v.testFrequencies[r + 16] = tx;
    }
    return true;
}

bool applyPair(Plan& p, const QString& name, const QJsonValue& value, const char* first,
               const char* second, int high, int& a, int& b) {
    if (!value.isObject())
        return p.bad(name, QStringLiteral("expected an object"));
    const QJsonObject o = value.toObject();
    if (!p.onlyKeys(name, o, {QLatin1String(first), QLatin1String(second)}))
        return false;
    if (o.contains(QLatin1String(first)) &&
        !p.integer(name + QLatin1Char('.') + QLatin1String(first), o.value(QLatin1String(first)), 0,
                   high, a))
        return false;
    if (o.contains(QLatin1String(second)) &&
        !p.integer(name + QLatin1Char('.') + QLatin1String(second), o.value(QLatin1String(second)),
                   0, high, b))
        return false;
    return true;
}

} // namespace

bool applyPlan(EditorState& s, const QJsonObject& plan, QString& error) {
    Plan p(error);
    MainWindowState& f = s.form1;
    ProgramValues& v = s.values;
    if (!p.onlyKeys(QString(), plan,
                    {"language", "band", "model", "channels", "settings", "password",
                     "optionValues", "dtmfValues", "dtmfMemories", "keys", "embeddedInfo",
                     "testFrequencies", "powerLevels"}))
        return false;
    const QJsonValue language = plan.value(QStringLiteral("language"));
    if (!language.isUndefined() && language != QJsonValue(QStringLiteral("zh")) &&
        language != QJsonValue(QStringLiteral("en")))
        return p.bad(QStringLiteral("language"), QStringLiteral("expected \"zh\" or \"en\""));
    if (plan.contains(QStringLiteral("band")) &&
        !applyBand(p, f, plan.value(QStringLiteral("band"))))
        return false;
    if (plan.contains(QStringLiteral("model")) &&
        !p.integer(QStringLiteral("model"), plan.value(QStringLiteral("model")), 0, ModelCount - 1,
                   f.combo10))
        return false;
    if (plan.contains(QStringLiteral("channels"))) {
        QJsonArray channels;
        if (!p.array(QStringLiteral("channels"), plan.value(QStringLiteral("channels")),
                     ChannelCount, channels))
            return false;
        QSet<int> seen;
        for (qsizetype i = 0; i < channels.size(); ++i) {
            if (!applyChannel(p, f, channels.at(i), i, seen))
                return false;
        }
    }
    if (plan.contains(QStringLiteral("settings")) &&
        !applySettings(p, f, plan.value(QStringLiteral("settings"))))
        return false;
    if (plan.contains(QStringLiteral("password"))) {
        if (!p.text(QStringLiteral("password"), plan.value(QStringLiteral("password")), 16,
                    v.commPassword, Characters::OneByteNotErased))
            return false;
        v.commPassword = v.commPassword.trimmed();
        f.text2 = v.commPassword;
    }
    if (plan.contains(QStringLiteral("optionValues")) &&
        !applyOptionValues(p, v, plan.value(QStringLiteral("optionValues"))))
        return false;
    if (!applyDtmf(p, v, plan))
        return false;
    if (plan.contains(QStringLiteral("keys")) &&
        !applyPair(p, QStringLiteral("keys"), plan.value(QStringLiteral("keys")), "pf1", "pf2", 11,
                   v.keyFunctionPF1, v.keyFunctionPF2))
        return false;
    if (plan.contains(QStringLiteral("embeddedInfo"))) {
        QJsonArray a;
        if (!p.array(QStringLiteral("embeddedInfo"), plan.value(QStringLiteral("embeddedInfo")), 2,
                     a))
            return false;
        for (qsizetype i = 0; i < a.size(); ++i) {
            if (!p.text(at("embeddedInfo", i), a.at(i), 32, v.embeddedInfo[i],
                        Characters::OneByteNotErased))
                return false;
        }
    }
    if (plan.contains(QStringLiteral("testFrequencies")) &&
        !applyTests(p, v, plan.value(QStringLiteral("testFrequencies"))))
        return false;
    if (plan.contains(QStringLiteral("powerLevels")) &&
        !applyPair(p, QStringLiteral("powerLevels"), plan.value(QStringLiteral("powerLevels")),
                   "high", "low", 255, v.highPowerLevel, v.lowPowerLevel))
        return false;
    return true;
}

} // namespace q716::cli
