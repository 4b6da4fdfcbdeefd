#pragma once
// A label that acts as a link: a left click reports itself.

#include <QLabel>

namespace q716 {

class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace q716
