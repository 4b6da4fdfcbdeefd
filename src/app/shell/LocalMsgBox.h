#pragma once
// The one routine that shows a message: the platform's standard box, owned by
// the main window, with button texts in the program's language.

#include "shell/Messages.h"

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace q716 {

// Shows the box and returns the result code (1 OK, 2 Cancel, 6 Yes, 7 No...).
int LocalMsgBox(const Message& m);
inline int LocalMsgBox(const QString& text, int style, const QString& title = {}) {
    return LocalMsgBox(Message{text, style, title});
}

// The owner of every box and the language its buttons follow.
void setMessageBoxOwner(QWidget* owner);
void setMessageBoxLanguage(int languageCode);

// A message function for the core that shows through LocalMsgBox.
MessageFn localMessageFn();

// Test seam: when set, the prepared box is handed to the answerer instead of
// being executed; the answerer returns the result code of the button it
// "presses" and may inspect the box (texts, buttons, default button).
using MessageBoxAnswerer = std::function<int(QMessageBox& box)>;
void setMessageBoxAnswerer(MessageBoxAnswerer answerer);

} // namespace q716
