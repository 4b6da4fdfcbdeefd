#pragma once
// What each address of the memory image means, as the codec itself says it:
// every field of imageFields() is built once with another value, and the
// bytes (and bits) that change are the field's. No second address map is
// kept beside the codec.

#include "compare/EditorFields.h"

#include <QList>
#include <QString>

namespace q716 {

struct AddressOwner {
    FieldRef field;
    int bits = 0; // the bits of the byte that changed with the field's other value
};

// The fields that own the byte at `address` (0x0010..0x035F); none for fixed
// data (identification texts, unused space).
QList<AddressOwner> addressOwners(int address);

// The fields a change of `changedBits` at `address` touches: the owners of
// those bits (power and bandwidth share a byte, so do eight scan flags), or
// every owner of the byte when the change is in none of them.
QList<FieldRef> fieldsAt(int address, int changedBits);

// "channel 3 TX frequency", several joined by " / ", or the fixed-data text.
QString addressMeaning(int address, int changedBits, int languageCode);

} // namespace q716
