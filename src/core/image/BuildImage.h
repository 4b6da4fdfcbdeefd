#pragma once
// Editor state -> memory image text (addresses 0x0010..0x035F in order).

#include "state/EditorState.h"

#include <QByteArray>
#include <QString>

namespace q716 {

// The 848 image bytes. Input the editor never produces is normalised so the
// image keeps its layout: a frequency cell not of the form 000.00000 is stored
// as empty, and a row whose receive frequency is stored as empty is stored as
// an empty channel (scan bit included); a tone cell that is neither a CTCSS
// value nor a DCS code is stored as no tone; a flag cell that holds neither
// entry (in either language) counts as empty; a list without a selection and
// numbers outside a byte are clamped; characters without a one-byte code are
// stored as "?" and texts are cut at their field's length.
QByteArray buildImageBytes(const EditorState& state);

// The image text: exactly 1696 upper-case hex digits.
QString BuildImage(const EditorState& state);

} // namespace q716
