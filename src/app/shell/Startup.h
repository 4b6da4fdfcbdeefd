#pragma once
// What main() does, shared with the window tests and the screenshot programs.

#include <QStringList>
#include <memory>

class QCoreApplication;

namespace q716 {

class Form1;

// Names the program for the per-user folders, --version and the desktop.
void configureApplication(QCoreApplication& app);

// Builds the main window, runs its start-up, puts Qt's own texts in the
// chosen language and opens a channel file named on the command line. The
// window is not shown yet; what it does not show is built once it has been
// drawn (Form1::finishStartup), or before a file named here is opened.
std::unique_ptr<Form1> startMainWindow(const QStringList& arguments);

} // namespace q716
