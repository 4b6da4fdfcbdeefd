#include "link/PortTexts.h"

namespace q716::porttext {

Message cableGone(int languageCode, const QString& port) {
    return {pickText(languageCode,
                     QStringLiteral("写频线未连接：%1 已不在。请插上写频线后再试；即使它换了名称，"
                                    "程序也会自动找到它。"),
                     QStringLiteral("The programming cable is not connected: %1 is gone. Plug the "
                                    "cable in, then try again; the program finds it by itself, "
                                    "even under another name."))
                .arg(port),
            MsgInformation,
            {}};
}

Message noCable(int languageCode) {
    return {pickText(languageCode,
                     QStringLiteral("写频线未连接：计算机上没有串口。请插上写频线后再试。"),
                     QStringLiteral("The programming cable is not connected: the computer has no "
                                    "serial port. Plug the cable in, then try again.")),
            MsgInformation,
            {}};
}

QString goneCaption(int languageCode, const QString& caption) {
    return pickText(languageCode, QStringLiteral("%1：未连接"), QStringLiteral("%1: not connected"))
        .arg(caption);
}

QString cableFound(int languageCode, const QString& port) {
    return pickText(languageCode, QStringLiteral("已重新找到写频线，现在使用 %1"),
                    QStringLiteral("Programming cable found again, now using %1"))
        .arg(port);
}

QString otherDeviceCaption(int languageCode, const QString& device) {
    const QString caption =
        pickText(languageCode, QStringLiteral("其他设备…"), QStringLiteral("Other device…"));
    return device.isEmpty() ? caption : caption + QStringLiteral(" (") + device + QLatin1Char(')');
}

QString otherDeviceTitle(int languageCode) {
    return pickText(languageCode, QStringLiteral("其他设备"), QStringLiteral("Other device"));
}

QString otherDevicePrompt(int languageCode) {
    return pickText(languageCode,
                    QStringLiteral("串口设备的路径，例如 /dev/rfcomm0、/dev/pts/3 或 "
                                   "/dev/serial/by-id/ 中的链接："),
                    QStringLiteral("Path of the serial device, for example /dev/rfcomm0, "
                                   "/dev/pts/3 or a link in /dev/serial/by-id/:"));
}

Message otherDeviceRefused(int languageCode, const QString& device, const QString& reason) {
    return {pickText(languageCode,
                     QStringLiteral("无法把 %1 用作通信端口：%2。通信端口保持不变；请检查路径后"
                                    "再试。"),
                     QStringLiteral("%1 cannot be used as the port: %2. The port stays as it "
                                    "was; check the path and try again."))
                .arg(device, reason),
            MsgCritical,
            {}};
}

} // namespace q716::porttext
