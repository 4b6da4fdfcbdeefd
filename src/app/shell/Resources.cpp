#include "shell/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerQ716Resources() {
    Q_INIT_RESOURCE(q716);
}

namespace q716 {

void initResources() {
    static const bool done = (registerQ716Resources(), true);
    Q_UNUSED(done);
}

} // namespace q716
