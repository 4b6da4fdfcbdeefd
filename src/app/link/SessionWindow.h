#pragma once
// What the session controller needs from the main window: Form1 implements it.

#include <QString>

namespace q716 {

class SessionWindow {
  public:
    virtual ~SessionWindow() = default;
    virtual void setStatusCaption(const QString& text) = 0;      // Label
    virtual void setStatusVisible(bool visible) = 0;             // Label
    virtual void setProgressVisible(bool visible) = 0;           // ProgressBar1
    virtual void setProgressRange(int minimum, int maximum) = 0; // ProgressBar1
    virtual void setProgressValue(int value) = 0;                // ProgressBar1
    virtual void setSessionControlsEnabled(bool enabled) = 0;    // Toolbar1, mnupro, buttons 5, 6
    virtual void enableFrame1AndFocusCombo1() = 0;
    virtual void refreshFromState() = 0; // a read loaded the image into the editor state
};

} // namespace q716
