#include "shell/AccessibleInterfaces.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>

namespace q716 {

namespace {

const char* const NoticeRole = "q716Notice";

// A list reports its caption as its name and its value as its text; the
// bridge's own report on Linux names a list by its value, so a screen
// reader says "180 S" where a person reads "Time-out". A new value is sent
// as a change of that text, which a screen reader reads out.
class ListInterface : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ListInterface(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox), shown_(combo->currentText()) {
        QObject::connect(combo, &QComboBox::currentTextChanged, combo,
                         [this](const QString& text) { valueChanged(text); });
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.editable = combo()->isEditable();
        s.readOnly = !combo()->isEditable();
        return s;
    }

    // An editable list's edit field is its one child.
    int childCount() const override { return entry() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && entry() ? QAccessible::queryAccessibleInterface(entry()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && entry() && child->object() == entry() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The text: the value shown, read only.
    QString text(int start, int end) const override {
        return combo()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(combo()->currentText().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    QComboBox* combo() const { return static_cast<QComboBox*>(object()); }
    QLineEdit* entry() const { return combo()->isEditable() ? combo()->lineEdit() : nullptr; }

    void valueChanged(const QString& text) {
        QAccessibleTextUpdateEvent event(combo(), 0, shown_, text);
        shown_ = text;
        QAccessible::updateAccessibility(&event);
    }

    QString shown_;
};

// The status line and its notice: their name is what they say.
class SpokenInterface : public QAccessibleWidget {
  public:
    SpokenInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (auto* label = qobject_cast<QLabel*>(widget()))
            return label->text();
        return widget()->accessibleName();
    }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return new ListInterface(combo);
    if (auto* line = qobject_cast<StatusLine*>(object))
        return new SpokenInterface(line, QAccessible::StatusBar);
    if (object && object->isWidgetType() && object->property(NoticeRole).toBool())
        return new SpokenInterface(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

class CurrentCellFocus : public QObject {
  public:
    explicit CurrentCellFocus(QTableView* table) : QObject(table), table_(table) {
        table->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            // After the table's own report of its focus.
            QMetaObject::invokeMethod(this, &CurrentCellFocus::announce, Qt::QueuedConnection);
        return false;
    }

  private:
    void announce() {
        if (!table_->hasFocus() || !QAccessible::isActive())
            return;
        const QModelIndex current = table_->currentIndex();
        if (!current.isValid()) {
            // Making a cell current reports it.
            const QAbstractItemModel* model = table_->model();
            for (int c = 0; c < model->columnCount(); ++c)
                if (model->flags(model->index(0, c)) & Qt::ItemIsSelectable) {
                    table_->setCurrentIndex(model->index(0, c));
                    return;
                }
            return;
        }
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(table_);
        if (!table || !table->tableInterface())
            return;
        if (QAccessibleInterface* cell =
                table->tableInterface()->cellAt(current.row(), current.column())) {
            QAccessibleEvent focus(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }

    QTableView* table_;
};

} // namespace

void announceCurrentCellOnFocus(QTableView* table) {
    new CurrentCellFocus(table);
}

void installAccessibleInterfaces() {
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(&interfaceFor);
}

StatusLine::StatusLine(QWidget* parent) : QLabel(parent), notice_(new QWidget(parent)) {
    notice_->setProperty(NoticeRole, true);
    notice_->setFixedSize(1, 1);
    notice_->hide();
}

void StatusLine::showStatus(const QString& text) {
    if (text == this->text())
        return;
    setText(text);
    if (text.isEmpty())
        return;
    // A notification is spoken as it appears.
    notice_->hide();
    notice_->setAccessibleName(text);
    notice_->show();
}

} // namespace q716
