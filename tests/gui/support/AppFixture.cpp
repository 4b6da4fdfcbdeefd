#include "AppFixture.h"

#include "files/FileDialogs.h"
#include "shell/LocalMsgBox.h"
#include "shell/Startup.h"
#include "shell/UrlOpener.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

namespace q716test {

namespace {

int codeOf(QMessageBox& box, QAbstractButton* button) {
    switch (box.standardButton(button)) {
    case QMessageBox::Ok:
        return q716::ResultOk;
    case QMessageBox::Cancel:
        return q716::ResultCancel;
    case QMessageBox::Abort:
        return q716::ResultAbort;
    case QMessageBox::Retry:
        return q716::ResultRetry;
    case QMessageBox::Ignore:
        return q716::ResultIgnore;
    case QMessageBox::Yes:
        return q716::ResultYes;
    case QMessageBox::No:
        return q716::ResultNo;
    default:
        return 0;
    }
}

QSettings overrideStore() {
    return {QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("RM-52")};
}

} // namespace

AppFixture::AppFixture() {
    if (qApp)
        q716::configureApplication(*qApp);
    QDir(dir_.path()).mkpath(QStringLiteral("config"));
    qputenv("Q716_CONFIG_DIR", configDir().toLocal8Bit());
    // No serial ports unless a test names its own devices.
    qputenv("Q716_PORTS", QByteArray());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       dir_.filePath(QStringLiteral("settings")));
    // The per-user data folder (backups) is the test's own too.
    qputenv("XDG_DATA_HOME", dataDir().toLocal8Bit());

    q716::setMessageBoxAnswerer([this](QMessageBox& box) {
        ShownMessage shown;
        shown.text = box.text();
        shown.title = box.windowTitle();
        for (QAbstractButton* b : box.buttons())
            shown.buttons << b->text();
        if (box.defaultButton())
            shown.defaultButton = box.defaultButton()->text();
        shown.hasIcon = box.icon() != QMessageBox::NoIcon;
        if (const auto* list = box.findChild<QPlainTextEdit*>(QStringLiteral("MessageDetails")))
            shown.details = list->toPlainText();
        if (!answers_.isEmpty()) {
            shown.answer = answers_.takeFirst();
        } else {
            ++unscriptedMessages;
            QAbstractButton* b = box.escapeButton() ? box.escapeButton() : box.buttons().first();
            shown.answer = codeOf(box, b);
        }
        messages.append(shown);
        return shown.answer;
    });
    q716::setFileDialogAnswerer([this](q716::FileDialogKind, const QString&) {
        ++fileDialogsShown;
        return files_.isEmpty() ? QString() : files_.takeFirst();
    });
    q716::setUrlOpener([this](const QUrl& url) {
        openedUrls.append(url);
        return true;
    });
}

AppFixture::~AppFixture() {
    q716::setMessageBoxAnswerer({});
    q716::setFileDialogAnswerer({});
    q716::setUrlOpener({});
    qunsetenv("Q716_CONFIG_DIR");
    qunsetenv("Q716_PORTS");
    qunsetenv("XDG_DATA_HOME");
}

QString AppFixture::configDir() const {
    return dir_.filePath(QStringLiteral("config"));
}

QString AppFixture::dataDir() const {
    return dir_.filePath(QStringLiteral("data"));
}

QString AppFixture::backupDir() const {
    return dataDir() + QStringLiteral("/q716/q716/backups");
}

QString AppFixture::tempPath(const QString& name) const {
    return dir_.filePath(name);
}

void AppFixture::writeParameter(const QByteArray& bytes) {
    QFile f(QDir(configDir()).filePath(QStringLiteral("parameter")));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray AppFixture::parameterBytes() const {
    QFile f(QDir(configDir()).filePath(QStringLiteral("parameter")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool AppFixture::parameterExists() const {
    return QFile::exists(QDir(configDir()).filePath(QStringLiteral("parameter")));
}

void AppFixture::setLanguageOverride(const QVariant& value) {
    QSettings s = overrideStore();
    s.setValue(QStringLiteral("Languages"), value);
}

bool AppFixture::languageOverridePresent() const {
    QSettings s = overrideStore();
    return s.contains(QStringLiteral("Languages"));
}

std::unique_ptr<q716::Form1> AppFixture::start(const QStringList& arguments) {
    std::unique_ptr<q716::Form1> w = q716::startMainWindow(arguments);
    w->show();
    QApplication::setActiveWindow(w.get());
    w->activateWindow();
    w->raise();
    QApplication::processEvents();
    // The window builds what it does not show once it has been drawn.
    if (!QTest::qWaitFor([&w] { return w->startupFinished(); }))
        qWarning("the main window did not finish its start-up");
    window_ = w.get();
    return w;
}

} // namespace q716test
