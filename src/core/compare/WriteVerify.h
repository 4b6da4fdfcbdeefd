#pragma once
// The check after a write: the radio is read back and every byte of the
// blocks just written must read as it was sent.

#include "shell/Messages.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

namespace q716 {

struct WrittenBlock {
    int address = 0;
    QByteArray data;
};

// The block a message of the program writes, if it is a write block.
std::optional<WrittenBlock> writtenBlockOf(const QByteArray& message);

struct ByteMismatch {
    int address = 0;
    int written = 0;
    int read = 0; // -1 when the read did not reach the address
};

// The bytes of `blocks` that `readImage` (radio memory from 0x0010 on, as a
// read brings it) holds otherwise, in address order.
QList<ByteMismatch> verifyWrittenBlocks(const QList<WrittenBlock>& blocks,
                                        const QByteArray& readImage);

// One line per mismatch: address, what it means, written and read byte.
QStringList verifyLines(const QList<ByteMismatch>& mismatches, int languageCode);

// The warning: the headline and every line.
Message verifyMismatchMessage(const QList<ByteMismatch>& mismatches, int languageCode);

} // namespace q716
