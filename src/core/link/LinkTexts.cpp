#include "link/LinkTexts.h"

namespace q716::linktext {

QString busy(int languageCode) {
    return pickText(languageCode, QStringLiteral("正在通信,请稍后……"),
                    QStringLiteral("Is communication, please later……"));
}

QString writeSuccess(int languageCode) {
    return pickText(languageCode, QStringLiteral("写频成功！"),
                    QStringLiteral("Write frequency success!"));
}

QString readSuccess(int languageCode) {
    return pickText(languageCode, QStringLiteral("读频成功！"),
                    QStringLiteral("Read frequency success!"));
}

QString passwordChanged(int languageCode) {
    return pickText(languageCode, QStringLiteral("通讯密码修改成功！"),
                    QStringLiteral("Communications password is changed successfully!"));
}

QString portInUse(int languageCode) {
    return pickText(languageCode, QStringLiteral("该端口正被其他程序占用，请关闭该程序后再试。"),
                    QStringLiteral("The port is in use by another program. Close that program, "
                                   "then try again."));
}

QString portPermissionDenied(int languageCode, const QString& group) {
    return pickText(
               languageCode,
               QStringLiteral("没有使用该端口的权限。请加入拥有该端口的用户组，然后重新登录："),
               QStringLiteral("Permission denied. Join the group that owns the port, then "
                              "log in again: ")) +
           QStringLiteral("sudo usermod -aG %1 $USER").arg(group);
}

QString portCannotOpen(int languageCode, const QString& reason) {
    return pickText(languageCode, QStringLiteral("无法打开：%1"),
                    QStringLiteral("Cannot be opened: %1"))
        .arg(reason);
}

Message portNotOpen(int languageCode) {
    return {pickText(languageCode,
                     QStringLiteral("通信端口未打开，请先选择菜单“通信端口”打开其串口！"),
                     QStringLiteral("Communication port not open, please first selection menu "
                                    "'communication port' to open its serial ports!")),
            MsgInformation,
            {}};
}

Message communicationError(int languageCode) {
    return {pickText(languageCode,
                     QStringLiteral("通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！"),
                     QStringLiteral("Communication error, please check the intercom model, fault, "
                                    "attachment and computer serial choice!")),
            MsgCritical,
            {}};
}

Message passwordIncorrect(int languageCode) {
    return {pickText(languageCode, QStringLiteral("密码不正确"),
                     QStringLiteral("Password is not correct")),
            MsgOk,
            {}};
}

Message sessionRunning(int languageCode) {
    return {busy(languageCode), MsgInformation, {}};
}

} // namespace q716::linktext
