#pragma once
// The picture of the handheld that Form6 shows beside its lists, drawn here
// rather than shipped as an image.

#include <QPixmap>

namespace q716 {

enum class MarkedKey { None, PF1, PF2 };

// The radio seen from the front-left, its side keys drawn on the left edge;
// the marked key is filled red and named beside it.
QPixmap radioPicture(MarkedKey marked);

} // namespace q716
