#include "dialogs/HidingDialog.h"

#include <QCloseEvent>

namespace q716 {

HidingDialog::HidingDialog(const QString& name, EditorState& state, QWidget* mainWindow)
    : QDialog(mainWindow), state_(state) {
    setObjectName(name);
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void HidingDialog::closeEvent(QCloseEvent* event) {
    // The dialog lives as long as the program; closing only puts it away.
    event->ignore();
    hide();
}

} // namespace q716
