#pragma once
// Windows fit their texts again after every caption pass, since the texts of
// the other language have other widths; a window drawn at a fixed size in
// the radio's original software keeps that size as its least.

#include <QSize>

class QWidget;

namespace q716 {

// Records `size` as the least size of `window` and gives it that size.
void setDesignSize(QWidget* window, QSize size);

// The size that fits the window's texts, but not below its design size.
void fitToCaptions(QWidget* window);

} // namespace q716
