#pragma once
// After a dialog or a message box closes, the focus goes back to the control
// that had it before the dialog opened, in its window. A dialog opened from
// the menu bar returns the focus to the control used before the menu, not to
// the menu bar; the window system alone would activate the dialog's owner
// and leave the focus wherever that window last had it.

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace q716 {

class FocusReturn : public QObject {
    Q_OBJECT
  public:
    // Watches every dialog of the program; call once.
    static void install();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit FocusReturn(QObject* parent);
    void focusChanged(QWidget* now);

    QPointer<QWidget> lastControl_; // the last focus outside menus
    QHash<QObject*, QPointer<QWidget>> returnTo_;
};

} // namespace q716
