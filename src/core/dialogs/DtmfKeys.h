#pragma once
// Typing DTMF codes: the memory grid of Form5 and its hidden code fields
// accept only what a DTMF keypad can send.

#include "shell/Messages.h"

#include <QChar>
#include <QString>
#include <optional>

namespace q716 {

constexpr QChar KeyBackspace = QChar(0x08);
constexpr QChar KeyReturn = QChar(0x0D);

// The character a key press puts into a DTMF memory editor: "a".."z" are
// upper-cased; "0".."9", "A".."D", "*", "#", backspace and carriage return
// pass; anything else is dropped (no value).
std::optional<QChar> filterDtmfKey(QChar typed);

// A DTMF memory holds 16 digits; a longer edit gets this message once (the
// text itself is kept as typed). No value for 16 characters or fewer.
std::optional<Message> dtmfMemoryLengthMessage(const QString& text);

// The hidden code fields: ID code (Text1) and the PTT ID codes sent at the
// start (Text3) and end (Text4) of a transmission.
constexpr int IdCodeLength = 10;
constexpr int PttCodeLength = 16;

// The character a key press puts into a code field holding `length`
// characters: the DTMF filter without carriage return, backspace always, and
// nothing once the field is full unless a selection is to be replaced.
std::optional<QChar> filterCodeFieldKey(QChar typed, qsizetype length, bool hasSelection,
                                        int maxLength);

} // namespace q716
