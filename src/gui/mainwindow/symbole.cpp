// Tool bar pictures: one consistent set of simple shapes on a 24-unit grid.
#include "gui/mainwindow/symbole.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace zalvor::gui {

namespace {

const QColor kLinie(0x33, 0x3d, 0x4d);
const QColor kPapier(0xfb, 0xfb, 0xf7);
const QColor kOrdner(0xe8, 0xb8, 0x4a);
const QColor kGruen(0x2e, 0x8b, 0x3e);
const QColor kRot(0xc6, 0x32, 0x2b);
const QColor kBlau(0x2f, 0x6d, 0xb5);
const QColor kGrau(0x8a, 0x93, 0xa0);

void blatt(QPainter& p, QRectF r) {
    QPainterPath pfad;
    const qreal ecke = 5;
    pfad.moveTo(r.left(), r.top());
    pfad.lineTo(r.right() - ecke, r.top());
    pfad.lineTo(r.right(), r.top() + ecke);
    pfad.lineTo(r.right(), r.bottom());
    pfad.lineTo(r.left(), r.bottom());
    pfad.closeSubpath();
    p.setBrush(kPapier);
    p.drawPath(pfad);
    p.drawLine(QPointF(r.right() - ecke, r.top()), QPointF(r.right() - ecke, r.top() + ecke));
    p.drawLine(QPointF(r.right() - ecke, r.top() + ecke), QPointF(r.right(), r.top() + ecke));
}

void zeilen(QPainter& p, qreal x, qreal y, qreal breite, int anzahl, qreal abstand = 3) {
    p.save();
    p.setPen(QPen(kGrau, 1.2));
    for (int i = 0; i < anzahl; ++i)
        p.drawLine(QPointF(x, y + i * abstand), QPointF(x + breite, y + i * abstand));
    p.restore();
}

void ordner(QPainter& p, QRectF r) {
    QPainterPath pfad;
    pfad.moveTo(r.left(), r.top() + 2);
    pfad.lineTo(r.left() + 6, r.top() + 2);
    pfad.lineTo(r.left() + 8, r.top() + 4);
    pfad.lineTo(r.right(), r.top() + 4);
    pfad.lineTo(r.right(), r.bottom());
    pfad.lineTo(r.left(), r.bottom());
    pfad.closeSubpath();
    p.setBrush(kOrdner.darker(115));
    p.drawPath(pfad);
    QPainterPath deckel;
    deckel.moveTo(r.left() + 3, r.top() + 7);
    deckel.lineTo(r.right() + 2, r.top() + 7);
    deckel.lineTo(r.right(), r.bottom());
    deckel.lineTo(r.left(), r.bottom());
    deckel.closeSubpath();
    p.setBrush(kOrdner);
    p.drawPath(deckel);
}

void plus(QPainter& p, QPointF m, const QColor& farbe) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawEllipse(m, 5.5, 5.5);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m + QPointF(-3, 0), m + QPointF(3, 0));
    p.drawLine(m + QPointF(0, -3), m + QPointF(0, 3));
    p.restore();
}

void pfeil(QPainter& p, QPointF von, QPointF nach, const QColor& farbe) {
    p.save();
    p.setPen(QPen(farbe, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(von, nach);
    const QPointF r = (nach - von) / std::max(1.0, std::hypot((nach - von).x(), (nach - von).y()));
    const QPointF n(-r.y(), r.x());
    p.drawLine(nach, nach - r * 4.5 + n * 4);
    p.drawLine(nach, nach - r * 4.5 - n * 4);
    p.restore();
}

void fragezeichen(QPainter& p, QRectF r, const QColor& farbe) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawEllipse(r);
    QFont f("Sans");
    f.setBold(true);
    f.setPixelSize(static_cast<int>(r.height() * 0.75));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, "?");
    p.restore();
}

void zeichnen(QPainter& p, Symbolbild bild) {
    p.setPen(QPen(kLinie, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    switch (bild) {
    case Symbolbild::Programm:
        p.setBrush(kGruen);
        p.drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 2, 2);
        p.setBrush(kGruen.darker(130));
        p.drawRect(QRectF(2.5, 4.5, 19, 4));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(7, 15), QPointF(17, 15));
        p.drawLine(QPointF(7, 12), QPointF(13, 12));
        break;
    case Symbolbild::Oeffnen:
        ordner(p, QRectF(2.5, 5.5, 17, 14));
        break;
    case Symbolbild::Dateiliste:
        blatt(p, QRectF(9.5, 2.5, 11, 13));
        zeilen(p, 11.5, 7, 7, 3);
        ordner(p, QRectF(2.5, 9.5, 13, 11));
        break;
    case Symbolbild::Buchen:
        blatt(p, QRectF(3.5, 2.5, 14, 18));
        zeilen(p, 6, 8, 9, 4);
        plus(p, QPointF(17, 17), kGruen);
        break;
    case Symbolbild::Umbuchen:
        pfeil(p, QPointF(3, 8), QPointF(20, 8), kBlau);
        pfeil(p, QPointF(21, 16), QPointF(4, 16), kGruen);
        break;
    case Symbolbild::Aendern: {
        blatt(p, QRectF(3.5, 2.5, 14, 18));
        zeilen(p, 6, 8, 9, 4);
        p.save();
        p.translate(15, 14);
        p.rotate(45);
        p.setBrush(kOrdner);
        p.drawRect(QRectF(-2, -9, 4, 14));
        p.setBrush(kLinie);
        QPainterPath spitze;
        spitze.moveTo(-2, 5);
        spitze.lineTo(2, 5);
        spitze.lineTo(0, 9);
        spitze.closeSubpath();
        p.drawPath(spitze);
        p.restore();
        break;
    }
    case Symbolbild::Loeschen:
        blatt(p, QRectF(3.5, 2.5, 14, 18));
        zeilen(p, 6, 8, 9, 4);
        p.setPen(QPen(kRot, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 12), QPointF(20, 20));
        p.drawLine(QPointF(20, 12), QPointF(12, 20));
        break;
    case Symbolbild::Schablonen:
        blatt(p, QRectF(7.5, 2.5, 13, 16));
        blatt(p, QRectF(3.5, 5.5, 13, 16));
        p.setPen(QPen(kBlau, 1.4, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(6, 10, 8, 8));
        break;
    case Symbolbild::EaListe:
        blatt(p, QRectF(3.5, 2.5, 17, 19));
        p.setPen(QPen(kGruen, 2));
        p.drawLine(QPointF(6, 8), QPointF(10, 8));
        p.drawLine(QPointF(8, 6), QPointF(8, 10));
        p.setPen(QPen(kRot, 2));
        p.drawLine(QPointF(6, 15), QPointF(10, 15));
        zeilen(p, 12, 8, 6, 1);
        zeilen(p, 12, 15, 6, 1);
        break;
    case Symbolbild::Jahresabschluss: {
        blatt(p, QRectF(3.5, 2.5, 17, 19));
        QFont f("Serif");
        f.setBold(true);
        f.setPixelSize(14);
        p.setFont(f);
        p.setPen(kBlau);
        p.drawText(QRectF(3.5, 5, 17, 15), Qt::AlignCenter, QString(QChar(0x03A3)));
        break;
    }
    case Symbolbild::SollIst:
        p.setPen(QPen(kLinie, 1.2));
        p.drawLine(QPointF(3, 20.5), QPointF(21, 20.5));
        p.setBrush(kGrau);
        p.drawRect(QRectF(4.5, 9.5, 3, 11));
        p.drawRect(QRectF(12.5, 6.5, 3, 14));
        p.setBrush(kBlau);
        p.drawRect(QRectF(7.5, 12.5, 3, 8));
        p.drawRect(QRectF(15.5, 4.5, 3, 16));
        break;
    case Symbolbild::Voriges:
        pfeil(p, QPointF(19, 12), QPointF(5, 12), kBlau);
        break;
    case Symbolbild::Naechstes:
        pfeil(p, QPointF(5, 12), QPointF(19, 12), kBlau);
        break;
    case Symbolbild::Hilfe:
        fragezeichen(p, QRectF(3, 3, 18, 18), kBlau);
        break;
    case Symbolbild::HilfeIndex:
        p.setBrush(kBlau.lighter(130));
        p.drawRect(QRectF(3.5, 3.5, 13, 17));
        p.setBrush(kPapier);
        p.drawRect(QRectF(5.5, 5.5, 9, 13));
        zeilen(p, 7, 8, 6, 4);
        fragezeichen(p, QRectF(12, 12, 10, 10), kGruen);
        break;
    case Symbolbild::Verlassen:
        p.setBrush(kOrdner.darker(140));
        p.drawRect(QRectF(3.5, 2.5, 10, 19));
        p.setBrush(kPapier);
        p.drawEllipse(QPointF(11, 12), 1, 1);
        pfeil(p, QPointF(11, 12), QPointF(21, 12), kRot);
        break;
    }
}

} // namespace

QIcon symbol(Symbolbild bild) {
    QIcon icon;
    for (int groesse : {24, 48}) {
        QPixmap pm(groesse, groesse);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(groesse / 24.0, groesse / 24.0);
        zeichnen(p, bild);
        p.end();
        icon.addPixmap(pm);
        // The disabled look: the same picture, faded.
        QPixmap grau(pm.size());
        grau.fill(Qt::transparent);
        QPainter g(&grau);
        g.setOpacity(0.3);
        g.drawPixmap(0, 0, pm);
        g.end();
        icon.addPixmap(grau, QIcon::Disabled);
    }
    return icon;
}

} // namespace zalvor::gui
