#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pictures {

QPixmap radio(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    // Antenna.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 48));
    p.drawRoundedRect(QRectF(w * 0.62, h * 0.02, w * 0.08, h * 0.3), 2, 2);
    // Body.
    QLinearGradient body(0, 0, w, 0);
    body.setColorAt(0, QColor(60, 66, 80));
    body.setColorAt(1, QColor(24, 28, 36));
    p.setBrush(body);
    const QRectF case_(w * 0.2, h * 0.25, w * 0.6, h * 0.72);
    p.drawRoundedRect(case_, w * 0.08, w * 0.08);
    // Display.
    p.setBrush(QColor(150, 210, 170));
    p.drawRoundedRect(QRectF(case_.left() + case_.width() * 0.12, case_.top() + case_.height() * 0.08,
                             case_.width() * 0.76, case_.height() * 0.22),
                      3, 3);
    p.setPen(QColor(20, 60, 30));
    QFont font = p.font();
    font.setPixelSize(qMax(6, int(case_.height() * 0.14)));
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(case_.left(), case_.top() + case_.height() * 0.08, case_.width(), case_.height() * 0.22),
               Qt::AlignCenter, QStringLiteral("16"));
    // Keypad.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 180, 195));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawEllipse(QRectF(case_.left() + case_.width() * (0.17 + c * 0.25),
                                 case_.top() + case_.height() * (0.42 + r * 0.16), case_.width() * 0.16,
                                 case_.width() * 0.16));
    return pixmap;
}

QPixmap push_to_talk(const QSize &size, bool pressed)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(3, 3, -3, -3);
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, pressed ? QColor(255, 120, 120) : QColor(240, 240, 240));
    g.setColorAt(1, pressed ? QColor(180, 0, 0) : QColor(150, 160, 175));
    p.setPen(QPen(QColor(40, 40, 48), 2));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setPen(pressed ? Qt::white : QColor(30, 30, 40));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(qMax(8, int(r.height() * 0.22)));
    p.setFont(font);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("PTT"));
    return pixmap;
}

QPixmap program_icon(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 160));
    p.drawRoundedRect(QRectF(0, 0, side, side), side * 0.18, side * 0.18);
    p.drawPixmap(QRect(side / 8, side / 16, side * 3 / 4, side * 7 / 8), radio(QSize(side * 3 / 4, side * 7 / 8)));
    return pixmap;
}

} // namespace pictures
