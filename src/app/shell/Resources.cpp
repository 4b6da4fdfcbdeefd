#include "shell/Resources.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <initializer_list>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerQ716Resources() {
    Q_INIT_RESOURCE(q716);
    Q_INIT_RESOURCE(startup_icons);
}

namespace q716 {

void initResources() {
    static const bool done = (registerQ716Resources(), true);
    Q_UNUSED(done);
}

namespace {

// A picture of resources built by render-icons: rows of RGBA pixels.
QPixmap startupPicture(const char* name, const QSize& size) {
    const QResource pixels(QStringLiteral(":/startup/%1-%2x%3.rgba")
                               .arg(QLatin1String(name))
                               .arg(size.width())
                               .arg(size.height()));
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression ||
        pixels.size() != qint64(size.width()) * size.height() * 4)
        return {};
    return QPixmap::fromImage(QImage(pixels.data(), size.width(), size.height(), size.width() * 4,
                                     QImage::Format_RGBA8888_Premultiplied));
}

QIcon startupIcon(const char* name, std::initializer_list<QSize> sizes) {
    initResources();
    QIcon icon;
    for (const QSize& size : sizes)
        icon.addPixmap(startupPicture(name, size));
    return icon;
}

} // namespace

QIcon toolbarIcon(const char* key) {
    return startupIcon(key, {{24, 24}, {48, 48}});
}

QIcon logoIcon() {
    return startupIcon("logo",
                       {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {57, 52}, {114, 104}});
}

} // namespace q716
