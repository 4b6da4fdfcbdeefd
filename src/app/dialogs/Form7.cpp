#include "dialogs/Form7.h"

#include "dialogs/CommitLimit.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/EmbeddedDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace q716 {

namespace {
const QString Window = QStringLiteral("Form7");
}

Form7::Form7(EditorState& state, QWidget* mainWindow) : HidingDialog(Window, state, mainWindow) {
    loadStoredValues_ = &loadEmbeddedDialog;
    setWindowTitle(dialogDesignText(Window, QString()));
    auto* main = new QVBoxLayout(this);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    // Room for 32 wide characters.
    const int width =
        Text1->fontMetrics().horizontalAdvance(QString(EmbeddedLineLength, QChar(0x6C49)));
    Text1->setMinimumWidth(width + 16);
    Text2->setMinimumWidth(width + 16);
    LblHint = new QLabel(this);
    LblHint->setObjectName(QStringLiteral("LblHint"));
    LblHint->setWordWrap(true);
    LblHint->hide();
    main->addWidget(Text1);
    main->addWidget(Text2);
    main->addWidget(LblHint);

    const auto [command1, command2] = addOkCancelRow(Window, main, this);
    main->setSizeConstraint(QLayout::SetMinimumSize);

    for (QLineEdit* text : {Text1, Text2})
        text->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString& t) {
        state_.form7.text1 = t;
        showHint();
    });
    connect(Text2, &QLineEdit::textChanged, this, [this](const QString& t) {
        state_.form7.text2 = t;
        showHint();
    });
    connect(command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form7::Command2_Click);
}

void Form7::refreshFromState() {
    const QSignalBlocker b1(Text1), b2(Text2);
    if (Text1->text() != state_.form7.text1)
        Text1->setText(state_.form7.text1);
    if (Text2->text() != state_.form7.text2)
        Text2->setText(state_.form7.text2);
    showHint();
}

void Form7::showHint() {
    const QString hint =
        embeddedInfoHint(state_.form7.text1, state_.form7.text2, state_.values.languageCode);
    LblHint->setText(hint);
    LblHint->setVisible(!hint.isEmpty());
}

// The caption tables rewrite the title on every language switch; the note
// follows it.
void Form7::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange && LblHint)
        showHint();
    HidingDialog::changeEvent(event);
}

bool Form7::eventFilter(QObject* watched, QEvent* event) {
    auto* text = qobject_cast<QLineEdit*>(watched);
    if (!text)
        return HidingDialog::eventFilter(watched, event);
    // Typing stops at the limit; pasting is not typing and is not limited.
    const bool full = !embeddedKeyAccepted(text->text().size(), text->hasSelectedText());
    if (event->type() == QEvent::KeyPress && full) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && typed.at(0).isPrint())
            return true;
    }
    // An input method commits whole words; they are cut to what fits.
    if (limitInputMethodCommit(text, event, EmbeddedLineLength))
        return true;
    return HidingDialog::eventFilter(watched, event);
}

void Form7::Command1_Click() {
    {
        const StepScope step(steps, {EditStep::EmbeddedDialog});
        acceptEmbeddedDialog(state_);
    }
    hide();
}

void Form7::Command2_Click() {
    hide();
}

} // namespace q716
