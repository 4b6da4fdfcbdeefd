#include "channels/ChannelClipboard.h"

#include "channels/CellRules.h"
#include "channels/ChannelTable.h"
#include "channels/Vocabulary.h"
#include "compare/EditorFields.h"
#include "interchange/ChirpVocabulary.h"
#include "interchange/CsvExport.h"
#include "interchange/CsvImport.h"
#include "interchange/CsvRecords.h"
#include "interchange/ImportReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace q716 {

namespace {

const QString OwnFormName = QStringLiteral("q716-channels");
constexpr int OwnFormVersion = 1;

ChannelGrid gridOf(const std::vector<CopiedChannel>& channels) {
    ChannelGrid grid;
    for (size_t i = 0; i < channels.size() && i < size_t(ChannelCount); ++i) {
        grid.cells[i + 1] = channels[i].cells;
        grid.index[i + 1] = channels[i].index;
    }
    return grid;
}

Message doesNotFitMessage(int count, int first, int languageCode) {
    const int room = ChannelCount - first + 1;
    return {pickText(
                languageCode,
                QStringLiteral("剪贴板上有 %1 个信道，从信道 %2 起只能放下 %3 个（最多到信道 16）。"
                               "没有粘贴任何信道。请选择更靠前的信道，或少复制一些信道。"),
                QStringLiteral("The clipboard holds %1 channels; from channel %2 on only %3 "
                               "fit (up to channel 16). Nothing was pasted. Select a channel "
                               "further up or copy fewer channels."))
                .arg(count)
                .arg(first)
                .arg(room),
            MsgCritical, QString()};
}

Message channelsRefusedMessage(const QStringList& reasons, int languageCode) {
    return {pickText(languageCode,
                     QStringLiteral("剪贴板上的信道无法粘贴：\n%1\n没有粘贴任何信道。"),
                     QStringLiteral("The channels on the clipboard cannot be pasted:\n%1\nNothing "
                                    "was pasted."))
                .arg(reasons.join(QLatin1Char('\n'))),
            MsgCritical, QString()};
}

Message noHeaderMessage(int languageCode) {
    return {pickText(languageCode,
                     QStringLiteral("剪贴板上的文字没有标题行。粘贴需要在本程序中复制的信道，"
                                    "或上面带有 CSV 信道列表标题行（Location、Frequency……）"
                                    "的表格行：请把标题行和这些行一起复制。没有粘贴任何信道。"),
                     QStringLiteral("The text on the clipboard has no header line. Paste takes "
                                    "channels copied in this program, or spreadsheet rows with "
                                    "the header line of a CSV channel list (Location, Frequency, "
                                    "...) above them: copy the header line together with the "
                                    "rows. Nothing was pasted.")),
            MsgCritical, QString()};
}

Message headerOnlyMessage(int languageCode) {
    return {pickText(languageCode,
                     QStringLiteral("剪贴板上的文字只有标题行，没有信道行。请把标题行下面的信道行"
                                    "一起复制。没有粘贴任何信道。"),
                     QStringLiteral("The text on the clipboard holds the header line but no "
                                    "channel rows. Copy the rows under the header line together "
                                    "with it. Nothing was pasted.")),
            MsgCritical, QString()};
}

// Why a channel of the own form cannot be pasted, one text per cell.
class OwnFormCheck {
  public:
    OwnFormCheck(int band, int languageCode)
        : limits_(bandLimits(band)), band_(band), lang_(languageCode) {}

    // The channel as the table takes it; reasons_ says what refused it.
    CopiedChannel check(const CopiedChannel& in) {
        reasons_.clear();
        CopiedChannel out;
        if (in.cells[1].isEmpty())
            return out; // an empty channel: pasting it empties the place
        out.cells[1] = frequency(in.cells[1], 1);
        out.cells[3] = in.cells[3].isEmpty() ? QString() : frequency(in.cells[3], 3);
        for (int col : {2, 4}) {
            const bool noCell = col == 4 && out.cells[3].isEmpty();
            tone(in, col, noCell, out);
        }
        for (int col = 5; col <= 8; ++col)
            flag(in, col, out);
        return out;
    }
    const QStringList& reasons() const { return reasons_; }

  private:
    QString name(int col) const {
        static const FieldKind kinds[] = {
            FieldKind::RxFrequency, FieldKind::RxFrequency, FieldKind::RxTone,
            FieldKind::TxFrequency, FieldKind::TxTone,      FieldKind::Power,
            FieldKind::Forbid,      FieldKind::Bandwidth,   FieldKind::Scan};
        return fieldName({kinds[col], 1}, lang_);
    }

    // The typed-frequency rule; a value it would move to the raster is
    // refused, as nothing pasted may change without a word.
    QString frequency(const QString& text, int col) {
        const FrequencyCommit c =
            commitFrequency(text, col, false, limits_.low, limits_.high, lang_);
        if (c.kind != FrequencyCommit::Kind::SetText) {
            reasons_ << (c.message ? pickText(lang_, QStringLiteral("%1 %2 超出频段 %3"),
                                              QStringLiteral("%1 %2 is outside the band %3"))
                                         .arg(name(col), text, bandItem(band_))
                                   : pickText(lang_, QStringLiteral("%1“%2”不是数字"),
                                              QStringLiteral("%1 \"%2\" is not a number"))
                                         .arg(name(col), text));
            return QString();
        }
        if (formatFiveDecimals(text) != c.text)
            reasons_ << pickText(lang_, QStringLiteral("%1 %2 不在 5 kHz / 6.25 kHz 步进上"),
                                 QStringLiteral("%1 %2 is not on the 5 kHz / 6.25 kHz raster"))
                            .arg(name(col), text);
        return c.text;
    }

    bool indexOutside(const CopiedChannel& in, int col, int count) {
        if (in.index[col] >= 0 && in.index[col] < count)
            return false;
        reasons_ << pickText(lang_, QStringLiteral("%1的列表位置 %2 超出 0..%3"),
                             QStringLiteral("%1 list position %2 is outside 0..%3"))
                        .arg(name(col))
                        .arg(in.index[col])
                        .arg(count - 1);
        return true;
    }

    void tone(const CopiedChannel& in, int col, bool noCell, CopiedChannel& out) {
        if (indexOutside(in, col, ToneCount))
            return;
        const QString& text = in.cells[col];
        if (text.isEmpty() || isNoToneText(text)) {
            out.cells[col] = noCell ? QString() : toneItem(0, lang_);
            out.index[col] = 0;
            return;
        }
        if (commitTone(text) != text) {
            reasons_ << pickText(lang_, QStringLiteral("%1“%2”不是本机可用的 CTCSS 或 DCS 亚音频"),
                                 QStringLiteral("%1 \"%2\" is no CTCSS or DCS tone this radio "
                                                "takes"))
                            .arg(name(col), text);
            return;
        }
        out.cells[col] = text;
        out.index[col] = in.index[col];
    }

    void flag(const CopiedChannel& in, int col, CopiedChannel& out) {
        if (indexOutside(in, col, 2))
            return;
        const std::optional<int> entry = flagEntry(col, in.cells[col]);
        if (entry != in.index[col]) {
            reasons_ << pickText(lang_, QStringLiteral("%1“%2”不是列表位置 %3 的选项"),
                                 QStringLiteral("%1 \"%2\" is not the entry of list position %3"))
                            .arg(name(col), in.cells[col])
                            .arg(in.index[col]);
            return;
        }
        out.cells[col] = flagItem(col, *entry, lang_);
        out.index[col] = *entry;
    }

    BandLimits limits_;
    int band_;
    int lang_;
    QStringList reasons_;
};

Message textRefusedMessage(const QString& reason, int languageCode) {
    return {pickText(languageCode, QStringLiteral("剪贴板上的文字无法粘贴：%1\n没有粘贴任何信道。"),
                     QStringLiteral("The text on the clipboard cannot be pasted: %1\nNothing was "
                                    "pasted."))
                .arg(reason),
            MsgCritical, QString()};
}

} // namespace

std::vector<CopiedChannel> copyChannels(const ChannelGrid& grid, const ChannelRows& rows) {
    std::vector<CopiedChannel> copied;
    for (int row : normalisedRows(rows))
        copied.push_back({grid.cells[row], grid.index[row]});
    for (CopiedChannel& ch : copied) {
        ch.cells[0].clear(); // the channel number is the place, not data
        ch.index[0] = 0;
    }
    return copied;
}

QString channelsAsText(const std::vector<CopiedChannel>& channels) {
    const ChannelGrid grid = gridOf(channels);
    const QChar tab(QLatin1Char('\t'));
    QString text = csvLine(csvHeader(), tab);
    for (int row = 1; row <= int(channels.size()) && row <= ChannelCount; ++row)
        if (grid.inUse(row))
            text += csvLine(exportedFields(grid, row), tab);
    return text;
}

QByteArray channelsAsOwnForm(const std::vector<CopiedChannel>& channels) {
    QJsonArray list;
    for (const CopiedChannel& ch : channels) {
        QJsonArray cells, index;
        for (int col = 1; col < GridColumns; ++col) {
            cells.append(ch.cells[col]);
            index.append(ch.index[col]);
        }
        list.append(
            QJsonObject{{QStringLiteral("cells"), cells}, {QStringLiteral("index"), index}});
    }
    const QJsonObject root{{QStringLiteral("format"), OwnFormName},
                           {QStringLiteral("version"), OwnFormVersion},
                           {QStringLiteral("channels"), list}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<std::vector<CopiedChannel>> channelsFromOwnForm(const QByteArray& bytes) {
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != OwnFormName ||
        root.value(QStringLiteral("version")).toInt() != OwnFormVersion)
        return std::nullopt;
    const QJsonArray list = root.value(QStringLiteral("channels")).toArray();
    if (list.isEmpty() || list.size() > ChannelCount)
        return std::nullopt;
    std::vector<CopiedChannel> channels;
    for (const QJsonValue& value : list) {
        const QJsonArray cells = value.toObject().value(QStringLiteral("cells")).toArray();
        const QJsonArray index = value.toObject().value(QStringLiteral("index")).toArray();
        if (cells.size() != GridColumns - 1 || index.size() != GridColumns - 1)
            return std::nullopt;
        CopiedChannel ch;
        for (int col = 1; col < GridColumns; ++col) {
            const QJsonValue cell = cells[col - 1];
            const QJsonValue item = index[col - 1];
            if (!cell.isString() || !item.isDouble())
                return std::nullopt;
            ch.cells[col] = cell.toString();
            ch.index[col] = item.toInt(-1); // a fraction or a huge number is no position
        }
        channels.push_back(std::move(ch));
    }
    return channels;
}

PastedText checkOwnFormChannels(const std::vector<CopiedChannel>& channels, int first, int band,
                                int languageCode) {
    OwnFormCheck check(band, languageCode);
    PastedText pasted;
    QStringList refused;
    for (size_t i = 0; i < channels.size(); ++i) {
        pasted.channels.push_back(check.check(channels[i]));
        for (const QString& reason : check.reasons())
            refused << pickText(languageCode, QStringLiteral("信道 %1（剪贴板上第 %2 个）：%3"),
                                QStringLiteral("channel %1 (number %2 on the clipboard): %3"))
                           .arg(first + int(i))
                           .arg(i + 1)
                           .arg(reason);
    }
    if (!refused.isEmpty())
        return {{}, channelsRefusedMessage(refused, languageCode)};
    return pasted;
}

PastedText channelsFromText(const QString& text, int first, int band, int languageCode) {
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    if (!firstLine.contains(QLatin1String("Location")) &&
        !firstLine.contains(QLatin1String("Frequency")))
        return {{}, noHeaderMessage(languageCode)};
    const QChar separator =
        firstLine.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
    CsvChannelList list = readChannelCsv(text.toUtf8(), separator);
    if (list.refusal)
        return {{}, textRefusedMessage(importIssueText(*list.refusal, languageCode), languageCode)};
    const int count = int(list.rows.size());
    if (count == 0)
        return {{}, headerOnlyMessage(languageCode)};
    if (first < 1 || first + count - 1 > ChannelCount)
        return {{}, doesNotFitMessage(count, first, languageCode)};
    placeRowsFrom(list, 1);
    const CsvImportPlan plan = planCsvImport(list, band);
    for (const ImportIssue& issue : plan.issues)
        if (issue.skipsRow())
            return {{}, textRefusedMessage(importIssueText(issue, languageCode), languageCode)};
    ChannelGrid grid;
    PastedText pasted;
    for (int row = 1; row <= count; ++row) {
        if (!plan.channels[row])
            return {};
        setImportedChannel(grid, row, *plan.channels[row], languageCode);
        pasted.channels.push_back({grid.cells[row], grid.index[row]});
    }
    return pasted;
}

RowOperationResult pasteChannels(EditorState& state, int first,
                                 const std::vector<CopiedChannel>& channels, int languageCode) {
    const int count = int(channels.size());
    if (count == 0 || first < 1 || first > ChannelCount)
        return {};
    if (first + count - 1 > ChannelCount)
        return {false, doesNotFitMessage(count, first, languageCode), {first}};
    // List texts of another language (copied in the other one) follow this one.
    ChannelGrid pasted = gridOf(channels);
    SetGrid1Text(pasted, languageCode);
    const EditorState before = state;
    ChannelGrid& grid = state.form1.grid;
    ChannelRows selection;
    for (int i = 0; i < count; ++i) {
        const int row = first + i;
        for (int col = 1; col < GridColumns; ++col) {
            grid.cells[row][col] = pasted.cells[i + 1][col];
            grid.index[row][col] = pasted.index[i + 1][col];
        }
        selection.push_back(row);
    }
    ChannelRows emptied;
    for (int row : selection)
        if (!grid.inUse(row))
            emptied.push_back(row);
    const std::optional<Message> message = priorityAfterEmptying(state, emptied);
    return {state != before, message, selection};
}

} // namespace q716
