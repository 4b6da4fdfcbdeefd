#include "dialogs/DesignSize.h"

#include <QLayout>
#include <QVariant>
#include <QWidget>

namespace q716 {

namespace {
const char* const DesignSizeProperty = "q716DesignSize";
}

void setDesignSize(QWidget* window, QSize size) {
    window->setProperty(DesignSizeProperty, size);
    window->resize(size);
}

void fitToCaptions(QWidget* window) {
    if (QLayout* layout = window->layout())
        layout->activate();
    window->adjustSize();
    const QSize design = window->property(DesignSizeProperty).toSize();
    if (design.isValid())
        window->resize(window->size().expandedTo(design));
}

} // namespace q716
