#include "channels/RowSelection.h"

#include <algorithm>

namespace q716 {

bool RowSelection::contains(int row) const {
    return std::binary_search(rows_.begin(), rows_.end(), row);
}

void RowSelection::select(int row) {
    set({row}, row, row);
}

void RowSelection::extendTo(int row) {
    const int from = anchor_ ? anchor_ : row;
    ChannelRows rows;
    for (int r = std::min(from, row); r <= std::max(from, row); ++r)
        rows.push_back(r);
    set(rows, from, row);
}

void RowSelection::toggle(int row) {
    ChannelRows rows = rows_;
    if (contains(row))
        rows.erase(std::find(rows.begin(), rows.end(), row));
    else
        rows.push_back(row);
    set(rows, row, row);
}

void RowSelection::setRows(const ChannelRows& rows) {
    const ChannelRows normal = normalisedRows(rows);
    if (normal.empty()) {
        clear();
        return;
    }
    set(normal, normal.front(), normal.back());
}

void RowSelection::clear() {
    set({}, 0, 0);
}

void RowSelection::set(ChannelRows rows, int anchor, int focus) {
    rows = normalisedRows(std::move(rows));
    if (rows == rows_ && anchor == anchor_ && focus == focus_)
        return;
    rows_ = std::move(rows);
    anchor_ = rows_.empty() ? 0 : anchor;
    focus_ = rows_.empty() ? 0 : focus;
    emit changed();
}

} // namespace q716
