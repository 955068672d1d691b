// Fixes a markup label to a width and the height its wrapped lines need.
#pragma once

namespace zalvor::gui {

class TXaLabel;

void xaGroesse(TXaLabel* label, int breite);

} // namespace zalvor::gui
