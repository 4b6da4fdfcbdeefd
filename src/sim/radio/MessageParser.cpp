#include "MessageParser.h"

namespace q716sim {

namespace {
const QByteArray OpenText = QByteArrayLiteral("TQ-PROG");
}

Incoming MessageParser::take(Incoming::Kind kind, int size) {
    Incoming m{kind, buffer_.left(size)};
    buffer_.remove(0, size);
    if (m.bytes.size() >= 4 && (kind == Incoming::ReadRequest || kind == Incoming::WriteBlock)) {
        m.address = (uchar(m.bytes.at(1)) << 8) | uchar(m.bytes.at(2));
        m.length = uchar(m.bytes.at(3));
    }
    return m;
}

std::optional<Incoming> MessageParser::next() {
    if (buffer_.isEmpty())
        return std::nullopt;
    switch (uchar(buffer_.at(0))) {
    case 'T':
        if (buffer_.startsWith(OpenText))
            return take(Incoming::Open, OpenText.size());
        if (OpenText.startsWith(buffer_))
            return std::nullopt;
        break;
    case 0x06:
        return take(Incoming::Ack, 1);
    case 0x02:
        return take(Incoming::Identify, 1);
    case 'E':
        return take(Incoming::End, 1);
    case 'R':
        if (buffer_.size() < 4)
            return std::nullopt;
        return take(Incoming::ReadRequest, 4);
    case 'W':
        if (buffer_.size() < 4 || buffer_.size() < 4 + uchar(buffer_.at(3)))
            return std::nullopt;
        return take(Incoming::WriteBlock, 4 + uchar(buffer_.at(3)));
    default:
        break;
    }
    return take(Incoming::Junk, 1);
}

} // namespace q716sim
