#include "state/OptionValues.h"

#include "image/FieldCodec.h"

#include <limits>

namespace q716 {

int NumberText::number() const {
    return wholeNumber(text, std::numeric_limits<qint16>::min(),
                       std::numeric_limits<qint16>::max());
}

QString& OptionValues::slot(int n) {
    return const_cast<QString&>(std::as_const(*this).slot(n));
}

const QString& OptionValues::slot(int n) const {
    switch (n) {
    case 0:
        return spare0;
    case 1:
        return spare1;
    case 2:
        return spare2;
    case 3:
        return pttId.text;
    case 4:
        return spare4;
    case 5:
        return voxFunction.text;
    case 6:
        return voxGain.text;
    case 7:
        return voxDelay.text;
    case 8:
        return voxVolumeControl.text;
    case 9:
        return duplicate.text;
    case 10:
        return priorityMode.text;
    case 11:
        return preferredChannel.text;
    case 12:
        return retraceTimeA.text;
    case 13:
        return retraceTimeB.text;
    case 14:
        return returnChannel.text;
    case 15:
        return field0120;
    case 16:
        return field0140;
    case 17:
        return field0150;
    case 18:
        return scanReceiveDelay.text;
    case 19:
        return scanLaunchDelay.text;
    case 20:
        return spare20;
    case 21:
        return spare21;
    case 22:
        return cancelOperation.text;
    default:
        Q_ASSERT(n == 23);
        return voxBannedWhileReceiving.text;
    }
}

} // namespace q716
