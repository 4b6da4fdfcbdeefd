#include "channels/BandChange.h"

#include "channels/ChannelTable.h"
#include "channels/Vocabulary.h"

namespace q716 {

namespace {

void takeLimits(MainWindowState& form, int index) {
    form.combo1 = index;
    const BandLimits limits = bandLimits(index);
    form.bandLow = limits.low;
    form.bandHigh = limits.high;
}

} // namespace

void bandListOpened(MainWindowState& form) {
    form.lastBand = form.combo1;
}

Message bandChangeQuestion(int languageCode) {
    return {pickText(languageCode, QStringLiteral("改变频段将清除频道列表，确定吗？"),
                     QStringLiteral("Change frequency channel list will remove, sure?")),
            MsgOkCancelQuestionSystemModal,
            pickText(languageCode, QStringLiteral("注意！"), QStringLiteral("Attention!"))};
}

void bandSelected(MainWindowState& form, int index, int languageCode, const MessageFn& ask) {
    if (index < 0 || index >= BandCount)
        return;
    takeLimits(form, index);
    if (index == form.lastBand)
        return;
    // On Cancel the new band stays selected with its limits and the rows of
    // the old band stay; LastBand still names the band they were made for.
    if (ask(bandChangeQuestion(languageCode)) == ResultOk) {
        ClearGrid(form.grid);
        form.lastBand = index;
    }
}

void selectBandWithoutQuestion(MainWindowState& form, int index) {
    if (index < 0 || index >= BandCount)
        return;
    form.lastBand = index;
    takeLimits(form, index);
}

} // namespace q716
