#include "dialogs/HiddenGesture.h"

#include <QTime>

namespace q716 {

namespace {
constexpr int SecondsPerDay = 24 * 60 * 60;
}

int secondsSinceMidnightNow() {
    return (QTime::currentTime().msecsSinceStartOfDay() + 500) / 1000 % SecondsPerDay;
}

bool touchGestureLabel(EditorState& s, int label, int nowSeconds) {
    if (label < 0 || label >= GestureLabelCount)
        return false;
    OptionsDialogState& d = s.form5;
    const bool anyTouched = d.gestureTouched[0] || d.gestureTouched[1] || d.gestureTouched[2];
    if (!anyTouched)
        d.gestureStart = nowSeconds;
    // Counted across midnight, so a gesture at 23:59:58 still completes.
    const int elapsed =
        ((nowSeconds - d.gestureStart) % SecondsPerDay + SecondsPerDay) % SecondsPerDay;
    if (elapsed > GestureWindowSeconds) {
        d.gestureTouched = {};
        d.gestureTouched[label] = true;
        d.gestureStart = nowSeconds;
        return false;
    }
    d.gestureTouched[label] = true;
    if (d.gestureTouched[0] && d.gestureTouched[1] && d.gestureTouched[2])
        s.values.factoryMode = true;
    if (!s.values.factoryMode)
        return false;
    s.values.debugUnlocked = true;
    s.form2.slidersEnabled = true;
    return true;
}

void leaveServiceMode(EditorState& s) {
    s.values.factoryMode = false;
    s.form5.gestureTouched = {};
    s.values.debugUnlocked = false;
    s.form2.slidersEnabled = false;
}

} // namespace q716
