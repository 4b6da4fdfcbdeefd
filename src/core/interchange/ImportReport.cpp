#include "interchange/ImportReport.h"

#include "channels/Vocabulary.h"
#include "shell/Messages.h"

namespace q716 {

namespace {

QString sideName(ChannelSide side, int lang) {
    if (side == ChannelSide::Transmit)
        return pickText(lang, QStringLiteral("发射"), QStringLiteral("transmit"));
    return pickText(lang, QStringLiteral("接收"), QStringLiteral("receive"));
}

bool placesRows(ImportProblem problem) {
    return problem == ImportProblem::LocationNotAChannel ||
           problem == ImportProblem::LocationRepeated;
}

QString where(const ImportIssue& i, int lang) {
    // The reason for file order names its lines itself.
    if (i.line <= 0 || placesRows(i.problem))
        return QString();
    if (i.location.isEmpty())
        return pickText(lang, QStringLiteral("第 %1 行："), QStringLiteral("Line %1: "))
            .arg(i.line);
    return pickText(lang, QStringLiteral("第 %1 行（Location %2）："),
                    QStringLiteral("Line %1 (Location %2): "))
        .arg(i.line)
        .arg(i.location);
}

QString what(const ImportIssue& i, int lang) {
    const QString side = sideName(i.side, lang);
    switch (i.problem) {
    case ImportProblem::FileEmpty:
        return pickText(lang, QStringLiteral("文件是空的，没有标题行，无法导入。"),
                        QStringLiteral("The file is empty: it has no header line, so it cannot "
                                       "be imported."));
    case ImportProblem::MissingColumn:
        return pickText(lang, QStringLiteral("文件缺少“%1”列，无法导入。"),
                        QStringLiteral("The file has no \"%1\" column, so it cannot be imported."))
            .arg(i.value);
    case ImportProblem::UnclosedQuote:
        return pickText(lang, QStringLiteral("第 %1 行开始的带引号字段没有结束，文件无法导入。"),
                        QStringLiteral("The quoted field that starts on line %1 never closes, so "
                                       "the file cannot be imported."))
            .arg(i.value);
    case ImportProblem::LocationNotAChannel:
        return pickText(lang,
                        QStringLiteral("第 %1 行的 Location“%2”不是 1–16 的信道号，"
                                       "各行按文件中的顺序填入信道。"),
                        QStringLiteral("Location \"%2\" on line %1 is no channel number 1–16; rows "
                                       "fill channels in file order."))
            .arg(QString::number(i.line), i.location);
    case ImportProblem::LocationRepeated:
        return pickText(lang,
                        QStringLiteral("Location %1 出现了两次（第 %2 行和第 %3 行），"
                                       "各行按文件中的顺序填入信道。"),
                        QStringLiteral("Location %1 appears twice (lines %2 and %3); rows fill "
                                       "channels in file order."))
            .arg(i.location, i.value, QString::number(i.line));
    case ImportProblem::NoChannelLeft:
        return pickText(lang, QStringLiteral("16 个信道已被前面的行占满，此行未导入。"),
                        QStringLiteral("all 16 channels are taken by earlier rows; row skipped."));
    case ImportProblem::FrequencyNotANumber:
        return pickText(lang, QStringLiteral("频率“%1”不是数字，此行未导入。"),
                        QStringLiteral("frequency \"%1\" is not a number; row skipped."))
            .arg(i.value);
    case ImportProblem::ReceiveOutsideBand:
    case ImportProblem::TransmitOutsideBand:
        return pickText(lang, QStringLiteral("%1频率 %2 超出频段 %3，此行未导入。"),
                        QStringLiteral("%1 frequency %2 is outside the band %3; row skipped."))
            .arg(side, i.value, bandItem(i.band));
    case ImportProblem::OffsetNotANumber:
        return pickText(lang, QStringLiteral("频差“%1”不是数字，此行未导入。"),
                        QStringLiteral("offset \"%1\" is not a number; row skipped."))
            .arg(i.value);
    case ImportProblem::UnknownDuplex:
        return pickText(lang, QStringLiteral("未知的 Duplex 值“%1”，此行未导入。"),
                        QStringLiteral("unknown Duplex \"%1\"; row skipped."))
            .arg(i.value);
    case ImportProblem::UnsupportedMode:
        return pickText(lang,
                        QStringLiteral("本机不支持模式“%1”（只支持 FM 和 NFM），此行未导入。"),
                        QStringLiteral("this radio has no mode \"%1\" (only FM and NFM); row "
                                       "skipped."))
            .arg(i.value);
    case ImportProblem::FrequencyMoved:
        return pickText(lang, QStringLiteral("%1频率 %2 按 5 kHz / 6.25 kHz 步进存为 %3。"),
                        QStringLiteral("%1 frequency %2 is stored on the 5 kHz / 6.25 kHz raster "
                                       "as %3."))
            .arg(side, i.value, i.detail);
    case ImportProblem::ToneRefused:
        return pickText(lang, QStringLiteral("%1亚音频“%2”无效，不设%1亚音频。"),
                        QStringLiteral("%1 tone \"%2\" is no CTCSS or DCS tone this radio takes; "
                                       "no %1 tone."))
            .arg(side, i.value);
    case ImportProblem::ToneRounded:
        return pickText(lang, QStringLiteral("%1亚音频 %2 按 0.1 Hz 取整为 %3。"),
                        QStringLiteral("%1 tone %2 is rounded to 0.1 Hz as %3."))
            .arg(side, i.value, i.detail);
    case ImportProblem::UnknownToneMode:
        return pickText(lang, QStringLiteral("未知的 Tone 值“%1”，不设亚音频。"),
                        QStringLiteral("unknown Tone \"%1\"; no tones."))
            .arg(i.value);
    case ImportProblem::UnknownCrossMode:
        return pickText(lang, QStringLiteral("未知的 CrossMode 值“%1”，不设亚音频。"),
                        QStringLiteral("unknown CrossMode \"%1\"; no tones."))
            .arg(i.value);
    case ImportProblem::UnknownPolarity:
        return pickText(lang, QStringLiteral("未知的 DtcsPolarity 值“%1”，不设%2亚音频。"),
                        QStringLiteral("unknown DtcsPolarity \"%1\"; no %2 tone."))
            .arg(i.value, side);
    case ImportProblem::UnknownSkip:
        return pickText(lang, QStringLiteral("未知的 Skip 值“%1”，信道保留在扫描列表中。"),
                        QStringLiteral("unknown Skip \"%1\"; the channel stays in the scan list."))
            .arg(i.value);
    case ImportProblem::UnknownPower:
        return pickText(lang, QStringLiteral("未知的功率“%1”，设为高功率。"),
                        QStringLiteral("unknown Power \"%1\"; high power."))
            .arg(i.value);
    }
    return QString();
}

} // namespace

bool ImportIssue::skipsRow() const {
    switch (problem) {
    case ImportProblem::NoChannelLeft:
    case ImportProblem::FrequencyNotANumber:
    case ImportProblem::ReceiveOutsideBand:
    case ImportProblem::TransmitOutsideBand:
    case ImportProblem::OffsetNotANumber:
    case ImportProblem::UnknownDuplex:
    case ImportProblem::UnsupportedMode:
        return true;
    default:
        return false;
    }
}

QString importIssueText(const ImportIssue& issue, int languageCode) {
    return where(issue, languageCode) + what(issue, languageCode);
}

} // namespace q716
