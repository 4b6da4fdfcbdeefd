#include "channels/ChannelClipboard.h"

#include "channels/ChannelTable.h"
#include "channels/Vocabulary.h"
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
            if (!cell.isString() || !item.isDouble() || item.toInt(-1) < 0 ||
                item.toInt(-1) >= ToneCount)
                return std::nullopt;
            ch.cells[col] = cell.toString();
            ch.index[col] = item.toInt();
        }
        channels.push_back(std::move(ch));
    }
    return channels;
}

PastedText channelsFromText(const QString& text, int first, int band, int languageCode) {
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    const QChar separator =
        firstLine.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
    CsvChannelList list = readChannelCsv(text.toUtf8(), separator);
    if (list.refusal)
        return {{}, textRefusedMessage(importIssueText(*list.refusal, languageCode), languageCode)};
    const int count = int(list.rows.size());
    if (count == 0)
        return {};
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
    ChannelGrid& grid = state.form1.grid;
    const ChannelGrid before = grid;
    ChannelRows selection;
    for (int i = 0; i < count; ++i) {
        const int row = first + i;
        for (int col = 1; col < GridColumns; ++col) {
            grid.cells[row][col] = pasted.cells[i + 1][col];
            grid.index[row][col] = pasted.index[i + 1][col];
        }
        selection.push_back(row);
    }
    return {grid != before, std::nullopt, selection};
}

} // namespace q716
