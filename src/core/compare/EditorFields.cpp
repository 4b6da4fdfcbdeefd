#include "compare/EditorFields.h"

#include "channels/Vocabulary.h"
#include "compare/CompareTexts.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/OptionsDialog.h"
#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "shell/CaptionTables.h"
#include "shell/MainWindowLists.h"
#include "state/InitDefaults.h"

namespace q716 {

namespace {

using K = FieldKind;

// A setting of the main window: its label, its list (or check box) and value.
struct MainSetting {
    FieldKind kind;
    const char* label;
    const char* control;
    int MainWindowState::*value;
};

constexpr MainSetting MainSettings[] = {
    {K::VoiceLanguage, "Label4", "Combo2", &MainWindowState::combo2},
    {K::TimeOut, "Label5", "Combo3", &MainWindowState::combo3},
    {K::TimeOutWarning, "Label1", "Combo4", &MainWindowState::combo4},
    {K::Squelch, "Label6", "Combo9", &MainWindowState::combo9},
    {K::BatterySave, "Label7", "Combo6", &MainWindowState::combo6},
    {K::Beep, "Label8", "Combo7", &MainWindowState::combo7},
    {K::VoxFunction, "Label11", "Combo11", &MainWindowState::combo11},
    {K::VoxGain, "Label13", "Combo13", &MainWindowState::combo13},
    {K::VoxDelay, "Label12", "Combo12", &MainWindowState::combo12},
    {K::CancelOperation, "Check3", nullptr, &MainWindowState::check3},
    {K::VoxBannedWhileReceiving, "Check4", nullptr, &MainWindowState::check4},
};

const MainSetting* mainSetting(FieldKind kind) {
    for (const MainSetting& s : MainSettings)
        if (s.kind == kind)
            return &s;
    return nullptr;
}

// The option slots the image carries, with the label and list of Form5 that
// show them; slots no dialog edits have neither.
struct OptionSlot {
    int slot;
    const char* label;
    const char* combo;
    int listOffset; // list position = value - listOffset
};

constexpr OptionSlot OptionSlots[] = {
    {3, "Label4", "Combo4", 0},    {8, "Label7", "Combo9", 0},    {9, "Label11", "Combo10", 0},
    {10, "Label14", "Combo11", 0}, {11, "Label15", "Combo12", 1}, {12, "Label17", "Combo13", 0},
    {13, "Label16", "Combo14", 0}, {14, "Label18", "Combo15", 0}, {15, nullptr, nullptr, 0},
    {16, nullptr, nullptr, 0},     {17, nullptr, nullptr, 0},     {18, "Label19", nullptr, 0},
    {19, "Label20", nullptr, 0},
};

constexpr int FirstOptionText = 15; // slots 15..17

const OptionSlot* optionSlot(int slot) {
    for (const OptionSlot& s : OptionSlots)
        if (s.slot == slot)
            return &s;
    return nullptr;
}

// The DTMF group of Form5, in DtmfValues order: label and list.
constexpr std::pair<const char*, const char*> DtmfControls[8] = {
    {"Label25", "Combo0"},  {"Label21", "Combo16"}, {"Label23", "Combo18"}, {"Label22", "Combo17"},
    {"Label24", "Combo19"}, {"Label26", "Combo20"}, {"Label28", "Combo22"}, {"Label27", "Combo21"},
};

// The entry of a control; `index` tells headings and list items apart.
const CaptionEntry* entryOf(const QString& window, const QString& control, CaptionProperty property,
                            int index) {
    const WindowCaptions* w = captionsOf(window);
    if (!w)
        return nullptr;
    const bool indexed =
        property == CaptionProperty::Heading || property == CaptionProperty::ListItem;
    for (const CaptionEntry& e : w->entries)
        if (e.control == control && e.property == property && e.arrayIndex < 0 &&
            (!indexed || e.index == index))
            return &e;
    return nullptr;
}

// A caption in a language, or the text the window always shows.
QString caption(const char* window, const char* control, int lang) {
    const QString w = QLatin1String(window);
    const QString c = control ? QLatin1String(control) : QString();
    const CaptionProperty p =
        c.isEmpty() ? CaptionProperty::WindowCaption : CaptionProperty::Caption;
    if (const CaptionEntry* e = entryOf(w, c, p, 0))
        return captionText(w, *e, lang);
    return dialogDesignText(w, c);
}

QString heading(const char* window, const char* grid, int column, int lang) {
    const QString w = QLatin1String(window);
    if (const CaptionEntry* e = entryOf(w, QLatin1String(grid), CaptionProperty::Heading, column))
        return captionText(w, *e, lang);
    return dialogDesignHeading(w, QLatin1String(grid), column);
}

// Item `index` of a list of a dialog in a language; the number itself when
// the list has no such item.
QString dialogItem(const char* window, const char* combo, int index, int lang) {
    const QString w = QLatin1String(window);
    const QString c = QLatin1String(combo);
    QString text = dialogDesignItems(w, c).value(index);
    if (const CaptionEntry* e = entryOf(w, c, CaptionProperty::ListItem, index))
        text = captionText(w, *e, lang);
    return text.isEmpty() ? QString::number(index) : text;
}

QString mainItem(const char* combo, int index, int lang) {
    const QString text = mainWindowListItems(QLatin1String(combo), lang).value(index);
    return text.isEmpty() ? QString::number(index) : text;
}

QString checkText(int value, int lang) {
    return mainItem("Combo6", value != 0 ? 1 : 0, lang);
}

int gridColumn(FieldKind kind) {
    switch (kind) {
    case K::RxFrequency:
        return 1;
    case K::RxTone:
        return 2;
    case K::TxFrequency:
        return 3;
    case K::TxTone:
        return 4;
    case K::Power:
        return 5;
    case K::Forbid:
        return 6;
    case K::Bandwidth:
        return 7;
    case K::Scan:
        return 8;
    default:
        return 0;
    }
}

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

const QList<FieldRef>& imageFields() {
    static const QList<FieldRef> fields = [] {
        QList<FieldRef> f;
        for (int ch = 1; ch <= ChannelCount; ++ch)
            for (K k : {K::RxFrequency, K::RxTone, K::TxFrequency, K::TxTone, K::Power, K::Forbid,
                        K::Bandwidth, K::Scan})
                f.append({k, ch});
        f.append({K::Band, 0});
        f.append({K::Password, 0});
        for (const MainSetting& s : MainSettings)
            f.append({s.kind, 0});
        for (const OptionSlot& s : OptionSlots)
            f.append({K::OptionValue, s.slot});
        for (int i = 0; i < 8; ++i)
            f.append({K::DtmfValue, i});
        for (int i = 0; i < 8; ++i)
            f.append({K::DtmfMemory, i});
        f.append({K::KeyPF1, 0});
        f.append({K::KeyPF2, 0});
        f.append({K::EmbeddedInfo, 0});
        f.append({K::EmbeddedInfo, 1});
        for (int r = 1; r <= ChannelCount; ++r) {
            f.append({K::TestRxFrequency, r});
            f.append({K::TestTxFrequency, r});
        }
        f.append({K::HighPowerLevel, 0});
        f.append({K::LowPowerLevel, 0});
        return f;
    }();
    return fields;
}

int fieldChannel(FieldRef f) {
    return gridColumn(f.kind) > 0 ? f.index : 0;
}

QString fieldName(FieldRef f, int lang) {
    switch (f.kind) {
    case K::RxTone:
        return comparetext::rxTone(lang);
    case K::TxTone:
        return comparetext::txTone(lang);
    case K::RxFrequency:
    case K::TxFrequency:
    case K::Power:
    case K::Forbid:
    case K::Bandwidth:
    case K::Scan:
        return heading("Form1", "Grid1", gridColumn(f.kind), lang);
    case K::Band:
        // Its label alone ("Channel") reads like a channel of the table.
        return caption("Form1", "Frame1", lang) + QLatin1Char(' ') +
               caption("Form1", "Label3", lang);
    case K::Password:
        return caption("Form1", "Label9", lang);
    case K::OptionValue: {
        const OptionSlot* s = optionSlot(f.index);
        if (s && s->label)
            return caption("Form5", s->label, lang);
        // The three text fields no dialog edits, numbered in address order.
        return caption("Form5", nullptr, lang) + QLatin1Char(' ') +
               comparetext::optionText(lang, f.index - FirstOptionText + 1);
    }
    case K::DtmfValue:
        return caption("Form5", DtmfControls[f.index & 7].first, lang);
    case K::DtmfMemory:
        return heading("Form5", "mfgrid1", 1, lang) + QLatin1Char(' ') + twoDigits(f.index + 1);
    case K::KeyPF1:
        return caption("Form6", nullptr, lang) + QLatin1Char(' ') +
               caption("Form6", "Label1", lang);
    case K::KeyPF2:
        return caption("Form6", nullptr, lang) + QLatin1Char(' ') +
               caption("Form6", "Label2", lang);
    case K::EmbeddedInfo:
        return caption("Form7", nullptr, lang) + QLatin1Char(' ') + QString::number(f.index + 1);
    case K::TestRxFrequency:
    case K::TestTxFrequency:
        return caption("Form4", nullptr, lang) + QLatin1Char(' ') + twoDigits(f.index) +
               QLatin1Char(' ') +
               heading("Form4", "mfgrid1", f.kind == K::TestRxFrequency ? 1 : 2, lang);
    case K::HighPowerLevel:
        return caption("Form2", "Frame1", lang);
    case K::LowPowerLevel:
        return caption("Form2", "Frame2", lang);
    default:
        if (const MainSetting* s = mainSetting(f.kind))
            return caption("Form1", s->label, lang);
        return QString();
    }
}

QString fieldLongName(FieldRef f, int lang) {
    const int ch = fieldChannel(f);
    if (ch == 0)
        return fieldName(f, lang);
    return comparetext::channel(lang, ch) + QLatin1Char(' ') + fieldName(f, lang);
}

QString fieldValue(const EditorState& s, FieldRef f) {
    const ProgramValues& v = s.values;
    if (const int col = gridColumn(f.kind); col > 0) {
        const QString& cell = s.form1.grid.cell(f.index, col);
        if (col == 2 || col == 4)
            return isNoToneText(cell) ? QStringLiteral("off") : cell;
        if (col >= 5) {
            const std::optional<int> entry = flagEntry(col, cell);
            return entry ? QString::number(*entry) : cell;
        }
        return cell;
    }
    switch (f.kind) {
    case K::Band:
        return QString::number(s.form1.combo1);
    case K::Password:
        return v.commPassword;
    case K::OptionValue:
        return v.optionValues.slot(f.index);
    case K::DtmfValue:
        return QString::number(v.dtmfValues.at(f.index));
    case K::DtmfMemory:
        return v.dtmfMemories[f.index];
    case K::KeyPF1:
        return QString::number(v.keyFunctionPF1);
    case K::KeyPF2:
        return QString::number(v.keyFunctionPF2);
    case K::EmbeddedInfo:
        return v.embeddedInfo[f.index];
    case K::TestRxFrequency:
        return v.testFrequencies[f.index - 1];
    case K::TestTxFrequency:
        return v.testFrequencies[f.index + 15];
    case K::HighPowerLevel:
        return QString::number(v.highPowerLevel);
    case K::LowPowerLevel:
        return QString::number(v.lowPowerLevel);
    default:
        if (const MainSetting* m = mainSetting(f.kind))
            return QString::number(s.form1.*m->value);
        return QString();
    }
}

QString fieldText(const EditorState& s, FieldRef f, int lang) {
    const ProgramValues& v = s.values;
    if (const int col = gridColumn(f.kind); col > 0) {
        const QString& cell = s.form1.grid.cell(f.index, col);
        if (col >= 5)
            if (const std::optional<int> entry = flagEntry(col, cell))
                return flagItem(col, *entry, lang);
        if ((col == 2 || col == 4) && isNoToneText(cell))
            return noToneText(lang);
        return cell;
    }
    switch (f.kind) {
    case K::Band:
        return bandItem(s.form1.combo1);
    case K::Password:
        return QString(v.commPassword.size(), QLatin1Char('*'));
    case K::OptionValue: {
        const OptionSlot* slot = optionSlot(f.index);
        const QString& text = v.optionValues.slot(f.index);
        if (!slot || !slot->combo)
            return text;
        bool ok = false;
        const int n = text.toInt(&ok);
        return ok ? dialogItem("Form5", slot->combo, n - slot->listOffset, lang) : text;
    }
    case K::DtmfValue:
        return dialogItem("Form5", DtmfControls[f.index & 7].second, v.dtmfValues.at(f.index),
                          lang);
    case K::KeyPF1:
        return dialogItem("Form6", "Combo1", v.keyFunctionPF1, lang);
    case K::KeyPF2:
        return dialogItem("Form6", "Combo2", v.keyFunctionPF2, lang);
    case K::CancelOperation:
        return checkText(s.form1.check3, lang);
    case K::VoxBannedWhileReceiving:
        return checkText(s.form1.check4, lang);
    default:
        if (const MainSetting* m = mainSetting(f.kind); m && m->control)
            return mainItem(m->control, s.form1.*m->value, lang);
        return fieldValue(s, f);
    }
}

EditorState stateOfImage(const QByteArray& image, int languageCode) {
    EditorState s = freshEditorState();
    s.values.languageCode = languageCode;
    loadImageBytes(s, image, {});
    return s;
}

EditorState stateAsImage(const EditorState& editor) {
    return stateOfImage(buildImageBytes(editor), editor.values.languageCode);
}

} // namespace q716
