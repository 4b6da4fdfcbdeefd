#pragma once
// Keeps the mouse wheel from changing a list, spin box or slider that does
// not have the keyboard focus: turning the wheel over a window is scrolling,
// and one notch over the band list must not ask to clear the channels. The
// wheel then goes to the control's parents, as over any other widget; a
// control the user has focused (clicked, tabbed to) takes it as usual.

#include <QObject>

class QCoreApplication;
class QWidget;

namespace q716 {

class WheelGuard : public QObject {
    Q_OBJECT
  public:
    // Guards every window of the application; a second call does nothing.
    static void install(QCoreApplication& app);

    // The kinds of control whose value the wheel changes.
    static bool guards(const QWidget* widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

} // namespace q716
