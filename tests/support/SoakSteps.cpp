#include "SoakSteps.h"

#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "link/LinkTexts.h"

namespace q716::soak {

int envNumber(const char* name, int fallback) {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(name, &ok);
    return ok ? n : fallback;
}

QString successCaption(const SessionPlan& plan) {
    const int lang = plan.languageCode;
    return plan.kind == SessionKind::Read    ? linktext::readSuccess(lang)
           : plan.kind == SessionKind::Write ? linktext::writeSuccess(lang)
                                             : linktext::passwordChanged(lang);
}

qint64 sessionTimeLimit(const SessionPlan& plan) {
    // Every message waits at most for the watchdog; late replies, the boxes
    // and the countdown come after that.
    return qint64(messagesOf(plan.kind, plan.debugUnlocked)) * WatchdogMs + 6000 + 2 * 5000 +
           CountdownMs;
}

ClockEnd runSessionClock(q716sim::VirtualClock& clock, const SessionPlan& plan, qint64 startedAt,
                         const std::function<bool()>& leave) {
    const qint64 limit = startedAt + sessionTimeLimit(plan);
    while (clock.pending()) {
        if (leave())
            return ClockEnd::LeftInCountdown;
        if (clock.nextDue() > limit)
            return ClockEnd::TimedOut;
        clock.runNext();
    }
    return ClockEnd::Drained;
}

QByteArray afterSuccess(const SessionPlan& plan, const QByteArray& radioBefore, EditorState& editor,
                        QStringList& questions) {
    QByteArray intended = radioBefore;
    switch (plan.kind) {
    case SessionKind::Read:
        LoadImage(editor, QString::fromLatin1(radioBefore.mid(0x0010, 0x0400).toHex().toUpper()),
                  [&](const Message& m) {
                      questions.append(m.text);
                      return int(ResultOk);
                  });
        break;
    case SessionKind::Write: {
        const QByteArray image = buildImageBytes(editor);
        for (int address : writeAddresses(plan.debugUnlocked))
            intended.replace(address, 16, image.mid(address - 0x10, 16));
        break;
    }
    case SessionKind::Password:
        intended.replace(0x01C0, 16, passwordBlock(plan.newPassword));
        break;
    }
    return intended;
}

} // namespace q716::soak
