// Pictures of the plan dialog: coin, piggy bank, bar chart, calculator.
#include "gui/lists/planbilder.h"

#include <QPainter>
#include <QPainterPath>

namespace zalvor::gui {

namespace {

constexpr int kGroesse = 32;

struct Farben {
    QColor flaeche;
    QColor rand;
};

void muenze(QPainter& m, const Farben& f) {
    m.setPen(QPen(f.rand, 1.5));
    m.setBrush(f.flaeche);
    m.drawEllipse(QRectF(3, 3, 26, 26));
    m.drawEllipse(QRectF(7, 7, 18, 18));
    QFont schrift = m.font();
    schrift.setBold(true);
    schrift.setPixelSize(14);
    m.setFont(schrift);
    m.drawText(QRectF(0, 0, kGroesse, kGroesse), Qt::AlignCenter, QStringLiteral("\u20ac"));
}

void sparschwein(QPainter& m, const Farben& f) {
    m.setPen(QPen(f.rand, 1.5));
    m.setBrush(f.flaeche);
    m.drawEllipse(QRectF(4, 9, 24, 17));
    m.drawRect(QRectF(8, 24, 4, 5));
    m.drawRect(QRectF(20, 24, 4, 5));
    m.drawEllipse(QRectF(25, 14, 5, 6));                                          // snout
    m.drawPolygon(QPolygonF({QPointF(17, 10), QPointF(21, 4), QPointF(23, 11)})); // ear
    m.setPen(QPen(f.rand, 2));
    m.drawLine(QPointF(12, 12), QPointF(18, 12)); // slot
    m.setBrush(f.rand);
    m.drawEllipse(QRectF(22, 14, 2, 2));
}

void balken(QPainter& m, const Farben& f) {
    m.setPen(QPen(f.rand, 1.5));
    m.drawLine(QPointF(3, 29), QPointF(30, 29));
    m.drawLine(QPointF(3, 29), QPointF(3, 2));
    m.setBrush(f.flaeche);
    const double hoehen[] = {10, 18, 14, 24};
    for (int i = 0; i < 4; ++i)
        m.drawRect(QRectF(6 + i * 6, 29 - hoehen[i], 4, hoehen[i]));
}

void rechner(QPainter& m, const Farben& f) {
    m.setPen(QPen(f.rand, 1.5));
    m.setBrush(f.flaeche);
    m.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
    m.setBrush(QColor(220, 235, 210));
    m.drawRect(QRectF(9, 5, 14, 6));
    m.setBrush(f.rand);
    m.setPen(Qt::NoPen);
    for (int z = 0; z < 4; ++z)
        for (int s = 0; s < 3; ++s)
            m.drawRect(QRectF(9 + s * 5, 14 + z * 4, 3, 2.5));
}

} // namespace

QPixmap planBild(int nr, bool partner) {
    QPixmap p(kGroesse, kGroesse);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    const Farben f = partner ? Farben{QColor(230, 185, 40), QColor(130, 90, 10)}
                             : Farben{QColor(150, 170, 200), QColor(40, 60, 110)};
    switch (nr) {
    case 0:
        muenze(m, f);
        break;
    case 1:
        sparschwein(m, f);
        break;
    case 2:
        balken(m, f);
        break;
    default:
        rechner(m, f);
        break;
    }
    return p;
}

} // namespace zalvor::gui
