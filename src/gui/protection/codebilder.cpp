// Pictures of the code entry: a key, a padlock, a circular arrow around a "2".
#include "gui/protection/codebilder.h"

#include <QPainter>
#include <QPainterPath>

namespace zalvor::gui {

namespace {

constexpr int kGroesse = 32;

QPixmap leer() {
    QPixmap p(kGroesse, kGroesse);
    p.fill(Qt::transparent);
    return p;
}

} // namespace

QPixmap schluesselBild() {
    QPixmap p = leer();
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    const QColor messing(196, 150, 30);
    m.setPen(QPen(messing.darker(140), 1.5));
    m.setBrush(messing);
    // Bow with its hole, shaft, two teeth.
    QPainterPath schluessel;
    schluessel.addEllipse(QRectF(2, 9, 14, 14));
    schluessel.addRect(QRectF(15, 14, 15, 4));
    schluessel.addRect(QRectF(23, 18, 3, 5));
    schluessel.addRect(QRectF(27, 18, 3, 7));
    schluessel.setFillRule(Qt::WindingFill);
    m.drawPath(schluessel.simplified());
    m.setBrush(Qt::white);
    m.drawEllipse(QRectF(6, 13, 6, 6));
    return p;
}

QPixmap schlossBild() {
    QPixmap p = leer();
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    // Shackle, body, keyhole.
    m.setPen(QPen(QColor(110, 110, 120), 3.5));
    m.setBrush(Qt::NoBrush);
    m.drawArc(QRectF(9, 3, 14, 16), 0, 180 * 16);
    m.drawLine(QPointF(9, 11), QPointF(9, 15));
    m.drawLine(QPointF(23, 11), QPointF(23, 15));
    m.setPen(QPen(QColor(120, 80, 10), 1.2));
    m.setBrush(QColor(215, 170, 40));
    m.drawRoundedRect(QRectF(5, 14, 22, 16), 2, 2);
    m.setPen(Qt::NoPen);
    m.setBrush(QColor(40, 30, 10));
    m.drawEllipse(QRectF(13.5, 18, 5, 5));
    m.drawRect(QRectF(15, 21, 2, 6));
    return p;
}

QPixmap wiederholBild() {
    QPixmap p = leer();
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    const QColor blau(30, 90, 190);
    // Arrow around, head at its end, the "2" of the second entry inside.
    m.setPen(QPen(blau, 3, Qt::SolidLine, Qt::FlatCap));
    m.setBrush(Qt::NoBrush);
    m.drawArc(QRectF(4, 4, 24, 24), 60 * 16, 290 * 16);
    m.setPen(Qt::NoPen);
    m.setBrush(blau);
    const QPolygonF spitze({QPointF(17, 1), QPointF(24, 6), QPointF(16, 10)});
    m.drawPolygon(spitze);
    QFont schrift = m.font();
    schrift.setBold(true);
    schrift.setPixelSize(13);
    m.setFont(schrift);
    m.setPen(blau.darker(130));
    m.drawText(QRectF(0, 0, kGroesse, kGroesse), Qt::AlignCenter, QStringLiteral("2"));
    return p;
}

} // namespace zalvor::gui
