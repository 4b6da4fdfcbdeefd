#pragma once
// Builders for the dialogs' controls: each gets its objectName and its design
// (Chinese) text or items, which the caption tables later replace in place.

#include <QString>

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

// Sets a list's position without running its click handler; -1 clears it.
void showListIndex(QComboBox* combo, int index);

} // namespace q716
