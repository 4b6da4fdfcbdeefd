#include "dialogs/OptionsDialog.h"

#include "dialogs/PriorityRules.h"

namespace q716 {

namespace {

int listIndex(int value, int size) {
    return value >= 0 && value < size ? value : NoSelection;
}

int positionOf(const NumberText& option, int size) {
    return listIndex(option.number(), size);
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
    return listIndex(s.values.optionValues.preferredChannel.number() - 1, OptionsListSize::Combo12);
}

// Every control but the priority mode and channel, from the stored values.
void loadUnruledControls(EditorState& s) {
    namespace N = OptionsListSize;
    OptionsDialogState& d = s.form5;
    const OptionValues& o = s.values.optionValues;
    d.combo4 = positionOf(o.pttId, N::Combo4);
    d.combo6 = positionOf(o.voxFunction, N::Combo6);
    d.combo7 = positionOf(o.voxGain, N::Combo7);
    d.combo8 = positionOf(o.voxDelay, N::Combo8);
    d.combo9 = positionOf(o.voxVolumeControl, N::Combo9);
    d.combo10 = positionOf(o.duplicate, N::Combo10);
    d.combo13 = positionOf(o.retraceTimeA, N::Combo13);
    d.combo14 = positionOf(o.retraceTimeB, N::Combo14);
    d.combo15 = positionOf(o.returnChannel, N::Combo15);
    d.text5 = o.scanReceiveDelay.text;
    d.text6 = o.scanLaunchDelay.text;
    d.check3 = o.cancelOperation.number() ? 1 : 0;
    d.check4 = o.voxBannedWhileReceiving.number() ? 1 : 0;
    loadDtmfGroup(s);
}

} // namespace

void loadOptionsDialog(EditorState& s, const MessageFn& show) {
    loadUnruledControls(s);
    OptionsDialogState& d = s.form5;
    // A list fires its click rule only when its position really changes.
    const int mode = positionOf(s.values.optionValues.priorityMode, OptionsListSize::Combo11);
    if (mode != d.combo11)
        choosePriorityMode(s, mode, show);
    const int channel = storedPriorityChannel(s);
    if (channel != d.combo12)
        choosePreferredChannel(s, channel, show);
}

void showStoredOptions(EditorState& s) {
    loadUnruledControls(s);
    s.form5.combo11 = positionOf(s.values.optionValues.priorityMode, OptionsListSize::Combo11);
    s.form5.combo12 = storedPriorityChannel(s);
}

void loadDtmfGroup(EditorState& s) {
    namespace N = OptionsListSize;
    OptionsDialogState& d = s.form5;
    const DtmfValues& v = s.values.dtmfValues;
    d.mfgrid1 = s.values.dtmfMemories;
    d.combo0 = listIndex(v.rate, N::Combo0);
    d.combo16 = listIndex(v.firstDigitTime, N::Combo16);
    d.combo18 = listIndex(v.firstDigitDelay, N::Combo18);
    d.combo17 = listIndex(v.starHashTone, N::Combo17);
    d.combo19 = listIndex(v.dKey, N::Combo19);
    d.combo20 = listIndex(v.sideTone, N::Combo20);
    d.combo22 = listIndex(v.groupCallCode, N::Combo22);
    d.combo21 = listIndex(v.autoResetTimer, N::Combo21);
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
    OptionValues& o = s.values.optionValues;
    const bool receiveDelayOk = isScanDelayText(d.text5);
    const bool transmitDelayOk = isScanDelayText(d.text6);
    if (!receiveDelayOk || !transmitDelayOk) {
        if (!receiveDelayOk)
            d.text5 = o.scanReceiveDelay.text;
        if (!transmitDelayOk)
            d.text6 = o.scanLaunchDelay.text;
        return Message{pickText(s.values.languageCode,
                                QStringLiteral("扫描恢复延时时间只能是0到300之间的整数秒，"
                                               "已恢复原值。"),
                                QStringLiteral("A scan delay must be a whole number of seconds "
                                               "from 0 to 300; the previous value is back.")),
                       MsgOk, QString()};
    }
    o.pttId.set(d.combo4);
    o.voxFunction.set(d.combo6);
    o.voxGain.set(d.combo7);
    o.voxDelay.set(d.combo8);
    o.voxVolumeControl.set(d.combo9);
    o.duplicate.set(d.combo10);
    o.priorityMode.set(d.combo11);
    o.preferredChannel.set(d.combo12 + 1);
    o.retraceTimeA.set(d.combo13);
    o.retraceTimeB.set(d.combo14);
    o.returnChannel.set(d.combo15);
    o.scanReceiveDelay.text = d.text5;
    o.scanLaunchDelay.text = d.text6;
    o.cancelOperation.set(d.check3);
    o.voxBannedWhileReceiving.set(d.check4);
    s.values.dtmfMemories = d.mfgrid1;
    DtmfValues& v = s.values.dtmfValues;
    v.rate = d.combo0;
    v.firstDigitTime = d.combo16;
    v.firstDigitDelay = d.combo18;
    v.starHashTone = d.combo17;
    v.dKey = d.combo19;
    v.sideTone = d.combo20;
    v.groupCallCode = d.combo22;
    v.autoResetTimer = d.combo21;
    return std::nullopt;
}

} // namespace q716
