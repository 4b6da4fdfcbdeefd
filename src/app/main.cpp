#include "shell/CommandLine.h"
#include "shell/Form1.h"
#include "shell/Startup.h"
#include "shell/UrlOpener.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    q716::answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    q716::configureApplication(app);
    q716::CommandLine command;
    QString error;
    if (!q716::parseCommandLine(app.arguments(), &command, &error)) {
        std::fprintf(stderr, "q716: %s\n", qPrintable(error));
        return 1;
    }
    if (command.manualLanguage >= 0) {
        q716::openUrl(q716::manualUrl(command.manualLanguage));
        return 0;
    }
    const std::unique_ptr<q716::Form1> window =
        q716::startMainWindow(command.file.isEmpty() ? QStringList() : QStringList{command.file});
    window->show();
    return app.exec();
}
