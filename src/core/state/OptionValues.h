#pragma once
// The values Form5 stores on OK, the image loader fills and the image builder
// reads, one named field per value. The optional functions keep the text they
// were given, so a saved state gives back exactly what was loaded; their
// numbers are read from it one way.

#include <QString>

namespace q716 {

// A number kept as its text. Every reader takes number(): the decimal number
// at the start of the text (leading blanks and a sign allowed), rounded to a
// whole number with halves to even and held to 16 bits; 0 when the text does
// not start with a number.
struct NumberText {
    QString text;

    int number() const;
    void set(int n) { text = QString::number(n); }

    bool operator==(const NumberText&) const = default;
};

// One field per slot 0..23; the comment names the slot and the Form5 control
// it is shown in (the list position is the number unless it says otherwise).
struct OptionValues {
    static constexpr int Count = 24;

    QString spare0;                     // slot 0, no control
    QString spare1;                     // slot 1, no control
    QString spare2;                     // slot 2, no control
    NumberText pttId;                   // slot 3, Combo4 "PTT ID"
    QString spare4;                     // slot 4, no control
    NumberText voxFunction;             // slot 5, Combo6 (hidden)
    NumberText voxGain;                 // slot 6, Combo7 (hidden)
    NumberText voxDelay;                // slot 7, Combo8 (hidden)
    NumberText voxVolumeControl;        // slot 8, Combo9
    NumberText duplicate;               // slot 9, Combo10: "0" or "1"
    NumberText priorityMode;            // slot 10, Combo11: none, fixed, selected
    NumberText preferredChannel;        // slot 11, Combo12: channel 1..16, position + 1
    NumberText retraceTimeA;            // slot 12, Combo13: 0 is "Empty"
    NumberText retraceTimeB;            // slot 13, Combo14: 0 is "Empty"
    NumberText returnChannel;           // slot 14, Combo15
    QString field0120;                  // slot 15, no control: 10 bytes at 0x0120, FF kept
    QString field0140;                  // slot 16, no control: 16 bytes at 0x0140
    QString field0150;                  // slot 17, no control: 16 bytes at 0x0150
    NumberText scanReceiveDelay;        // slot 18, Text5: seconds as typed
    NumberText scanLaunchDelay;         // slot 19, Text6: seconds as typed
    QString spare20;                    // slot 20, no control
    QString spare21;                    // slot 21, no control
    NumberText cancelOperation;         // slot 22, Check3 (hidden)
    NumberText voxBannedWhileReceiving; // slot 23, Check4 (hidden)

    // The text of slot 0..23, for code that walks all slots in order.
    QString& slot(int n);
    const QString& slot(int n) const;

    bool operator==(const OptionValues&) const = default;
};

// The DTMF group of Form5, one list position per control; the comment names
// the control and the index the value has in a saved state's list.
struct DtmfValues {
    static constexpr int Count = 8;

    int rate = 0;            // 0, Combo0 "DTMF 速率"
    int firstDigitTime = 1;  // 1, Combo16 "首位数码时间"
    int firstDigitDelay = 0; // 2, Combo18 "首位数码延迟": 100 ms + 50 ms per step
    int starHashTone = 1;    // 3, Combo17 "*和#音"
    int dKey = 1;            // 4, Combo19 "D键设定"
    int sideTone = 1;        // 5, Combo20 "DTMF 侧音"
    int groupCallCode = 0;   // 6, Combo22 "组呼码"
    int autoResetTimer = 0;  // 7, Combo21 "自动复位定时器"

    // The value at 0..7, for code that walks the group in order.
    int& at(int n);
    int at(int n) const;

    bool operator==(const DtmfValues&) const = default;
};

inline constexpr int DtmfValues::*DtmfFields[DtmfValues::Count] = {
    &DtmfValues::rate,          &DtmfValues::firstDigitTime, &DtmfValues::firstDigitDelay,
    &DtmfValues::starHashTone,  &DtmfValues::dKey,           &DtmfValues::sideTone,
    &DtmfValues::groupCallCode, &DtmfValues::autoResetTimer};

inline int& DtmfValues::at(int n) {
    return this->*DtmfFields[n];
}

inline int DtmfValues::at(int n) const {
    return this->*DtmfFields[n];
}

} // namespace q716
