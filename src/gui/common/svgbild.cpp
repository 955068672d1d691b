// Drawing the resource pictures with Qt's SVG renderer, without an image plugin.
#include "gui/common/svgbild.h"

#include <QPainter>
#include <QSvgRenderer>

namespace zalvor::gui {

QPixmap svgBild(const QString& pfad, int groesse) {
    QSvgRenderer zeichner(pfad);
    if (!zeichner.isValid()) return {};
    QPixmap bild(groesse, groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    zeichner.render(&p);
    return bild;
}

QIcon svgSymbol(const QString& pfad) {
    QIcon symbol;
    for (int groesse : {16, 24, 48}) {
        const QPixmap bild = svgBild(pfad, groesse);
        symbol.addPixmap(bild);
        QPixmap grau(bild.size());
        grau.fill(Qt::transparent);
        QPainter g(&grau);
        g.setOpacity(0.3);
        g.drawPixmap(0, 0, bild);
        g.end();
        symbol.addPixmap(grau, QIcon::Disabled);
    }
    return symbol;
}

} // namespace zalvor::gui
