#include "shell/Form1.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    q716::configureApplication(app);
    const std::unique_ptr<q716::Form1> window = q716::startMainWindow(app.arguments().mid(1));
    window->show();
    return app.exec();
}
