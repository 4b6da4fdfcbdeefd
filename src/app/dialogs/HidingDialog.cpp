#include "dialogs/HidingDialog.h"

#include <QCloseEvent>
#include <QShowEvent>

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

void HidingDialog::showEvent(QShowEvent* event) {
    // An opening, not the window system showing a minimised window again.
    if (!event->spontaneous() && loadStoredValues_) {
        loadStoredValues_(state_);
        refreshFromState();
    }
    QDialog::showEvent(event);
}

} // namespace q716
