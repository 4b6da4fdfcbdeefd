#include "dialogs/PriorityRules.h"

namespace q716 {

namespace {
constexpr int PriorityFixed = 1;
}

void choosePriorityMode(EditorState& state, int index, const MessageFn& show) {
    OptionsDialogState& d = state.form5;
    d.combo11 = index;
    if (index != PriorityFixed)
        return;
    for (int row = 1; row <= ChannelCount; ++row) {
        if (state.form1.grid.inUse(row)) {
            d.priorityChannelMemo = row;
            d.combo12 = row - 1;
            return;
        }
    }
    // These two messages exist in Chinese only.
    if (show)
        show({QStringLiteral("当设定为‘固定’时信道不可为空，请重设！"), MsgOk,
              QStringLiteral("提示")});
    d.combo11 = 0;
}

void choosePreferredChannel(EditorState& state, int index, const MessageFn& show) {
    OptionsDialogState& d = state.form5;
    d.combo12 = index;
    if (d.combo11 != PriorityFixed || index < 0 || index >= ChannelCount)
        return;
    if (state.form1.grid.inUse(index + 1))
        return;
    if (show)
        show({QStringLiteral("不可选择空信道，请重新选择！"), MsgOk, QString()});
    d.combo12 = d.priorityChannelMemo - 1; // -1 (no selection) until a memo exists
}

} // namespace q716
