#include "dialogs/RadioPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace q716 {

namespace {
constexpr int Width = 150;
constexpr int Height = 260;
constexpr QColor Body{60, 63, 70};
constexpr QColor Edge{30, 32, 36};
constexpr QColor Key{110, 114, 122};
constexpr QColor Mark{214, 40, 40};

// Side keys on the left edge, top to bottom: PTT, PF1, PF2.
const QRect PttKey(34, 118, 8, 34);
const QRect Pf1Key(34, 158, 8, 16);
const QRect Pf2Key(34, 180, 8, 16);
} // namespace

QPixmap radioPicture(MarkedKey marked) {
    QPixmap pixmap(Width, Height);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Antenna and knobs.
    p.setPen(Qt::NoPen);
    p.setBrush(Edge);
    p.drawRoundedRect(QRect(52, 6, 12, 70), 5, 5);
    p.drawRoundedRect(QRect(86, 40, 16, 28), 3, 3);

    // Body.
    p.setPen(QPen(Edge, 2));
    p.setBrush(Body);
    p.drawRoundedRect(QRect(40, 64, 78, 186), 14, 14);

    // Speaker grille.
    p.setPen(QPen(Edge, 2));
    for (int y = 80; y <= 136; y += 8)
        p.drawLine(54, y, 104, y);

    // Display.
    p.setPen(QPen(Edge, 1));
    p.setBrush(QColor(160, 196, 160));
    p.drawRoundedRect(QRect(52, 148, 54, 24), 3, 3);

    // Keypad.
    p.setBrush(Key);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRoundedRect(QRect(52 + col * 19, 180 + row * 15, 15, 11), 2, 2);

    // Side keys.
    auto sideKey = [&](const QRect& r, bool isMarked) {
        p.setPen(QPen(Edge, 1));
        p.setBrush(isMarked ? Mark : Key);
        p.drawRoundedRect(r, 2, 2);
    };
    sideKey(PttKey, false);
    sideKey(Pf1Key, marked == MarkedKey::PF1);
    sideKey(Pf2Key, marked == MarkedKey::PF2);

    if (marked != MarkedKey::None) {
        const QRect key = marked == MarkedKey::PF1 ? Pf1Key : Pf2Key;
        const int y = key.center().y();
        p.setPen(QPen(Mark, 2));
        p.drawLine(6, y, key.left() - 2, y);
        p.drawLine(key.left() - 2, y, key.left() - 7, y - 4);
        p.drawLine(key.left() - 2, y, key.left() - 7, y + 4);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(12);
        p.setFont(font);
        p.drawText(QRect(0, y - 20, 40, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   marked == MarkedKey::PF1 ? QStringLiteral("PF1") : QStringLiteral("PF2"));
    }
    return pixmap;
}

} // namespace q716
