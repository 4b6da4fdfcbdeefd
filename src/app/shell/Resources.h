#pragma once
// The pictures of resources/q716.qrc live in the static library, so whoever
// shows them makes sure they are registered first.

#include <QIcon>

namespace q716 {
void initResources();

// The main window's pictures, drawn from their SVG sources into PNG files
// when the program is built (src/app/CMakeLists.txt), so the window appears
// without loading an SVG renderer: a toolbar button's and the logo, which is
// the window's icon and the picture beside the model list.
QIcon toolbarIcon(const char* key);
QIcon logoIcon();
} // namespace q716
