#pragma once
// The checks and texts of the "Set Used Password" dialog.

#include "shell/Messages.h"

#include <QString>

namespace q716 {

struct PasswordCheck {
    bool accepted = false;
    bool clearConfirmation = false; // empty Text3 before showing the message
    Message message;                // shown when not accepted
};

PasswordCheck checkNewPassword(const QString& oldPassword, const QString& newPassword,
                               const QString& confirmation, int languageCode);

// Whether a typed character is kept in a password box: 0-9, A-Z, a-z, "."
// and backspace.
bool passwordKeyAllowed(QChar c);

struct PasswordDialogCaptions {
    QString window, label1, label2, label3, command3, command2;
};
PasswordDialogCaptions passwordDialogCaptions(int languageCode);

} // namespace q716
