// Pictures from the SVG files of the program's resources, drawn at the size asked for.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zalvor::gui {

// The picture of a resource (e.g. ":/icons/plan/muenze.svg") as a square of `groesse` pixels;
// empty when the resource is missing.
QPixmap svgBild(const QString& pfad, int groesse);
// The same as an icon of 16, 24 and 48 pixels; its disabled look is the picture faded.
QIcon svgSymbol(const QString& pfad);

} // namespace zalvor::gui
