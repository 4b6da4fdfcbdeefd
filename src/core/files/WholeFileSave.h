#pragma once
// Saves a whole file in one piece: the new bytes appear under the file's name
// only when every one of them was written; otherwise the file that was there
// stays as it was.

#include <QByteArray>
#include <QString>

namespace q716 {

// False with the reason when the file could not be written.
bool saveWholeFile(const QString& path, const QByteArray& bytes, QString& reason);

// Whether saveWholeFile could write `path` now, trying it without touching
// the file: false with the reason when not (no such folder, a folder by
// that name, no right to write there).
bool canSaveWholeFile(const QString& path, QString& reason);

} // namespace q716
