#include "shell/CommandLine.h"
#include "shell/Form1.h"
#include "shell/Startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    q716::answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    q716::configureApplication(app);
    QString file;
    QString error;
    if (!q716::parseCommandLine(app.arguments(), &file, &error)) {
        std::fprintf(stderr, "q716: %s\n", qPrintable(error));
        return 1;
    }
    const std::unique_ptr<q716::Form1> window =
        q716::startMainWindow(file.isEmpty() ? QStringList() : QStringList{file});
    window->show();
    return app.exec();
}
