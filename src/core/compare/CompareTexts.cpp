#include "compare/CompareTexts.h"

namespace q716::comparetext {

QString channel(int languageCode, int channel) {
    return pickText(languageCode, QStringLiteral("信道 %1"), QStringLiteral("channel %1"))
        .arg(channel);
}

QString rxTone(int languageCode) {
    return pickText(languageCode, QStringLiteral("接收亚音频"), QStringLiteral("RX QT/DQT"));
}

QString txTone(int languageCode) {
    return pickText(languageCode, QStringLiteral("发射亚音频"), QStringLiteral("TX QT/DQT"));
}

QString fixedData(int languageCode) {
    return pickText(languageCode, QStringLiteral("固定数据"), QStringLiteral("fixed data"));
}

QString verifyOk(int languageCode) {
    return pickText(languageCode, QStringLiteral("校验成功"), QStringLiteral("Verify OK"));
}

QString verifyFailed(int languageCode) {
    return pickText(languageCode, QStringLiteral("校验失败！"), QStringLiteral("Verify failed!"));
}

Message verifyMismatch(int languageCode, const QStringList& lines, int more) {
    QString text =
        pickText(languageCode, QStringLiteral("校验失败：对讲机读回的数据与写入的不同。\n\n"),
                 QStringLiteral("Verify failed: the radio reads back other data than "
                                "was written.\n\n")) +
        lines.join(QLatin1Char('\n'));
    if (more > 0)
        text += QLatin1Char('\n') + pickText(languageCode, QStringLiteral("……另有 %1 处"),
                                             QStringLiteral("... and %1 more"))
                                        .arg(more);
    return {text, MsgWarning, {}};
}

QString verifyLine(int languageCode, int address, const QString& meaning, int written, int read) {
    const auto hex = [](int value, int digits) {
        return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
    };
    return pickText(languageCode, QStringLiteral("0x%1  %2（写入 %3，读回 %4）"),
                    QStringLiteral("0x%1  %2 (written %3, read %4)"))
        .arg(hex(address, 4), meaning, hex(written, 2), hex(read, 2));
}

} // namespace q716::comparetext
