#include "shell/FrmAbout.h"

#include "shell/ApplyCaptions.h"
#include "shell/ClickLabel.h"
#include "shell/Resources.h"
#include "shell/UrlOpener.h"
#include "state/EditorState.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace q716 {

namespace {

QLabel* picture(QWidget* parent, const char* name, const QString& resource, QSize size) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(QIcon(resource).pixmap(size));
    label->setFixedSize(size);
    return label;
}

QFrame* line(QWidget* parent, int index) {
    auto* f = new QFrame(parent);
    f->setObjectName(QStringLiteral("Line1"));
    f->setProperty("index", index);
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

FrmAbout::FrmAbout(const EditorState& state, QWidget* owner) : QDialog(owner), state_(state) {
    initResources();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Help"));

    Image1 = picture(this, "Image1", QStringLiteral(":/images/radio.svg"), QSize(96, 180));
    Image2 = picture(this, "Image2", QStringLiteral(":/images/logo.svg"), QSize(57, 52));

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    lblDescription = new ClickLabel(this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setCursor(Qt::PointingHandCursor);
    lblDescription->setStyleSheet(
        QStringLiteral("color: palette(link); text-decoration: underline;"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Line1 = {line(this, 0), line(this, 1)};
    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto* heading = new QHBoxLayout;
    heading->addWidget(Image2);
    heading->addWidget(lblTitle, 1);
    auto* text = new QVBoxLayout;
    text->addLayout(heading);
    text->addWidget(lblVersion);
    text->addWidget(Label2);
    text->addWidget(Line1[0]);
    text->addWidget(lblDescription);
    text->addWidget(Label1);
    text->addWidget(Line1[1]);
    text->addStretch(1);
    text->addWidget(cmdOK, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Image1, 0, Qt::AlignTop);
    layout->addLayout(text, 1);
    setMinimumWidth(400);

    if (const WindowCaptions* table = captionsOf(objectName()))
        applyDesignCaptions(this, *table);

    connect(cmdOK, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(lblDescription, &ClickLabel::clicked, this, &FrmAbout::lblDescription_Click);
}

void FrmAbout::cmdOK_Click() {
    hide();
}

// Like the main window's rights line: the manual until the project has a
// public page.
void FrmAbout::lblDescription_Click() {
    openUrl(manualUrl(state_.values.languageCode));
}

void FrmAbout::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore();
        hide();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace q716
