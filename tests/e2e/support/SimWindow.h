#pragma once
// The program's main window talking to q716-sim over a real pseudo-terminal:
// the setting every end-to-end window test starts from.

#include "support/AppFixture.h"
#include "support/SimRadio.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace q716::e2e {

class SimWindow {
  public:
    static constexpr int Timeout = 20000;

  protected:
    QTemporaryDir dir;
    std::unique_ptr<q716test::AppFixture> app;
    std::unique_ptr<SimRadio> sim;
    std::unique_ptr<q716::Form1> w;

    QString path(const QString& name) const { return dir.filePath(name); }

    // A fresh fixture before each test; the window, the simulator and the
    // fixture go after it.
    void openFixture();
    void closeAll();

    // The simulator on the memory file `name`.mem (written from `radio` when
    // given, created erased when missing), the window started with COM1 its
    // device and remembered, in English unless `chinese`.
    void start(const QString& name, const QByteArray& radio, const QStringList& simArgs = {},
               const QStringList& windowArgs = {}, bool chinese = false);

    void clickToolbar(const char* key);
    // The session and its countdown are over: the controls are back.
    void waitUntilIdle();
};

} // namespace q716::e2e
