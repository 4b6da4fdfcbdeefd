#pragma once
// The port selection dialog: 20 option buttons COM1..COM20, enabled for the
// ports the start-up scan could open. Closing it only hides it.

#include "link/MSComm1.h"
#include "state/EditorState.h"

#include <QDialog>
#include <QList>

class QRadioButton;

namespace q716 {

class FormCOM : public QDialog {
    Q_OBJECT
  public:
    FormCOM(MSComm1& comm, EditorState& state, QWidget* owner);

    // Form_Load: scans the ports once and opens the remembered one.
    void Form_Load();
    // Click on OptionCOM(index).
    void OptionCOM_Click(int index);

    QList<QRadioButton*> OptionCOM;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Writes a slot's tool tip in the current language just before it shows.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void updateTip(int index);

    MSComm1& comm_;
    EditorState& state_;
    // Why the scan could not open each slot's device; empty reason: no tip.
    QList<PortOpenFailure> failures_;
};

} // namespace q716
