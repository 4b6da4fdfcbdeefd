#include "channels/ToneEditor.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>

namespace q716 {

ToneEditor::ToneEditor(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // No completion from the list: the commit sees exactly the typed text.
    setCompleter(nullptr);
    // Tones are digits and a few letters; an input method would bypass the
    // key filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    // Qt would count leaving the edit field with a list text as a choice;
    // here only a pick from the list is a choice, the rest is the tone commit.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    lineEdit()->installEventFilter(this);
}

void ToneEditor::load(const QString& text) {
    loadedItem_ = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(loadedItem_);
    setEditText(text);
    lineEdit()->selectAll();
    replaceOnType_ = true;
}

void ToneEditor::type(QChar key) {
    QLineEdit* edit = lineEdit();
    if (replaceOnType_) {
        replaceOnType_ = false;
        edit->selectAll();
    }
    if (key == QChar(8))
        edit->backspace();
    else
        edit->insert(QString(key));
}

bool ToneEditor::listUntouched() const {
    const QModelIndex current = view()->currentIndex();
    return (current.isValid() ? current.row() : -1) == loadedItem_;
}

void ToneEditor::showPopup() {
    QComboBox::showPopup();
    // A cell text that is no item leaves the list without a current entry.
    if (currentIndex() < 0)
        view()->selectionModel()->clear();
}

// Placing the cursor in the edit field means adding to the text.
void ToneEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        replaceOnType_ = false;
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

bool ToneEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress)
        replaceOnType_ = false;
    return QComboBox::eventFilter(watched, event);
}

} // namespace q716
