#include "LowLatency.h"

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace q716 {

LowLatency requestLowLatency(QSerialPort& port) {
#ifdef Q_OS_LINUX
    const int fd = int(port.handle());
    serial_struct serial{};
    if (fd < 0 || ::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return LowLatency::Unsupported;
    if (serial.flags & ASYNC_LOW_LATENCY)
        return LowLatency::AlreadySet;
    serial.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(fd, TIOCSSERIAL, &serial) == 0 ? LowLatency::Set : LowLatency::Unsupported;
#else
    Q_UNUSED(port);
    return LowLatency::Unsupported;
#endif
}

} // namespace q716
