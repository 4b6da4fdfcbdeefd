#include "link/FormUsePass.h"

#include "channels/CellRules.h"
#include "dialogs/KeyFilterValidator.h"
#include "link/LinkTexts.h"
#include "link/PasswordChange.h"
#include "shell/LocalMsgBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace q716 {

namespace {

QLineEdit* passwordBox(const QString& name, QWidget* parent) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(name);
    t->setEchoMode(QLineEdit::Password);
    // Characters other than 0-9, A-Z, a-z and "." are discarded, whether
    // typed or pasted, and then the text is cut to the radio's 16 characters.
    t->setValidator(new KeyFilterValidator(&filterPasswordKey, PasswordLength, t));
    return t;
}

QLabel* label(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    return l;
}

} // namespace

FormUsePass::FormUsePass(SessionController& controller, EditorState& state,
                         std::function<void()> passwordBoxChanged, QWidget* owner)
    : QDialog(owner), controller_(controller), state_(state),
      passwordBoxChanged_(std::move(passwordBoxChanged)) {
    setObjectName(QStringLiteral("FormUsePass"));
    Label1 = label(QStringLiteral("Label1"), this);
    Label2 = label(QStringLiteral("Label2"), this);
    Label3 = label(QStringLiteral("Label3"), this);
    Text1 = passwordBox(QStringLiteral("Text1"), this);
    Text2 = passwordBox(QStringLiteral("Text2"), this);
    Text3 = passwordBox(QStringLiteral("Text3"), this);
    Command3 = new QPushButton(this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setAutoDefault(false);
    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setAutoDefault(false);
    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(Text3, 2, 1);
    grid->addWidget(Command3, 3, 0);
    grid->addWidget(Command2, 3, 1);
    connect(Command3, &QPushButton::clicked, this, &FormUsePass::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &FormUsePass::Command2_Click);
    connect(Text3, &QLineEdit::returnPressed, this, &FormUsePass::Command3_Click);
    applyCaptions(0);
}

void FormUsePass::applyCaptions(int languageCode) {
    const PasswordDialogCaptions c = passwordDialogCaptions(languageCode);
    setWindowTitle(c.window);
    Label1->setText(c.label1);
    Label2->setText(c.label2);
    Label3->setText(c.label3);
    Command3->setText(c.command3);
    Command2->setText(c.command2);
}

void FormUsePass::Command2_Click() {
    Text1->clear();
    Text2->clear();
    Text3->clear();
    hide();
}

void FormUsePass::reject() {
    Command2_Click();
}

void FormUsePass::Command3_Click() {
    // The running session reads both passwords when it needs them: a change
    // that cannot start must not reach it.
    if (controller_.running()) {
        LocalMsgBox(linktext::sessionRunning(state_.values.languageCode));
        return;
    }
    const PasswordCheck check =
        checkNewPassword(Text1->text(), Text2->text(), Text3->text(), state_.values.languageCode);
    if (!check.accepted) {
        if (check.clearConfirmation)
            Text3->clear();
        LocalMsgBox(check.message);
        return;
    }
    // The old password goes into the main window's box, which the radio's
    // stored password is compared with.
    state_.form1.text2 = Text1->text();
    if (passwordBoxChanged_)
        passwordBoxChanged_();
    state_.values.commPassword = Text3->text();
    if (controller_.startPasswordChange())
        hide();
}

} // namespace q716
