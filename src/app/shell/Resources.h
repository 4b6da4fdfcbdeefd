#pragma once
// The pictures of resources/q716.qrc live in the static library, so whoever
// shows them makes sure they are registered first.

namespace q716 {
void initResources();
}
