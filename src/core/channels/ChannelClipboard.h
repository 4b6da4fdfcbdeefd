#pragma once
// Channels on the clipboard: as tab-separated text with the CSV header, which
// a spreadsheet takes, and as the program's own form, which keeps every cell
// and list index exactly. Paste puts channels at a channel onwards and never
// past channel 16.

#include "channels/RowOperations.h"
#include "shell/Messages.h"
#include "state/EditorState.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace q716 {

// One channel as the table holds it: columns 1..8 and their GridIndex.
struct CopiedChannel {
    std::array<QString, GridColumns> cells{};
    std::array<int, GridColumns> index{};

    bool operator==(const CopiedChannel&) const = default;
};

// The MIME type of the program's own form.
inline const QString ChannelsMimeType = QStringLiteral("application/x-q716-channels");

std::vector<CopiedChannel> copyChannels(const ChannelGrid& grid, const ChannelRows& rows);

// The header, then one line per copied channel in use, tab-separated: the
// CSV export's fields.
QString channelsAsText(const std::vector<CopiedChannel>& channels);

// The program's own form, and back; no value when the bytes are not one.
// The channels read back are as any program put them: checkOwnFormChannels
// decides whether they may be pasted.
QByteArray channelsAsOwnForm(const std::vector<CopiedChannel>& channels);
std::optional<std::vector<CopiedChannel>> channelsFromOwnForm(const QByteArray& bytes);

struct PastedText {
    std::vector<CopiedChannel> channels;
    std::optional<Message> refusal; // nothing is pasted
};

// Channels of the own form through the rules of typing, for band `band`,
// meant for channel `first` onwards: frequencies inside the band and on the
// 5 kHz / 6.25 kHz raster, tones the tone editor takes, list cells that are
// entries of their lists. A channel without a receive frequency is an empty
// one. Any channel that fails refuses the whole paste, each one named with
// its reason; list texts follow `languageCode`.
PastedText checkOwnFormChannels(const std::vector<CopiedChannel>& channels, int first, int band,
                                int languageCode);

// Tab- or comma-separated text with the CSV header, each row through the
// import's rules for band `band`, meant for channel `first` onwards. A row
// the import would skip refuses the whole paste; so does text without the
// header line or without a row under it, saying what a paste needs.
PastedText channelsFromText(const QString& text, int first, int band, int languageCode);

// The channels at `first`, first + 1, ...: refused when they do not fit
// before the end of the table. List texts follow the language shown. The
// priority channel follows an emptied channel as for a deleted one.
RowOperationResult pasteChannels(EditorState& state, int first,
                                 const std::vector<CopiedChannel>& channels, int languageCode);

} // namespace q716
