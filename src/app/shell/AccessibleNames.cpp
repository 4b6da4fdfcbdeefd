#include "shell/AccessibleNames.h"

#include "shell/AccessibleTexts.h"
#include "shell/ApplyCaptions.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace q716 {

namespace {

using P = AccessibleProperty;

const char* const EmptyCellProperty = "q716EmptyCell";

void setName(QWidget* widget, const QString& name) {
    widget->setAccessibleName(name);
    // An editable list's edit field holds the focus for it.
    // A list's items are read in its popup, named like the list.
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->view()->setAccessibleName(name);
        if (combo->lineEdit())
            combo->lineEdit()->setAccessibleName(name);
    }
}

QTableWidgetItem* headerItem(QTableWidget* table, Qt::Orientation orientation, int section) {
    const bool horizontal = orientation == Qt::Horizontal;
    QTableWidgetItem* item =
        horizontal ? table->horizontalHeaderItem(section) : table->verticalHeaderItem(section);
    if (!item) {
        item = new QTableWidgetItem(horizontal ? QString() : QString::number(section + 1));
        if (horizontal)
            table->setHorizontalHeaderItem(section, item);
        else
            table->setVerticalHeaderItem(section, item);
    }
    return item;
}

void applyTableEntry(QTableWidget* table, const AccessibleEntry& e, const QString& text) {
    switch (e.property) {
    case P::Heading:
        if (e.index < table->columnCount())
            headerItem(table, Qt::Horizontal, e.index)->setData(Qt::AccessibleTextRole, text);
        break;
    case P::RowHeading:
        for (int r = 0; r < table->rowCount(); ++r)
            headerItem(table, Qt::Vertical, r)->setData(Qt::AccessibleTextRole, text.arg(r + 1));
        break;
    case P::EmptyCell:
        table->setProperty(EmptyCellProperty, text);
        break;
    default:
        break;
    }
}

void applyEntry(const WindowControls& controls, const AccessibleEntry& e, const QString& text) {
    QObject* o = controls.find(e.control);
    if (auto* action = qobject_cast<QAction*>(o)) {
        if (e.property == P::Mnemonic)
            action->setText(withMnemonic(action->text(), text.at(0)));
        return;
    }
    auto* widget = qobject_cast<QWidget*>(o);
    if (!widget)
        return;
    switch (e.property) {
    case P::Name:
        setName(widget, text);
        break;
    case P::Description:
        widget->setAccessibleDescription(text);
        break;
    case P::LabelledBy:
        if (auto* label = qobject_cast<QLabel*>(controls.find(e.label))) {
            label->setBuddy(widget);
            setName(widget, label->text());
        }
        break;
    default:
        if (auto* table = qobject_cast<QTableWidget*>(widget))
            applyTableEntry(table, e, text);
        break;
    }
}

} // namespace

void applyAccessibleTexts(QWidget* window, int languageCode) {
    if (const WindowAccessibleTexts* table = accessibleTextsOf(window->objectName())) {
        const WindowControls controls(window);
        for (const AccessibleEntry& e : table->entries)
            applyEntry(controls, e, accessibleText(e, languageCode));
    }
}

void nameCellEditor(QWidget* editor, int channel, int column, int languageCode) {
    setName(editor, cellEditorName(channel, column, languageCode));
}

QVariant AccessibleCellItem::data(int role) const {
    if (role == Qt::AccessibleTextRole && tableWidget() && text().isEmpty())
        return tableWidget()->property(EmptyCellProperty);
    return QTableWidgetItem::data(role);
}

} // namespace q716
