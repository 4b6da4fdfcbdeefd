#pragma once
// An input method hands over whole words at once, past the key filters that
// hold typing to a field's size and characters. These rules cut such a
// commit to what the field the radio's memory fixes can still take.

#include <QChar>
#include <QString>
#include <functional>
#include <optional>

namespace q716 {

// The communication password at 0x01C0 holds 16 characters.
constexpr int PasswordLength = 16;
// Each DTMF memory at 0x0200 holds 16 digits.
constexpr int DtmfMemoryLength = 16;

// A key filter: the character a typed one becomes, or no value to drop it.
using CharFilter = std::function<std::optional<QChar>(QChar typed)>;

// What a commit may add to a field of at most `limit` characters that holds
// `length`, `replaced` of which the commit replaces (a selection): control
// characters dropped, every other character through `filter` when one is
// given, then cut to the room that is left.
QString fitCommit(const QString& commit, qsizetype length, qsizetype replaced, int limit,
                  const CharFilter& filter = {});

// A field's whole text after an edit (typing, a paste, a drop) with the
// cursor behind what the edit added: every character through `filter`, and
// then, past `limit` characters (none when 0), the ones just before the
// cursor taken out, as a field that is full refuses more. Filtering first
// keeps a pasted " ABCDEFGH12345678" whole: its blank takes no room.
// Returns the cursor position in the new text.
int filterThenCut(QString& text, int cursor, const CharFilter& filter, int limit = 0);

} // namespace q716
