#include "safety/LinkSafety.h"

#include "compare/EditorDiff.h"
#include "compare/StoredValues.h"
#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "image/HexHelpers.h"
#include "safety/CompareWindow.h"
#include "safety/LogWindow.h"
#include "safety/VerifyWindow.h"
#include "shell/LocalMsgBox.h"

#include <QSettings>

namespace q716 {

namespace {

const QString VerifyKey = QStringLiteral("verifyAfterWrite");
const QString ReadFirstKey = QStringLiteral("readBeforeWrite");

} // namespace

LinkSafety::LinkSafety(SessionController& link, EditorState& state, QWidget* owner)
    : QObject(owner), state_(state),
      sequence_(
          link, [&state] { return state.values.languageCode; }, SafetyOptions{}, this),
      compare_(new CompareWindow(state, owner)),
      logWindow_(new LogWindow(sequence_.log(), state, owner)),
      verifyWindow_(new VerifyWindow(state, owner)) {
    sequence_.setPortName([&link] { return link.comm().device().location; });
    sequence_.setVerifyAfterWrite(&LinkSafety::verifyAfterWriteSetting);
    connect(&sequence_, &SessionSafety::logged, this, [this] {
        if (logWindow_->isVisible())
            logWindow_->refresh();
    });
    connect(&sequence_, &SessionSafety::checked, this,
            [this](const QList<ByteMismatch>& mismatches) {
                if (!mismatches.isEmpty())
                    verifyWindow_->showMismatches(mismatches);
            });
    connect(&sequence_, &SessionSafety::compared, this, &LinkSafety::compared);
}

bool LinkSafety::verifyAfterWriteSetting() {
    return QSettings().value(VerifyKey, false).toBool();
}

void LinkSafety::setVerifyAfterWriteSetting(bool on) {
    QSettings().setValue(VerifyKey, on);
}

bool LinkSafety::readBeforeWriteSetting() {
    return QSettings().value(ReadFirstKey, false).toBool();
}

void LinkSafety::setReadBeforeWriteSetting(bool on) {
    QSettings().setValue(ReadFirstKey, on);
}

void LinkSafety::startWrite() {
    sequence_.startWrite(readBeforeWriteSetting());
}

void LinkSafety::compareWithRadio() {
    sequence_.startCompare();
}

void LinkSafety::compared(const QByteArray& radioImage) {
    const int lang = state_.values.languageCode;
    const EditorState editor = stateAsImage(state_);
    const EditorState radio = stateOfImage(radioImage, lang);
    compare_->showDifferences(editor, radio, CompareWindow::Other::Radio, {},
                              bytesAWriteChanges(radioImage, buildImageBytes(state_),
                                                 state_.values.debugUnlocked,
                                                 compareStates(editor, radio, lang)));
}

void LinkSafety::compareWithFile(const QString& path) {
    const ChannelFileRead file = readChannelFile(path);
    if (!file.result.ok()) {
        LocalMsgBox(wrongTypeMessage(state_.values.languageCode));
        return;
    }
    compare_->showDifferences(stateAsImage(state_),
                              stateOfImage(hexToBytes(file.imageHex), state_.values.languageCode),
                              CompareWindow::Other::File, path);
}

void LinkSafety::showLog() {
    logWindow_->refresh();
    logWindow_->show();
    logWindow_->raise();
    logWindow_->activateWindow();
}

} // namespace q716
