#include "dialogs/Form6.h"

#include "dialogs/DialogTexts.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/KeysDialog.h"
#include "dialogs/RadioPicture.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace q716 {

namespace {
const QString Window = QStringLiteral("Form6");

QLabel* pictureLabel(const QString& name, const QPixmap& picture, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(picture);
    return label;
}
} // namespace

Form6::Form6(EditorState& state, QWidget* mainWindow) : HidingDialog(Window, state, mainWindow) {
    loadStoredValues_ = &loadKeysDialog;
    setWindowTitle(dialogDesignText(Window, QString()));
    auto* main = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* lists = new QGridLayout;
    Combo1 = designCombo(Window, QStringLiteral("Combo1"), this);
    Combo2 = designCombo(Window, QStringLiteral("Combo2"), this);
    lists->addWidget(designLabel(Window, QStringLiteral("Label1"), this), 0, 0);
    lists->addWidget(Combo1, 0, 1);
    lists->addWidget(designLabel(Window, QStringLiteral("Label2"), this), 1, 0);
    lists->addWidget(Combo2, 1, 1);
    lists->setRowStretch(2, 1);
    top->addLayout(lists, 1);

    Image1 = pictureLabel(QStringLiteral("Image1"), radioPicture(MarkedKey::None), this);
    Picture1 = pictureLabel(QStringLiteral("Picture1"), radioPicture(MarkedKey::PF1), this);
    Picture2 = pictureLabel(QStringLiteral("Picture2"), radioPicture(MarkedKey::PF2), this);
    Picture1->hide();
    Picture2->hide();
    top->addWidget(Image1);
    main->addLayout(top);

    const auto [command1, command2] = addOkCancelRow(Window, main, this);
    main->setSizeConstraint(QLayout::SetMinimumSize);

    Combo1->installEventFilter(this);
    Combo2->installEventFilter(this);
    connect(Combo1, &QComboBox::activated, this, [this](int i) { state_.form6.combo1 = i; });
    connect(Combo2, &QComboBox::activated, this, [this](int i) { state_.form6.combo2 = i; });
    connect(command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form6::Command2_Click);
}

void Form6::refreshFromState() {
    showListIndex(Combo1, state_.form6.combo1);
    showListIndex(Combo2, state_.form6.combo2);
}

bool Form6::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == Combo1)
            Combo1_GotFocus();
        else if (watched == Combo2)
            Combo2_GotFocus();
    }
    return HidingDialog::eventFilter(watched, event);
}

void Form6::Combo1_GotFocus() {
    Image1->setPixmap(Picture1->pixmap());
}

void Form6::Combo2_GotFocus() {
    Image1->setPixmap(Picture2->pixmap());
}

void Form6::Command1_Click() {
    {
        const StepScope step(steps, {EditStep::KeysDialog});
        acceptKeysDialog(state_);
    }
    hide();
}

void Form6::Command2_Click() {
    hide();
}

} // namespace q716
