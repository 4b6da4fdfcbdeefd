#include "compare/WriteVerify.h"

#include "compare/AddressMeaning.h"
#include "compare/CompareTexts.h"
#include "image/ImageLayout.h"
#include "link/LinkMessages.h"

#include <algorithm>

namespace q716 {

std::optional<WrittenBlock> writtenBlockOf(const QByteArray& m) {
    if (m.size() < 4 || m.at(0) != linkmsg::WriteCommand)
        return std::nullopt;
    const int length = uchar(m.at(3));
    if (m.size() != 4 + length)
        return std::nullopt;
    return WrittenBlock{uchar(m.at(1)) << 8 | uchar(m.at(2)), m.mid(4)};
}

QList<ByteMismatch> verifyWrittenBlocks(const QList<WrittenBlock>& blocks,
                                        const QByteArray& readImage) {
    QList<ByteMismatch> out;
    for (const WrittenBlock& b : blocks) {
        for (qsizetype i = 0; i < b.data.size(); ++i) {
            const int address = b.address + int(i);
            const int k = offsetOf(address);
            const int written = uchar(b.data.at(i));
            const int read = k >= 0 && k < readImage.size() ? uchar(readImage.at(k)) : -1;
            if (read != written)
                out.append({address, written, read});
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const ByteMismatch& a, const ByteMismatch& b) {
        return a.address < b.address;
    });
    return out;
}

QStringList verifyLines(const QList<ByteMismatch>& mismatches, int languageCode) {
    QStringList lines;
    for (const ByteMismatch& m : mismatches) {
        const int changed = m.read < 0 ? 0xFF : (m.written ^ m.read);
        lines << comparetext::verifyLine(languageCode, m.address,
                                         addressMeaning(m.address, changed, languageCode),
                                         m.written, qMax(m.read, 0));
    }
    return lines;
}

Message verifyMismatchMessage(const QList<ByteMismatch>& mismatches, int languageCode) {
    return comparetext::verifyMismatch(languageCode, verifyLines(mismatches, languageCode));
}

} // namespace q716
