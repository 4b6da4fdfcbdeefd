#pragma once
// The channels selected through the heading column of the grid: a click
// selects one, Shift extends from the anchor, Ctrl adds or removes one. The
// cells keep their own current cell for the in-place editors.

#include "channels/RowOperations.h"

#include <QObject>

namespace q716 {

class RowSelection : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    const ChannelRows& rows() const { return rows_; }
    bool isEmpty() const { return rows_.empty(); }
    bool contains(int row) const;
    int anchor() const { return anchor_; }
    // The end that Shift+arrow keys move.
    int focusRow() const { return focus_; }

    void select(int row);
    void extendTo(int row);
    void toggle(int row);
    // The channels an operation left selected.
    void setRows(const ChannelRows& rows);
    void clear();

  signals:
    void changed();

  private:
    void set(ChannelRows rows, int anchor, int focus);

    ChannelRows rows_;
    int anchor_ = 0;
    int focus_ = 0;
};

} // namespace q716
