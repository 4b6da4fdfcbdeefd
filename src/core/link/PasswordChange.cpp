#include "link/PasswordChange.h"

namespace q716 {

PasswordCheck checkNewPassword(const QString& oldPassword, const QString& newPassword,
                               const QString& confirmation, int languageCode) {
    PasswordCheck c;
    if (oldPassword.isEmpty() || newPassword.isEmpty()) {
        c.message = {pickText(languageCode, QStringLiteral("密码不能为空，请重输！"),
                              QStringLiteral("Password cannot be empty, please re-enter!")),
                     MsgOk,
                     {}};
        return c;
    }
    if (confirmation != newPassword) {
        c.clearConfirmation = true;
        c.message = {pickText(languageCode, QStringLiteral("确认密码不对，请重输！"),
                              QStringLiteral("Confirm password is incorrect, please rewrite!")),
                     MsgOk,
                     {}};
        return c;
    }
    c.accepted = true;
    return c;
}

bool passwordKeyAllowed(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '.' ||
           u == '\b';
}

PasswordDialogCaptions passwordDialogCaptions(int languageCode) {
    if (languageCode == 0)
        return {QStringLiteral("Set Used Password"), QStringLiteral("原始通讯密码:"),
                QStringLiteral("新通讯密码:"),       QStringLiteral("确认新通讯密码:"),
                QStringLiteral("生成新密码"),        QStringLiteral("取消")};
    return {QStringLiteral("Set Used Password"),   QStringLiteral("Old Password:"),
            QStringLiteral("New Password:"),       QStringLiteral("Confirm Password:"),
            QStringLiteral("Create New Password"), QStringLiteral("Cancel")};
}

} // namespace q716
