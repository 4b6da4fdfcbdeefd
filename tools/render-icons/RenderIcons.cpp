// Renders the program's SVG pictures into the sizes the main window shows
// while it starts, as bare pixels (RGBA, premultiplied, 8 bits each, row by
// row) the program uses as they are: its start-up then neither loads an SVG
// renderer nor decodes an image file.
//
//   render-icons OUTDIR picture.svg:24,48 logo.svg:57x52,114x104 ...
//
// Each size is a box; the picture keeps its proportions inside it, as Qt's
// own SVG icons do, and goes to OUTDIR/<name>-<W>x<H>.rgba (the box's size).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QSize box(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('x'));
    const int width = parts.value(0).toInt();
    return {width, parts.size() > 1 ? parts.value(1).toInt() : width};
}

bool render(const QString& svg, const QSize& size, const QString& path) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || size.isEmpty())
        return false;
    QImage image(size, QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QRect picture(QPoint(), renderer.defaultSize().scaled(size, Qt::KeepAspectRatio));
    picture.moveCenter(image.rect().center());
    renderer.render(&painter, picture);
    painter.end();
    QFile file(path);
    const qint64 rowBytes = qint64(size.width()) * 4;
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int y = 0; y < size.height(); ++y)
        if (file.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes) != rowBytes)
            return false;
    return file.flush();
}

} // namespace

int main(int argc, char** argv) {
    // No display is needed to draw into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: render-icons OUTDIR picture.svg:SIZE[,SIZE...] ...\n");
        return 2;
    }
    const QDir out(args.first());
    QDir().mkpath(out.path());
    for (const QString& job : args.mid(1)) {
        const qsizetype colon = job.lastIndexOf(QLatin1Char(':'));
        const QString svg = job.left(colon);
        for (const QString& sizeText : job.mid(colon + 1).split(QLatin1Char(','))) {
            const QSize size = box(sizeText);
            const QString pixels = out.filePath(QStringLiteral("%1-%2x%3.rgba")
                                                    .arg(QFileInfo(svg).completeBaseName())
                                                    .arg(size.width())
                                                    .arg(size.height()));
            if (!render(svg, size, pixels)) {
                std::fprintf(stderr, "render-icons: cannot draw %s at %s into %s\n",
                             qPrintable(svg), qPrintable(sizeText), qPrintable(pixels));
                return 1;
            }
        }
    }
    return 0;
}
