#include "shell/Startup.h"

#include "shell/AccessibleInterfaces.h"
#include "shell/FocusReturn.h"
#include "shell/Form1.h"
#include "shell/QtTranslations.h"
#include "shell/WheelGuard.h"

#include <QApplication>
#include <QGuiApplication>

namespace q716 {

void configureApplication(QCoreApplication& app) {
    app.setApplicationName(QStringLiteral("q716"));
    app.setOrganizationName(QStringLiteral("q716"));
    app.setApplicationVersion(QStringLiteral(Q716_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(Q716_APP_ID));
    // --help and --version answer without windows, from a QCoreApplication.
    if (!qobject_cast<QApplication*>(&app))
        return;
    WheelGuard::install(app);
    installAccessibleInterfaces();
    FocusReturn::install();
}

std::unique_ptr<Form1> startMainWindow(const QStringList& arguments) {
    auto window = std::make_unique<Form1>();
    window->Form_Load();
    // Before a file named on the command line can show a message box.
    useQtTranslations(window->state.values.languageCode);
    if (!arguments.isEmpty()) {
        // A file opens into a window whose start-up is complete.
        window->finishStartup();
        window->openChannelFileNamed(arguments.first());
    }
    return window;
}

} // namespace q716
