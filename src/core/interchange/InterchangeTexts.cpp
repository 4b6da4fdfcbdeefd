#include "interchange/InterchangeTexts.h"

#include "channels/Vocabulary.h"
#include "compare/EditorFields.h"

#include <QDir>

namespace q716 {

QStringList importSummaryLines(const CsvImportPlan& plan, int lang) {
    QStringList lines;
    lines << pickText(lang, QStringLiteral("设置信道：%1。文件中的行：%2。跳过的行：%3。"),
                      QStringLiteral("Channels set: %1. Rows in the file: %2. Rows skipped: %3."))
                 .arg(plan.channelsSet())
                 .arg(plan.rows)
                 .arg(plan.rowsSkipped);
    if (plan.setsNothing() && plan.rows == 0)
        lines << pickText(lang, QStringLiteral("文件中只有标题行，没有信道行；信道表保持不变。"),
                          QStringLiteral("The file holds a header line but no channel rows, so "
                                         "the channel table stays as it is."));
    else if (plan.setsNothing())
        lines << pickText(lang,
                          QStringLiteral("没有能导入的行，信道表保持不变。"
                                         "请按下面列出的原因修改这些行，然后重新导入。"),
                          QStringLiteral("No row can be imported, so the channel table stays as "
                                         "it is. Correct the rows by the reasons listed below, "
                                         "then import again."));
    else
        lines << pickText(lang,
                          QStringLiteral("其余信道将被清空；功能设置、对话框的数值和密码不变。"),
                          QStringLiteral("The other channels become empty; the function "
                                         "settings, the dialogs' values and the password stay "
                                         "as they are."));
    if (plan.fileOrderReason)
        lines << importIssueText(*plan.fileOrderReason, lang);
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

namespace {

FieldKind cellKind(int column) {
    constexpr FieldKind kinds[] = {
        FieldKind::RxFrequency, FieldKind::RxTone, FieldKind::TxFrequency, FieldKind::TxTone,
        FieldKind::Power,       FieldKind::Forbid, FieldKind::Bandwidth,   FieldKind::Scan};
    return kinds[qBound(1, column, 8) - 1];
}

} // namespace

QString exportIssueText(const ExportIssue& issue, int lang) {
    using K = ExportIssue::Kind;
    QString cell = fieldLongName({cellKind(issue.column), issue.channel}, lang);
    cell[0] = cell[0].toUpper();
    switch (issue.kind) {
    case K::ChannelLeftOut:
        return pickText(lang, QStringLiteral("%1“%2”不是频率，此信道未导出。"),
                        QStringLiteral("%1 \"%2\" is no frequency, so the channel is left out."))
            .arg(cell, issue.cell);
    case K::ReceiveOnly:
        return pickText(lang, QStringLiteral("%1“%2”不是频率，此信道按只接收（Duplex off）导出。"),
                        QStringLiteral("%1 \"%2\" is no frequency, so the channel is written "
                                       "receive-only (Duplex off)."))
            .arg(cell, issue.cell);
    case K::NoTone:
        return pickText(lang, QStringLiteral("%1“%2”不是本机能存的亚音频，按无亚音频导出。"),
                        QStringLiteral("%1 \"%2\" is no tone the radio stores, so it is written "
                                       "as no tone."))
            .arg(cell, issue.cell);
    case K::ListDefault:
        return pickText(lang, QStringLiteral("%1“%2”不是列表中的项，按“%3”导出。"),
                        QStringLiteral("%1 \"%2\" is no entry of its list, so it is written as "
                                       "\"%3\"."))
            .arg(cell, issue.cell, flagItem(issue.column, issue.entry, lang));
    }
    return QString();
}

Message exportChangesMessage(const std::vector<ExportIssue>& issues, int lang) {
    QStringList lines{pickText(lang,
                               QStringLiteral("CSV 文件已写入，但下列信道未导出或已改动，"
                                              "请在信道表中修正后重新导出："),
                               QStringLiteral("The CSV file is written, but it leaves out or "
                                              "changes these channels; correct them in the "
                                              "channel table and export again:"))};
    for (const ExportIssue& issue : issues)
        lines << exportIssueText(issue, lang);
    return {lines.join(QLatin1Char('\n')), MsgCritical, QString()};
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
