#pragma once
// Builders for the dialogs' controls: each gets its objectName and its design
// (Chinese) text or items, which the caption tables later replace in place.

#include <QString>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace q716 {

QLabel* designLabel(const QString& window, const QString& name, QWidget* parent);
QComboBox* designCombo(const QString& window, const QString& name, QWidget* parent);
QCheckBox* designCheck(const QString& window, const QString& name, QWidget* parent);
QGroupBox* designFrame(const QString& window, const QString& name, QWidget* parent);
QPushButton* designButton(const QString& window, const QString& name, QWidget* parent);

// The OK (Command1) and Cancel (Command2) buttons, right-aligned in a row
// appended to the dialog's main layout.
struct OkCancelButtons {
    QPushButton* command1;
    QPushButton* command2;
};
OkCancelButtons addOkCancelRow(const QString& window, QBoxLayout* main, QWidget* dialog);

// Sets a list's position without running its click handler; -1 clears it.
void showListIndex(QComboBox* combo, int index);

} // namespace q716
