#include "dialogs/DialogWidgets.h"

#include "dialogs/DialogTexts.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace q716 {

namespace {
template <typename W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}
} // namespace

QLabel* designLabel(const QString& window, const QString& name, QWidget* parent) {
    return named(new QLabel(dialogDesignText(window, name), parent), name);
}

QComboBox* designCombo(const QString& window, const QString& name, QWidget* parent) {
    auto* combo = named(new QComboBox(parent), name);
    combo->addItems(dialogDesignItems(window, name));
    // Items of the other language have other widths.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return combo;
}

QCheckBox* designCheck(const QString& window, const QString& name, QWidget* parent) {
    return named(new QCheckBox(dialogDesignText(window, name), parent), name);
}

QGroupBox* designFrame(const QString& window, const QString& name, QWidget* parent) {
    return named(new QGroupBox(dialogDesignText(window, name), parent), name);
}

QPushButton* designButton(const QString& window, const QString& name, QWidget* parent) {
    auto* button = named(new QPushButton(dialogDesignText(window, name), parent), name);
    button->setAutoDefault(false);
    return button;
}

void showListIndex(QComboBox* combo, int index) {
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

OkCancelButtons addOkCancelRow(const QString& window, QBoxLayout* main, QWidget* dialog) {
    auto* buttons = new QHBoxLayout;
    OkCancelButtons b{designButton(window, QStringLiteral("Command1"), dialog),
                      designButton(window, QStringLiteral("Command2"), dialog)};
    buttons->addStretch(1);
    buttons->addWidget(b.command1);
    buttons->addWidget(b.command2);
    main->addLayout(buttons);
    return b;
}

} // namespace q716
