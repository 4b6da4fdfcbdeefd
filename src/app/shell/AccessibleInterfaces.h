#pragma once
// What the accessibility bridge reports for the controls whose own report
// misleads a screen reader: lists named by their caption instead of their
// value, and the session's status line as a status bar whose new texts are
// announced.

#include <QLabel>

class QTableView;

namespace q716 {

// Installs the interfaces for the whole program; call once, before the
// first window is built.
void installAccessibleInterfaces();

// When the focus enters `table`, a screen reader hears the current cell (the
// first cell that can be current when none is), not only the table's name.
void announceCurrentCellOnFocus(QTableView* table);

// The status line of the main window: a status bar to a screen reader. Each
// new status is announced once through a notification beside it, so the
// screen reader speaks it without the focus moving; the line's blinking
// during a session announces nothing.
class StatusLine : public QLabel {
    Q_OBJECT
  public:
    explicit StatusLine(QWidget* parent);
    void showStatus(const QString& text);

  private:
    QWidget* notice_;
};

} // namespace q716
