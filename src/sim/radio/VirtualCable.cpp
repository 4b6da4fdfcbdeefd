#include "VirtualCable.h"

#include <memory>

namespace q716sim {

VirtualCable::VirtualCable(VirtualClock& clock, Radio& radio, ProgramEnd end, int latencyMs)
    : clock_(clock), radio_(radio), end_(std::move(end)), latency_(latencyMs) {}

VirtualCable::~VirtualCable() {
    for (VirtualClock::Id id : pending_)
        clock_.cancel(id);
}

void VirtualCable::write(const QByteArray& bytes) {
    if (!open_ || bytes.isEmpty())
        return;
    const qint64 start = qMax(clock_.now(), toRadioFree_);
    toRadioFree_ = start + wireMs(bytes.size());
    ++toRadio_;
    at(toRadioFree_ + latency_, [this, bytes] {
        --toRadio_;
        radioReceives(bytes);
    });
}

void VirtualCable::radioReceives(const QByteArray& bytes) {
    qint64 cursor = clock_.now();
    for (const RadioOutput& o : radio_.received(bytes)) {
        const qint64 start = qMax(cursor + o.delayMs, toProgramFree_);
        switch (o.kind) {
        case RadioOutput::Bytes:
            toProgramFree_ = start + wireMs(o.bytes.size());
            at(toProgramFree_ + latency_, [this, b = o.bytes] {
                if (open_ && end_.received)
                    end_.received(b);
            });
            break;
        case RadioOutput::Break:
            // A break holds the line low for at least a character's time.
            toProgramFree_ = start + wireMs(1);
            at(toProgramFree_ + latency_, [this] {
                if (open_ && end_.lineBreak)
                    end_.lineBreak();
            });
            break;
        case RadioOutput::HangUp:
            toProgramFree_ = start;
            at(start + latency_, [this] {
                if (!open_)
                    return;
                open_ = false;
                if (end_.hungUp)
                    end_.hungUp();
            });
            break;
        }
        cursor = toProgramFree_;
    }
}

void VirtualCable::at(qint64 time, std::function<void()> event) {
    auto id = std::make_shared<VirtualClock::Id>(0);
    *id = clock_.schedule(time - clock_.now(), [this, id, event = std::move(event)] {
        pending_.erase(*id);
        event();
    });
    pending_.insert(*id);
}

} // namespace q716sim
