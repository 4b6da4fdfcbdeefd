#include "interchange/ChannelSheetPrinting.h"

#include <QBuffer>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace q716 {

namespace {

PrintDialogAnswerer g_answerer;

// The Chinese text is drawn with a font that maps each character to one
// glyph of its own: fonts that share a glyph between an ideograph and its
// Kangxi radical (高 and ⾼) give the radical's code point to the PDF's text
// layer, so searching and copying the sheet would fail. The program's own
// font (as installed, not its alias "Sans Serif") comes first for the Latin
// text; the last family is the fallback where the first CJK font is not
// installed.
QStringList sheetFamilies() {
    return {QFontInfo(QFont()).family(), QStringLiteral("Droid Sans Fallback"),
            QStringLiteral("Noto Sans CJK SC")};
}

// Relative column widths of the channel table, as on screen.
constexpr int ColumnTwips[9] = {700, 1530, 1200, 1530, 1200, 900, 950, 1200, 1200};

class SheetPainter {
  public:
    SheetPainter(QPainter& p, QRectF page) : p_(p), page_(page), y_(page.top()) {}

    void paint(const ChannelSheet& sheet) {
        text(sheet.title, 16, true);
        // A long path loses its middle, so the file's name still shows.
        text(sheet.fileLine, 10, false, Qt::ElideMiddle);
        y_ += lineHeight(10) * 0.5;
        table(sheet);
        y_ += lineHeight(10);
        text(sheet.settingsTitle, 12, true);
        settings(sheet);
    }

  private:
    void setFont(double points, bool bold) {
        QFont f = p_.font();
        f.setFamilies(sheetFamilies());
        f.setPointSizeF(points);
        f.setBold(bold);
        // No ligatures, so that "Off" copied or searched in the PDF reads
        // as typed.
        f.setStyleStrategy(QFont::PreferNoShaping);
        p_.setFont(f);
    }
    double lineHeight(double points) {
        setFont(points, false);
        return p_.fontMetrics().height() * 1.4;
    }

    void text(const QString& line, double points, bool bold,
              Qt::TextElideMode elide = Qt::ElideNone) {
        setFont(points, bold);
        const double h = p_.fontMetrics().height() * 1.4;
        p_.drawText(QRectF(page_.left(), y_, page_.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
                    p_.fontMetrics().elidedText(line, elide, int(page_.width())));
        y_ += h;
    }

    void table(const ChannelSheet& sheet) {
        double total = 0;
        for (int w : ColumnTwips)
            total += w;
        const double rowH = lineHeight(9) * 1.1;
        const auto row = [&](const QStringList& cells, bool heading, bool shaded) {
            setFont(9, heading);
            double x = page_.left();
            for (int c = 0; c < 9; ++c) {
                const QRectF cell(x, y_, page_.width() * ColumnTwips[c] / total, rowH);
                if (heading || shaded)
                    p_.fillRect(cell, heading ? QColor(224, 224, 224) : QColor(192, 192, 255));
                p_.drawRect(cell);
                p_.drawText(cell, Qt::AlignCenter, cells.value(c));
                x += cell.width();
            }
            y_ += rowH;
        };
        row(sheet.headings, true, false);
        for (size_t r = 0; r < sheet.rows.size(); ++r)
            row(sheet.rows[r], false, r % 2 == 1);
    }

    void settings(const ChannelSheet& sheet) {
        setFont(10, false);
        const double h = p_.fontMetrics().height() * 1.4;
        const double column = page_.width() / 2;
        for (size_t i = 0; i < sheet.settings.size(); ++i) {
            const double x = page_.left() + column * double(i % 2);
            const QRectF label(x, y_, column * 0.55, h);
            const QRectF value(x + column * 0.55, y_, column * 0.45, h);
            setFont(10, true);
            p_.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, sheet.settings[i].first);
            setFont(10, false);
            p_.drawText(value, Qt::AlignLeft | Qt::AlignVCenter, sheet.settings[i].second);
            if (i % 2 == 1 || i + 1 == sheet.settings.size())
                y_ += h;
        }
    }

    QPainter& p_;
    QRectF page_;
    double y_;
};

} // namespace

QPageLayout channelSheetPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void paintChannelSheet(QPagedPaintDevice& device, const ChannelSheet& sheet) {
    QPainter painter(&device);
    // The painter's origin is the printable area's corner; the device's
    // size is that area.
    SheetPainter(painter, QRectF(0, 0, device.width(), device.height())).paint(sheet);
}

QByteArray channelSheetPdf(const ChannelSheet& sheet) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(channelSheetPageLayout());
        pdf.setResolution(300);
        pdf.setTitle(sheet.title);
        pdf.setCreator(QStringLiteral("q716"));
        paintChannelSheet(pdf, sheet);
    }
    return bytes;
}

void setPrintDialogAnswerer(PrintDialogAnswerer answerer) {
    g_answerer = std::move(answerer);
}

bool askToPrint(QPrinter& printer, QWidget* parent) {
    if (g_answerer)
        return g_answerer(printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace q716
