#include "shell/ApplyCaptions.h"

#include "shell/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QToolBar>

namespace q716 {

namespace {

// A control belongs to a window when no other window lies between them:
// dialogs owned by the main window have their own controls of the same names.
void addControls(QHash<QString, QList<QObject*>>& byName, const QObject* parent) {
    for (QObject* o : parent->children()) {
        byName[o->objectName()].append(o);
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || !w->isWindow() || qobject_cast<const QMenu*>(w))
            addControls(byName, o);
    }
}

} // namespace

WindowControls::WindowControls(const QWidget* window) {
    addControls(byName_, window);
}

QObject* WindowControls::find(const QString& name, int arrayIndex) const {
    for (QObject* o : byName_.value(name)) {
        if (arrayIndex >= 0 && o->property("index").toInt() != arrayIndex)
            continue;
        return o;
    }
    return nullptr;
}

namespace {

void setCaption(QObject* o, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(o))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(o))
        action->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(o))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(o))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(o))
        group->setTitle(text);
    else if (auto* widget = qobject_cast<QWidget*>(o))
        widget->setWindowTitle(text);
}

void setHeading(QObject* o, int column, const QString& text) {
    if (auto* table = qobject_cast<QTableWidget*>(o)) {
        if (QTableWidgetItem* item = table->horizontalHeaderItem(column))
            item->setText(text);
        else if (column < table->columnCount())
            table->setHorizontalHeaderItem(column, new QTableWidgetItem(text));
    } else if (auto* view = qobject_cast<QAbstractItemView*>(o)) {
        if (view->model())
            view->model()->setHeaderData(column, Qt::Horizontal, text);
    }
}

void applyEntry(QWidget* window, const WindowControls& controls, const CaptionEntry& e,
                const QString& text) {
    if (e.property == CaptionProperty::WindowCaption) {
        window->setWindowTitle(text);
        return;
    }
    QObject* o = controls.find(e.control, e.arrayIndex);
    if (!o)
        return;
    switch (e.property) {
    case CaptionProperty::Caption:
        setCaption(o, text);
        break;
    case CaptionProperty::ToolTip:
        if (auto* bar = qobject_cast<QToolBar*>(o)) {
            const QList<QAction*> buttons = bar->actions();
            if (e.index >= 1 && e.index <= buttons.size())
                buttons[e.index - 1]->setToolTip(text);
        }
        break;
    case CaptionProperty::ListItem:
        // In place: the list keeps its length, order and selection.
        if (auto* combo = qobject_cast<QComboBox*>(o); combo && e.index < combo->count())
            combo->setItemText(e.index, text);
        break;
    case CaptionProperty::Heading:
        setHeading(o, e.index, text);
        break;
    case CaptionProperty::WindowCaption:
        break;
    }
}

} // namespace

void applyWindowCaptions(QWidget* window, const WindowCaptions& table, int languageCode) {
    const WindowControls controls(window);
    for (const CaptionEntry& e : table.entries)
        if (const QString* text = captionFor(e, languageCode))
            applyEntry(window, controls, e, *text);
}

void applyDesignCaptions(QWidget* window, const WindowCaptions& table) {
    const WindowControls controls(window);
    for (const CaptionEntry& e : table.entries)
        applyEntry(window, controls, e, designCaption(table.window, e));
}

void applyAllCaptions(const QList<QWidget*>& windows, int languageCode) {
    for (const WindowCaptions& table : captionTables())
        for (QWidget* w : windows)
            if (w && w->objectName() == table.window)
                applyWindowCaptions(w, table, languageCode);
    for (QWidget* w : windows)
        if (w)
            applyAccessibleTexts(w, languageCode);
}

} // namespace q716
