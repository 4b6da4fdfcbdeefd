#pragma once
// Every value of the editor that the memory image carries, as one list: what
// a comparison goes through, and what an address of the image means. Each
// field is named by the caption the program shows for it (the grid heading,
// the label of the setting, the dialog's caption) in the language asked for.

#include "state/EditorState.h"

#include <QList>
#include <QString>

namespace q716 {

enum class FieldKind {
    // Channel table; index = channel 1..16.
    RxFrequency,
    RxTone,
    TxFrequency,
    TxTone,
    Power,
    Forbid,
    Bandwidth,
    Scan,
    // Main window.
    Band,
    Password,
    VoiceLanguage,
    TimeOut,
    TimeOutWarning,
    Squelch,
    BatterySave,
    Beep,
    VoxFunction,
    VoxGain,
    VoxDelay,
    CancelOperation,
    VoxBannedWhileReceiving,
    // Values of the dialogs.
    OptionValue, // index = slot 0..23
    DtmfValue,   // index = 0..7
    DtmfMemory,  // index = 0..7
    KeyPF1,
    KeyPF2,
    EmbeddedInfo,    // index = line 0..1
    TestRxFrequency, // index = test row 1..16
    TestTxFrequency, // index = test row 1..16
    HighPowerLevel,
    LowPowerLevel,
};

struct FieldRef {
    FieldKind kind = FieldKind::RxFrequency;
    int index = 0;
    bool operator==(const FieldRef&) const = default;
};

// In the order a comparison lists them: channel by channel, then the main
// window's settings, then the dialogs' values.
const QList<FieldRef>& imageFields();

// The channel 1..16 of a channel-table field, else 0.
int fieldChannel(FieldRef field);

// The field's name without its channel ("TX frequency", "Time-out").
QString fieldName(FieldRef field, int languageCode);
// With its channel for channel-table fields ("channel 3 TX frequency").
QString fieldLongName(FieldRef field, int languageCode);

// A language-independent value, for telling whether two states differ.
QString fieldValue(const EditorState& state, FieldRef field);
// The value as the program shows it; the password only as asterisks.
QString fieldText(const EditorState& state, FieldRef field, int languageCode);

// What the editor holds as the image shows it: the state an image loads
// into a freshly started editor (no questions asked), list texts in
// `languageCode`. A state built from an image compares with another one
// field by field.
EditorState stateOfImage(const QByteArray& image, int languageCode);
EditorState stateAsImage(const EditorState& editor);

} // namespace q716
