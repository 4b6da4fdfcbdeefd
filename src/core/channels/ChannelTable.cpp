#include "channels/ChannelTable.h"

#include "channels/Vocabulary.h"

namespace q716 {

void ClearNO(ChannelGrid& grid, int row) {
    for (int col = 1; col < GridColumns; ++col) {
        grid.cells[row][col].clear();
        grid.index[row][col] = 0;
    }
}

void ClearGrid(ChannelGrid& grid) {
    for (int row = 1; row <= ChannelCount; ++row)
        ClearNO(grid, row);
}

void ClearGrid1(ChannelGrid& grid) {
    for (int row = 1; row <= ChannelCount; ++row) {
        if (!grid.inUse(row))
            continue;
        for (int col = 1; col < GridColumns; ++col)
            grid.cells[row][col].clear();
    }
}

void SetGrid1Text(ChannelGrid& grid, int languageCode) {
    for (int row = 1; row <= ChannelCount; ++row) {
        if (!grid.inUse(row))
            continue;
        for (int col : {2, 4})
            if (isNoToneText(grid.cells[row][col]))
                grid.cells[row][col] = noToneText(languageCode);
        for (int col = 5; col <= 8; ++col)
            grid.cells[row][col] = flagItem(col, grid.index[row][col], languageCode);
    }
}

void applyNewChannelDefaults(ChannelGrid& grid, int row, int languageCode) {
    auto& cells = grid.cells[row];
    auto& index = grid.index[row];
    cells[3] = cells[1];
    for (int col : {2, 4}) {
        cells[col] = noToneText(languageCode);
        index[col] = 0;
    }
    const int entries[4] = {1, 0, 1, 1}; // high power, forbid off, wide, scanned
    for (int col = 5; col <= 8; ++col) {
        index[col] = entries[col - 5];
        cells[col] = flagItem(col, index[col], languageCode);
    }
}

Message newTableQuestion(int languageCode) {
    return {pickText(languageCode, QStringLiteral("所有信道的数据将被清除！"),
                     QStringLiteral("All channel data will be clear.")),
            MsgOkCancelExclamation,
            pickText(languageCode, QStringLiteral("警告"), QStringLiteral("Warnning"))};
}

void answerNewTable(ChannelGrid& grid, int result) {
    if (result != ResultCancel)
        ClearGrid1(grid);
}

void runNewCommand(ChannelGrid& grid, int languageCode, const MessageFn& ask) {
    answerNewTable(grid, ask(newTableQuestion(languageCode)));
}

} // namespace q716
