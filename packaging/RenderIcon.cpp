// Renders the SVG logo into a square PNG icon at build time: the drawing is
// centred and keeps its aspect, the margin stays transparent.
// Usage: q716-render-icon LOGO.svg OUT.png SIZE

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const int size = args.value(3).toInt(&ok);
    if (args.size() != 4 || !ok || size <= 0) {
        std::fprintf(stderr, "usage: q716-render-icon LOGO.svg OUT.png SIZE\n");
        return 1;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "q716-render-icon: %s: not a readable SVG image\n",
                     qPrintable(args[1]));
        return 1;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    const QSizeF drawn = QSizeF(svg.defaultSize()).scaled(size, size, Qt::KeepAspectRatio);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter,
               QRectF(QPointF((size - drawn.width()) / 2, (size - drawn.height()) / 2), drawn));
    painter.end();
    if (!icon.save(args[2], "PNG")) {
        std::fprintf(stderr, "q716-render-icon: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
