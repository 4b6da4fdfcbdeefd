#pragma once
// The bytes a write's read-back found otherwise than written: every one in a
// list that scrolls, however many, in the program's language (it follows a
// switch while open).

#include "compare/WriteVerify.h"
#include "state/EditorState.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace q716 {

class VerifyWindow : public QDialog {
    Q_OBJECT
  public:
    VerifyWindow(const EditorState& state, QWidget* owner);

    void showMismatches(const QList<ByteMismatch>& mismatches);

    QLabel* Headline = nullptr;
    QListWidget* VerifyList = nullptr;
    QPushButton* CloseButton = nullptr;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void render();

    const EditorState& state_; // for the language shown
    QList<ByteMismatch> mismatches_;
};

} // namespace q716
