// The three small pictures of the code entry.
#pragma once

#include <QPixmap>

namespace zalvor::gui {

QPixmap schluesselBild(); // always shown
QPixmap schlossBild();    // an existing code is asked for
QPixmap wiederholBild();  // a new code is repeated

} // namespace zalvor::gui
