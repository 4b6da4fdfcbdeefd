#pragma once
// Form5, the optional functions: scan priority and retrace, scan delays, PTT
// ID and duplicate on show; the VOX group, the DTMF group, the DTMF memory
// grid and the code fields exist hidden and take part in load and OK alike.

#include "dialogs/HiddenGesture.h"
#include "dialogs/HidingDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QTableWidget;

namespace q716 {

class Form5 : public HidingDialog {
    Q_OBJECT
  public:
    Form5(EditorState& state, QWidget* mainWindow, SecondsClock clock);

    ~Form5() override;

    void refreshFromState() override;

  signals:
    // The hidden gesture repeated the unlock (DebugUnlocked is set).
    void debugUnlockRepeated();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildScanFrame();
    void buildHiddenControls();
    void connectPlainLists();

    void Combo11_Click(int index);
    void Combo12_Click(int index);
    void VScroll1_Change(int value);
    void VScroll2_Change(int value);
    void Text5_Change(const QString& text);
    void Text6_Change(const QString& text);
    void mfgrid1_Click(int row, int column);
    void mfgrid1_AfterEdit(int row, int column);
    void GestureLabel_Click(int touchPoint);
    void Command1_Click();
    void Command2_Click();

    SecondsClock clock_;
    QComboBox *Combo4, *Combo6, *Combo7, *Combo8, *Combo9, *Combo10, *Combo11, *Combo12;
    QComboBox *Combo13, *Combo14, *Combo15;
    QComboBox *Combo0, *Combo16, *Combo18, *Combo17, *Combo19, *Combo20, *Combo22, *Combo21;
    QCheckBox *Check3, *Check4;
    QLineEdit *Text5, *Text6, *Text1, *Text3, *Text4;
    QScrollBar *VScroll1, *VScroll2;
    QTableWidget* mfgrid1;
    // The hidden touch points: Label14 ("优先"), Label17 ("回扫时间A") and
    // Label18 ("返回信道"), the labels of the scan frame's first, third and
    // fifth lists.
    std::array<QLabel*, 3> gestureLabels_{};
};

} // namespace q716
