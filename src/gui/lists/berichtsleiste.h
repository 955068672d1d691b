// The tool bar of every report window: print, help and close.
#pragma once

class QAction;
class QToolBar;
class QWidget;

namespace zalvor::gui {

struct Berichtsleiste {
    QToolBar* leiste;
    QAction* drucken; // connected by the printing
};

// "Schließen" closes the MDI frame around `fenster` when there is one, else the window.
Berichtsleiste berichtsleiste(QWidget* fenster, const char* name, int hilfeKontext);

} // namespace zalvor::gui
