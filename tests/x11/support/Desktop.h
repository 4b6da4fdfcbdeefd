#pragma once
// Drives a real X desktop for the window tests that run under run-with-x.sh:
// the pointer and keyboard through xdotool (the X server's test extension,
// so the program gets the same events as from a person), another program's
// window to switch to, and a count of the events the program has handled,
// so a test can wait until an action has arrived instead of sleeping.

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace q716x11 {

// How long to wait for the program to react: generous, as the tests run
// beside builds on a small, loaded machine, yet short enough that a failing
// run (Qt Test waits three times as long before it reports) stays within
// Qt Test's five minutes for one test.
constexpr int Patience = 15000;

// Runs xdotool with `args` and waits for it to finish; false when it failed.
bool xdotool(const QStringList& args);

// A point of a widget. The pointer goes there relative to the widget's own
// X window, which is right even while the program's idea of where its
// window is still lags behind the window manager.
struct Spot {
    const QWidget* widget;
    QPoint local;
};

inline Spot centreOf(const QWidget* widget) {
    return {widget, widget->rect().center()};
}

bool moveTo(Spot spot);
bool clickAt(Spot spot);
// A click whose button stays down for `holdMs`: part of the input, as a
// person's slow click, not a wait for the program.
bool slowClickAt(Spot spot, int holdMs);
bool wheelAt(Spot spot, int notches); // > 0 down, < 0 up
bool pressKey(const QString& keysym); // "Return", "Down", "End"
bool typeText(const QString& text);
bool activateWindow(WId window);
// Moves the pointer to a corner no window or list of the tests reaches, so
// that no list opens under it.
bool parkPointer();

// Counts the events of some types that reached any widget of the program.
class EventCounter : public QObject {
  public:
    explicit EventCounter(QList<QEvent::Type> types);
    ~EventCounter() override;
    int count() const { return count_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<QEvent::Type> types_;
    int count_ = 0;
};

// A window of another program (this test program started again with
// --other-window), to switch to as a person switches to another application.
class OtherProgram {
  public:
    OtherProgram();
    ~OtherProgram();
    bool start();
    WId window() const { return window_; }

  private:
    QProcess process_;
    WId window_ = 0;
};

// The body of a test program's --other-window mode: a plain window that
// waits to be closed.
int runOtherWindow();
bool isOtherWindowMode(int argc, char** argv);

} // namespace q716x11
