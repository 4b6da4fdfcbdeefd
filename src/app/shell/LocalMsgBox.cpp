#include "shell/LocalMsgBox.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextLayout>
#include <QtMath>

namespace q716 {

namespace {

QPointer<QWidget> g_owner;
int g_languageCode = 0;
MessageBoxAnswerer g_answerer;

struct ButtonCode {
    QMessageBox::StandardButton button;
    int code;
};

const ButtonCode ButtonCodes[] = {
    {QMessageBox::Ok, ResultOk},         {QMessageBox::Cancel, ResultCancel},
    {QMessageBox::Abort, ResultAbort},   {QMessageBox::Retry, ResultRetry},
    {QMessageBox::Ignore, ResultIgnore}, {QMessageBox::Yes, ResultYes},
    {QMessageBox::No, ResultNo},
};

int codeOf(QMessageBox::StandardButton b) {
    for (const ButtonCode& bc : ButtonCodes)
        if (bc.button == b)
            return bc.code;
    return ResultCancel;
}

// Buttons, icon and default button of a style word: the low nibble selects the
// buttons, bits 4..7 the icon, bits 8..9 the default button.
void applyStyle(QMessageBox& box, int style) {
    QMessageBox::StandardButtons buttons;
    QList<QMessageBox::StandardButton> order;
    switch (style & 0x0F) {
    case 1:
        order = {QMessageBox::Ok, QMessageBox::Cancel};
        break;
    case 2:
        order = {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
        break;
    case 3:
        order = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        break;
    case 4:
        order = {QMessageBox::Yes, QMessageBox::No};
        break;
    case 5:
        order = {QMessageBox::Retry, QMessageBox::Cancel};
        break;
    default:
        order = {QMessageBox::Ok};
        break;
    }
    for (QMessageBox::StandardButton b : order)
        buttons |= b;
    box.setStandardButtons(buttons);

    switch (style & 0xF0) {
    case 0x10:
        box.setIcon(QMessageBox::Critical);
        break;
    case 0x20:
        box.setIcon(QMessageBox::Question);
        break;
    case 0x30:
        box.setIcon(QMessageBox::Warning);
        break;
    case 0x40:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }

    const int defaultIndex = (style >> 8) & 0x3;
    if (defaultIndex < order.size())
        box.setDefaultButton(order[defaultIndex]);
    // The escape key answers like the last button that means "no".
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);

    // System-modal boxes block the whole program; the others the owner window.
    box.setWindowModality((style & 0x1000) ? Qt::ApplicationModal : Qt::WindowModal);
}

void renameButtons(QMessageBox& box) {
    for (const ButtonCode& bc : ButtonCodes) {
        QAbstractButton* b = box.button(bc.button);
        const QString text = messageButtonText(g_languageCode, bc.code);
        if (b && !text.isEmpty())
            b->setText(text);
    }
}

// A list beside the message, between the text and the buttons, scrollable
// when it is long: up to 16 lines show at once.
void addDetails(QMessageBox& box, const QString& details) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* buttons = box.findChild<QDialogButtonBox*>();
    const int at = grid && buttons ? grid->indexOf(buttons) : -1;
    if (at < 0) {
        box.setDetailedText(details);
        return;
    }
    auto* list = new QPlainTextEdit(details, &box);
    list->setObjectName(QStringLiteral("MessageDetails"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Each line laid out as the list lays it out: Chinese takes the taller
    // lines of the CJK font.
    const QFontMetrics fm(list->font());
    qreal widest = 0;
    qreal lineHeight = fm.lineSpacing();
    const QStringList lines = details.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        QTextLayout layout(line, list->font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        widest = qMax(widest, layout.boundingRect().width());
        lineHeight = qMax(lineHeight, layout.boundingRect().height());
    }
    const int frame = 2 * list->frameWidth() + 2 * int(list->document()->documentMargin());
    const int scrollBar = list->verticalScrollBar()->sizeHint().width();
    list->setMinimumSize(qMin(qCeil(widest), 60 * fm.averageCharWidth()) + frame + scrollBar,
                         qCeil(qMin<qsizetype>(lines.size(), 16) * lineHeight) + frame);
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(at, &row, &column, &rows, &columns);
    grid->removeWidget(buttons);
    grid->addWidget(list, row, column, 1, columns);
    grid->addWidget(buttons, row + 1, column, 1, columns);
}

} // namespace

void setMessageBoxOwner(QWidget* owner) {
    g_owner = owner;
}
void setMessageBoxLanguage(int languageCode) {
    g_languageCode = languageCode;
}
void setMessageBoxAnswerer(MessageBoxAnswerer answerer) {
    g_answerer = std::move(answerer);
}

int LocalMsgBox(const Message& m) {
    QMessageBox box(g_owner.data());
    box.setWindowTitle(m.title.isEmpty() ? ApplicationTitle : m.title);
    box.setText(m.text);
    applyStyle(box, m.style);
    renameButtons(box);
    for (const auto& [code, text] : m.buttonTexts)
        for (const ButtonCode& bc : ButtonCodes)
            if (bc.code == code && box.button(bc.button) && !text.isEmpty())
                box.button(bc.button)->setText(text);
    if (!m.details.isEmpty())
        addDetails(box, m.details);
    if (g_answerer)
        return g_answerer(box);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked)
        return box.escapeButton() ? codeOf(box.standardButton(box.escapeButton())) : ResultOk;
    return codeOf(box.standardButton(clicked));
}

MessageFn localMessageFn() {
    return [](const Message& m) { return LocalMsgBox(m); };
}

} // namespace q716
