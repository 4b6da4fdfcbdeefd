#include "interchange/InterchangeTexts.h"

#include "channels/Vocabulary.h"

#include <QDir>

namespace q716 {

QStringList importSummaryLines(const CsvImportPlan& plan, int lang) {
    QStringList lines;
    lines << pickText(lang, QStringLiteral("设置信道：%1。文件中的行：%2。跳过的行：%3。"),
                      QStringLiteral("Channels set: %1. Rows in the file: %2. Rows skipped: %3."))
                 .arg(plan.channelsSet())
                 .arg(plan.rows)
                 .arg(plan.rowsSkipped);
    lines << pickText(lang, QStringLiteral("其余信道将被清空；功能设置、对话框的数值和密码不变。"),
                      QStringLiteral("The other channels become empty; the function settings, the "
                                     "dialogs' values and the password stay as they are."));
    if (plan.namesDropped > 0)
        lines << pickText(lang, QStringLiteral("未导入的名称（本机没有信道名称）：%1。"),
                          QStringLiteral("Names dropped (this radio has no channel names): %1."))
                     .arg(plan.namesDropped);
    if (plan.rowsOutsideBand > 0) {
        const QString band = bandItem(plan.band);
        if (plan.bandHoldingAll)
            lines << pickText(lang,
                              QStringLiteral("超出频段 %2 的行：%1。频段 %3 能容纳全部的行："
                                             "在“频段”列表中选择它，然后重新导入。"),
                              QStringLiteral("Rows outside the band %2: %1. The band %3 holds "
                                             "them all: choose it in the band list, then import "
                                             "again."))
                         .arg(QString::number(plan.rowsOutsideBand), band,
                              bandItem(*plan.bandHoldingAll));
        else
            lines << pickText(lang,
                              QStringLiteral("超出频段 %2 的行：%1。没有能容纳全部的行的频段。"),
                              QStringLiteral("Rows outside the band %2: %1. No band holds them "
                                             "all."))
                         .arg(QString::number(plan.rowsOutsideBand), band);
    }
    return lines;
}

Message importRefusedMessage(const QString& path, const ImportIssue& refusal, int lang) {
    return {
        pickText(lang, QStringLiteral("无法导入 %1：%2"), QStringLiteral("Cannot import %1: %2"))
            .arg(QDir::toNativeSeparators(path), importIssueText(refusal, lang)),
        MsgCritical, QString()};
}

Message fileUnreadableMessage(const QString& path, int lang) {
    return {pickText(lang, QStringLiteral("无法读取文件 %1。"),
                     QStringLiteral("The file %1 cannot be read."))
                .arg(QDir::toNativeSeparators(path)),
            MsgCritical, QString()};
}

} // namespace q716
