#include "link/SessionController.h"

#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "shell/LocalMsgBox.h"

#include <QWidget>

namespace q716 {

SessionController::SessionController(QWidget* owner, EditorState& state, SessionDisplay& window)
    : SessionRunner(host_, owner), MSComm1_(new MSComm1(owner)),
      host_(
          state, [](const EditorState& s) { return BuildImage(s); },
          [](EditorState& s, const QString& hex) { LoadImage(s, hex, localMessageFn()); }) {
    SessionRunner::setPort(MSComm1_);
    setDisplay(&window);
    connect(MSComm1_, &MSComm1::received, this, &SessionRunner::received);
    connect(MSComm1_, &MSComm1::hungUp, this, &SessionRunner::portLost);
}

} // namespace q716
