#pragma once
// The file that keeps the simulated radio's memory between runs, from
// address 0x0000.

#include "RadioMemory.h"

#include <QString>

namespace q716sim {

// Loads the file, or creates an erased memory with the identification text
// and the band code when it does not exist. Returns false with a reason.
bool loadMemoryFile(const QString& path, int bandCode, RadioMemory& memory, QString* error);
// Writes the memory through a temporary file, replacing the old one at once.
bool saveMemoryFile(const QString& path, const RadioMemory& memory, QString* error);

} // namespace q716sim
