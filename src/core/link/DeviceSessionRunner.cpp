#include "link/DeviceSessionRunner.h"

namespace q716 {

DeviceSessionRunner::DeviceSessionRunner(QIODevice& device, SessionHost& host, QObject* parent)
    : QObject(parent), device_(device), session_(host) {
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(500);
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(200);
    connect(&timer1_, &QTimer::timeout, this, [this] { apply(session_.timer1Tick()); });
    connect(&timer2_, &QTimer::timeout, this, [this] { apply(session_.timer2Tick()); });
    connect(&device_, &QIODevice::readyRead, this, [this] {
        const QByteArray bytes = device_.readAll();
        if (trace_)
            trace_(LinkDirection::Received, bytes);
        apply(session_.bytesReceived(bytes));
    });
}

void DeviceSessionRunner::startRead() {
    begin(session_.startRead(device_.isOpen()));
}

void DeviceSessionRunner::startWrite() {
    begin(session_.startWrite(device_.isOpen()));
}

void DeviceSessionRunner::deviceLost() {
    apply(session_.portLost());
}

void DeviceSessionRunner::begin(const SessionActions& actions) {
    running_ = true;
    apply(actions);
    // A start that sent nothing was refused (port not open).
    if (running_ && !session_.view().timer1) {
        running_ = false;
        emit finished(false, lastMessage_);
    }
}

void DeviceSessionRunner::apply(const SessionActions& actions) {
    for (const SessionAction& a : actions) {
        switch (a.kind) {
        case SessionAction::Send:
            if (!device_.isOpen())
                break;
            if (trace_)
                trace_(LinkDirection::Sent, a.bytes);
            device_.write(a.bytes);
            break;
        case SessionAction::ProgressRange:
        case SessionAction::ProgressValue:
            emit progress(session_.view().progressValue, session_.view().progressMaximum);
            break;
        case SessionAction::Timer1Enabled:
            a.on ? timer1_.start() : timer1_.stop();
            break;
        case SessionAction::Timer2Enabled:
            a.on ? timer2_.start() : timer2_.stop();
            break;
        case SessionAction::ShowMessage:
            lastMessage_ = a.message.text;
            break;
        case SessionAction::LoadImage:
            session_.host().loadImage(a.text);
            break;
        case SessionAction::SessionSucceeded:
        case SessionAction::SessionFailed:
            if (!running_)
                break;
            running_ = false;
            timer1_.stop();
            timer2_.stop();
            emit finished(a.kind == SessionAction::SessionSucceeded,
                          a.kind == SessionAction::SessionSucceeded ? session_.view().caption
                                                                    : lastMessage_);
            break;
        default:
            break;
        }
    }
}

} // namespace q716
