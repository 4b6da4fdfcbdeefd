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

QString optionText(int languageCode, int number) {
    return pickText(languageCode, QStringLiteral("文字 %1"), QStringLiteral("text %1")).arg(number);
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

QString verifyMismatchHeadline(int languageCode) {
    return pickText(languageCode, QStringLiteral("校验失败：对讲机读回的数据与写入的不同。"),
                    QStringLiteral("Verify failed: the radio reads back other data than was "
                                   "written."));
}

Message verifyMismatch(int languageCode, const QStringList& lines) {
    return {verifyMismatchHeadline(languageCode) + QStringLiteral("\n\n") +
                lines.join(QLatin1Char('\n')),
            MsgWarning,
            {}};
}

Message verifyNotRun(int languageCode, const QString& reason) {
    return {pickText(languageCode,
                     QStringLiteral("写频成功！但写后校验未能进行：%1\n\n"
                                    "对讲机已收到写入的数据，只是没有读回核对。"),
                     QStringLiteral("Write frequency success! The check after writing could not "
                                    "run: %1\n\nThe radio took the write; it was not read back "
                                    "to check it."))
                .arg(reason),
            MsgWarning,
            {}};
}

QString verifyNotRunStatus(int languageCode) {
    return pickText(languageCode, QStringLiteral("写频成功！（未校验）"),
                    QStringLiteral("Write frequency success! (not verified)"));
}

QString portClosedBeforeCheck(int languageCode) {
    return pickText(languageCode, QStringLiteral("写频后串口已关闭。"),
                    QStringLiteral("the serial port closed after the write."));
}

Message readBeforeWriteFailed(int languageCode, const QString& reason) {
    return {pickText(languageCode, QStringLiteral("写频前读取对讲机未成功，没有写频：%1"),
                     QStringLiteral("Reading the radio before writing failed; nothing was "
                                    "written: %1"))
                .arg(reason),
            MsgWarning,
            {}};
}

QString verifyLine(int languageCode, int address, const QString& meaning, int written, int read) {
    const auto hex = [](int value, int digits) {
        return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
    };
    return pickText(languageCode, QStringLiteral("0x%1  %2（写入 %3，读回 %4）"),
                    QStringLiteral("0x%1  %2 (written %3, read %4)"))
        .arg(hex(address, 4), meaning, hex(written, 2), hex(read, 2));
}

namespace {

QString hexByte(int value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString notStoredLine(int languageCode, const QString& name, const QString& shown,
                      const QString& stored) {
    const QString empty =
        pickText(languageCode, QStringLiteral("（空）"), QStringLiteral("(empty)"));
    return pickText(languageCode, QStringLiteral("%1：%2 \u2192 %3"),
                    QStringLiteral("%1: %2 \u2192 %3"))
        .arg(name, shown.isEmpty() ? empty : shown, stored.isEmpty() ? empty : stored);
}

Message notStoredQuestion(int languageCode, bool save, const QString& list) {
    const QString text =
        save ? pickText(languageCode, QStringLiteral("以下数值无法存储，保存时将按右侧所示保存："),
                        QStringLiteral("These values cannot be stored and would be saved as "
                                       "shown on the right:"))
             : pickText(languageCode, QStringLiteral("以下数值无法存储，写频时将按右侧所示写入："),
                        QStringLiteral("These values cannot be stored and would be written as "
                                       "shown on the right:"));
    const QString anyway =
        save ? pickText(languageCode, QStringLiteral("仍然保存"), QStringLiteral("Save anyway"))
             : pickText(languageCode, QStringLiteral("仍然写入"), QStringLiteral("Write anyway"));
    Message m{text, MsgOkCancelExclamation, {}, {{ResultOk, anyway}}};
    m.details = list;
    return m;
}

Message notStoredNotice(int languageCode, const QString& list) {
    Message m{
        pickText(languageCode,
                 QStringLiteral("载入的内容中有无法存储的数值：保存或写频时将按右侧所示存储。"),
                 QStringLiteral("What was loaded holds values that cannot be stored: a save "
                                "or a write would store them as shown on the right.")),
        MsgWarning,
        {}};
    m.details = list;
    return m;
}

QString unshownByteLine(int languageCode, int address, const QString& meaning, int held, int sent) {
    return pickText(languageCode, QStringLiteral("0x%1  %2（对讲机中为 %3，写频时写入 %4）"),
                    QStringLiteral("0x%1  %2 (the radio holds %3, a write sends %4)"))
        .arg(QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper(), meaning,
             hexByte(held), hexByte(sent));
}

} // namespace q716::comparetext
