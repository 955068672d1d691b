// Child windows of the main window's work area.
#pragma once

class QIcon;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace zalvor::gui {

// Puts `fenster` into the work area in a frame that is freed when closed and carries the
// program's icon; shows it maximised or at its own size.
QMdiSubWindow* kindfensterZeigen(QMdiArea* flaeche, QWidget* fenster, const QIcon& symbol,
                                 bool maximiert);
// Closes a child window at once, its frame with it: nothing of it stays on screen.
void kindfensterSchliessen(QWidget* fenster);

} // namespace zalvor::gui
