#pragma once
// A pseudo-terminal whose slave side the program sees as a serial device.

#include <QByteArray>
#include <QString>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace q716test {

// The master side; its slave is a serial device to the program.
class Pty {
  public:
    Pty() {
        fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ >= 0 && grantpt(fd_) == 0 && unlockpt(fd_) == 0)
            path_ = QString::fromLocal8Bit(ptsname(fd_));
    }
    ~Pty() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    QString path() const { return path_; }
    QByteArray readAvailable() {
        char buffer[256];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        return n > 0 ? QByteArray(buffer, int(n)) : QByteArray();
    }

  private:
    int fd_ = -1;
    QString path_;
};

} // namespace q716test
