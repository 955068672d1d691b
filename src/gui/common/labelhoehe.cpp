// Fixes a markup label to a width and the height its wrapped lines need.
#include "gui/common/labelhoehe.h"

#include "gui/common/auszeichnungslabel.h"

namespace zalvor::gui {

void xaGroesse(TXaLabel* label, int breite) {
    label->setFixedWidth(breite);
    label->resize(breite, label->height());
    label->setFixedHeight(label->anordnung().hoehe);
}

} // namespace zalvor::gui
