#include "link/PortOpenFailure.h"

#include "link/LinkTexts.h"

namespace q716 {

PortProblem classifyPortProblem(bool permissionError, bool deviceReadWritable) {
    if (!permissionError)
        return PortProblem::Other;
    return deviceReadWritable ? PortProblem::InUse : PortProblem::PermissionDenied;
}

QString portProblemText(int languageCode, const PortOpenFailure& failure) {
    switch (failure.problem) {
    case PortProblem::InUse:
        return linktext::portInUse(languageCode);
    case PortProblem::PermissionDenied:
        return linktext::portPermissionDenied(
            languageCode, failure.group.isEmpty() ? QStringLiteral("dialout") : failure.group);
    case PortProblem::Other:
        break;
    }
    return failure.reason;
}

QString portUnavailableTip(int languageCode, const PortOpenFailure& failure) {
    if (failure.problem == PortProblem::Other)
        return linktext::portCannotOpen(languageCode, failure.reason);
    return portProblemText(languageCode, failure);
}

} // namespace q716
