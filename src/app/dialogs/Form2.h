#pragma once
// Form2, the transmitter power calibration ("Debug"): two sliders that can be
// moved only while the service unlock holds.

#include "dialogs/HidingDialog.h"

class QLabel;
class QSlider;

namespace q716 {

class Form2 : public HidingDialog {
    Q_OBJECT
  public:
    Form2(EditorState& state, QWidget* mainWindow);

    void refreshFromState() override;

  private:
    void Slider1_Scroll(int value);
    void Slider3_Scroll(int value);
    void Command1_Click();

    QSlider *Slider1, *Slider3;
    QLabel *Lblpower1, *Lblpower3;
};

} // namespace q716
