#pragma once
// Help -> Communication log: the bytes of the last sessions, for a support
// request, shown and saved to a text file.

#include "link/SessionLog.h"
#include "state/EditorState.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace q716 {

class LogWindow : public QDialog {
    Q_OBJECT
  public:
    LogWindow(const SessionLogBook& book, const EditorState& state, QWidget* owner);

    // Shows the sessions as they are now.
    void refresh();
    void SaveButton_Click();

    QPlainTextEdit* LogText = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* CloseButton = nullptr;

  private:
    const SessionLogBook& book_;
    const EditorState& state_;
};

} // namespace q716
