#include "shell/Startup.h"

#include "shell/Form1.h"
#include "shell/WheelGuard.h"

#include <QCoreApplication>

namespace q716 {

void configureApplication(QCoreApplication& app) {
    app.setApplicationName(QStringLiteral("q716"));
    app.setOrganizationName(QStringLiteral("q716"));
    WheelGuard::install(app);
}

std::unique_ptr<Form1> startMainWindow(const QStringList& arguments) {
    auto window = std::make_unique<Form1>();
    window->Form_Load();
    if (!arguments.isEmpty())
        window->openChannelFileNamed(arguments.first());
    return window;
}

} // namespace q716
