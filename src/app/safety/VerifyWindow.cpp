#include "safety/VerifyWindow.h"

#include "compare/CompareTexts.h"
#include "dialogs/DesignSize.h"

#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace q716 {

VerifyWindow::VerifyWindow(const EditorState& state, QWidget* owner)
    : QDialog(owner), state_(state) {
    setObjectName(QStringLiteral("VerifyWindow"));
    Headline = new QLabel(this);
    Headline->setObjectName(QStringLiteral("Headline"));
    Headline->setWordWrap(true);
    VerifyList = new QListWidget(this);
    VerifyList->setObjectName(QStringLiteral("VerifyList"));
    VerifyList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    CloseButton = new QPushButton(this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Headline);
    layout->addWidget(VerifyList, 1);
    layout->addWidget(CloseButton, 0, Qt::AlignRight);
    setDesignSize(this, QSize(600, 320));
}

void VerifyWindow::showMismatches(const QList<ByteMismatch>& mismatches) {
    mismatches_ = mismatches;
    render();
    show();
    raise();
    activateWindow();
}

void VerifyWindow::render() {
    const int lang = state_.values.languageCode;
    Headline->setText(comparetext::verifyMismatchHeadline(lang));
    VerifyList->clear();
    VerifyList->addItems(verifyLines(mismatches_, lang));
}

// The caption tables retitle the window when the language switches: the
// lines follow.
void VerifyWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange)
        render();
    QDialog::changeEvent(event);
}

} // namespace q716
