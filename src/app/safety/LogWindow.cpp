#include "safety/LogWindow.h"
#include "dialogs/DesignSize.h"

#include "files/FileDialogs.h"
#include "files/WholeFileSave.h"
#include "shell/FileQuestions.h"
#include "shell/LocalMsgBox.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace q716 {

LogWindow::LogWindow(const SessionLogBook& book, const EditorState& state, QWidget* owner)
    : QDialog(owner), book_(book), state_(state) {
    setObjectName(QStringLiteral("LogWindow"));
    LogText = new QPlainTextEdit(this);
    LogText->setObjectName(QStringLiteral("LogText"));
    LogText->setReadOnly(true);
    LogText->setLineWrapMode(QPlainTextEdit::NoWrap);
    LogText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SaveButton = new QPushButton(this);
    SaveButton->setObjectName(QStringLiteral("SaveButton"));
    CloseButton = new QPushButton(this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    connect(SaveButton, &QPushButton::clicked, this, &LogWindow::SaveButton_Click);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LogText, 1);
    layout->addLayout(buttons);
    setDesignSize(this, QSize(680, 400));
}

void LogWindow::refresh() {
    LogText->setPlainText(book_.text());
    LogText->moveCursor(QTextCursor::End);
}

void LogWindow::SaveButton_Click() {
    const int lang = state_.values.languageCode;
    QString path;
    for (;;) {
        path = chooseFileToSave(this, QStringLiteral("*.txt"));
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".txt");
        if (!QFileInfo::exists(path) || LocalMsgBox(overwriteQuestion(lang)) == ResultYes)
            break;
    }
    QString reason;
    if (!saveWholeFile(path, book_.text().toUtf8(), reason))
        LocalMsgBox(saveFailedMessage(lang));
}

} // namespace q716
