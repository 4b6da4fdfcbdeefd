#include "dialogs/OptionsDialog.h"

#include "dialogs/NumericText.h"
#include "dialogs/PriorityRules.h"

namespace q716 {

namespace {

int listIndex(int value, int size) {
    return value >= 0 && value < size ? value : NoSelection;
}

int slotIndex(const EditorState& s, int slot, int size) {
    return listIndex(leadingNumber(s.values.optionValues[slot]), size);
}

QString indexText(int index) {
    return QString::number(index);
}

} // namespace

QStringList retraceTimeItems() {
    QStringList items{QStringLiteral("空")};
    // Hundredths of a second, so every item is exact: 50, 55, ... 500.
    for (int i = 1; i <= 91; ++i) {
        const int hundredths = 50 + (i - 1) * 5;
        items << QStringLiteral("%1.%2 S")
                     .arg(hundredths / 100)
                     .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    }
    return items;
}

namespace {

int storedPriorityChannel(const EditorState& s) {
    return listIndex(leadingNumber(s.values.optionValues[11]) - 1, OptionsListSize::Combo12);
}

// Every control but the priority mode and channel, from the stored values.
void loadUnruledControls(EditorState& s) {
    namespace N = OptionsListSize;
    OptionsDialogState& d = s.form5;
    d.combo4 = slotIndex(s, 3, N::Combo4);
    d.combo6 = slotIndex(s, 5, N::Combo6);
    d.combo7 = slotIndex(s, 6, N::Combo7);
    d.combo8 = slotIndex(s, 7, N::Combo8);
    d.combo9 = slotIndex(s, 8, N::Combo9);
    d.combo10 = slotIndex(s, 9, N::Combo10);
    d.combo13 = slotIndex(s, 12, N::Combo13);
    d.combo14 = slotIndex(s, 13, N::Combo14);
    d.combo15 = slotIndex(s, 14, N::Combo15);
    d.text5 = s.values.optionValues[18];
    d.text6 = s.values.optionValues[19];
    d.check3 = leadingNumber(s.values.optionValues[22]) ? 1 : 0;
    d.check4 = leadingNumber(s.values.optionValues[23]) ? 1 : 0;
    loadDtmfGroup(s);
}

} // namespace

void loadOptionsDialog(EditorState& s, const MessageFn& show) {
    loadUnruledControls(s);
    OptionsDialogState& d = s.form5;
    // A list fires its click rule only when its position really changes.
    const int mode = slotIndex(s, 10, OptionsListSize::Combo11);
    if (mode != d.combo11)
        choosePriorityMode(s, mode, show);
    const int channel = storedPriorityChannel(s);
    if (channel != d.combo12)
        choosePreferredChannel(s, channel, show);
}

void showStoredOptions(EditorState& s) {
    loadUnruledControls(s);
    s.form5.combo11 = slotIndex(s, 10, OptionsListSize::Combo11);
    s.form5.combo12 = storedPriorityChannel(s);
}

void loadDtmfGroup(EditorState& s) {
    namespace N = OptionsListSize;
    OptionsDialogState& d = s.form5;
    const auto& v = s.values.dtmfValues;
    d.mfgrid1 = s.values.dtmfMemories;
    d.combo0 = listIndex(v[0], N::Combo0);
    d.combo16 = listIndex(v[1], N::Combo16);
    d.combo18 = listIndex(v[2], N::Combo18);
    d.combo17 = listIndex(v[3], N::Combo17);
    d.combo19 = listIndex(v[4], N::Combo19);
    d.combo20 = listIndex(v[5], N::Combo20);
    d.combo22 = listIndex(v[6], N::Combo22);
    d.combo21 = listIndex(v[7], N::Combo21);
}

bool isScanDelayText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return true;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    bool ok = false;
    const uint seconds = t.toUInt(&ok);
    return ok && seconds <= uint(ScanDelayMaximum);
}

std::optional<Message> acceptOptionsDialog(EditorState& s) {
    OptionsDialogState& d = s.form5;
    auto& o = s.values.optionValues;
    const bool receiveDelayOk = isScanDelayText(d.text5);
    const bool transmitDelayOk = isScanDelayText(d.text6);
    if (!receiveDelayOk || !transmitDelayOk) {
        if (!receiveDelayOk)
            d.text5 = o[18];
        if (!transmitDelayOk)
            d.text6 = o[19];
        return Message{pickText(s.values.languageCode,
                                QStringLiteral("扫描恢复延时时间只能是0到300之间的整数秒，"
                                               "已恢复原值。"),
                                QStringLiteral("A scan delay must be a whole number of seconds "
                                               "from 0 to 300; the previous value is back.")),
                       MsgOk, QString()};
    }
    o[3] = indexText(d.combo4);
    o[5] = indexText(d.combo6);
    o[6] = indexText(d.combo7);
    o[7] = indexText(d.combo8);
    o[8] = indexText(d.combo9);
    o[9] = indexText(d.combo10);
    o[10] = indexText(d.combo11);
    o[11] = indexText(d.combo12 + 1);
    o[12] = indexText(d.combo13);
    o[13] = indexText(d.combo14);
    o[14] = indexText(d.combo15);
    o[18] = d.text5;
    o[19] = d.text6;
    o[22] = indexText(d.check3);
    o[23] = indexText(d.check4);
    s.values.dtmfMemories = d.mfgrid1;
    s.values.dtmfValues = {d.combo0,  d.combo16, d.combo18, d.combo17,
                           d.combo19, d.combo20, d.combo22, d.combo21};
    return std::nullopt;
}

} // namespace q716
