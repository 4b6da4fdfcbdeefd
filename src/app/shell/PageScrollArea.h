#pragma once
// The main window's page: at its full size it shows the whole layout with no
// scroll bar, as it was designed; on a screen too small for it (large
// scaling, small laptops) the window shrinks and the page scrolls, following
// the keyboard focus so that every control stays reachable.

#include <QScrollArea>

class QTableWidget;

namespace q716 {

class PageScrollArea : public QScrollArea {
    Q_OBJECT
  public:
    PageScrollArea(QWidget* page, QWidget* parent);

    // The page's whole size: the window wants no more and no less.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The table's current cell is scrolled into view as it moves.
    void followCurrentCell(QTableWidget* table);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool fitted_ = false;
};

// Gives `window` the size its layout wants, bounded by the screen it is on;
// it can be made smaller, never larger.
void fitWindowToScreen(QWidget* window);

} // namespace q716
