// Pictures of the code entry (":/icons/protection/"): a key, a padlock, a circular arrow
// around a "2".
#include "gui/protection/codebilder.h"

#include "gui/common/svgbild.h"

namespace zalvor::gui {

namespace {

QPixmap bild(const char* name) {
    return svgBild(QStringLiteral(":/icons/protection/%1.svg").arg(QLatin1String(name)), 32);
}

} // namespace

QPixmap schluesselBild() {
    return bild("schluessel");
}

QPixmap schlossBild() {
    return bild("schloss");
}

QPixmap wiederholBild() {
    return bild("wiederholung");
}

} // namespace zalvor::gui
