#pragma once
// The about box: product title, edition, issue date and the developer line,
// which opens the manual.

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace q716 {

class ClickLabel;
struct EditorState;

class FrmAbout : public QDialog {
    Q_OBJECT
  public:
    // `state` gives the language of the manual the developer line opens.
    FrmAbout(const EditorState& state, QWidget* owner);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label2 = nullptr;
    ClickLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    std::array<QFrame*, 2> Line1{};
    QLabel* Label1 = nullptr;

  public slots:
    void cmdOK_Click();
    void lblDescription_Click();

  protected:
    // The close box only hides the window; it lives until the program ends.
    void closeEvent(QCloseEvent* event) override;

  private:
    const EditorState& state_;
};

} // namespace q716
