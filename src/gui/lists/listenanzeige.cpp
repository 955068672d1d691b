// List windows as children of the main window.
#include "gui/lists/listenanzeige.h"

#include "gui/lists/listenfenster.h"
#include "gui/mainwindow/hauptfenster.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace zalvor::gui {

TListenWin* listenfensterZeigen(TMainForm& f, zalvor::Bericht bericht) {
    auto* fenster = new TListenWin(std::move(bericht));
    QMdiSubWindow* rahmen = f.arbeitsflaeche()->addSubWindow(fenster);
    rahmen->setAttribute(Qt::WA_DeleteOnClose);
    rahmen->setWindowIcon(f.windowIcon());
    rahmen->showMaximized();
    auto& liste = listenfenster();
    liste.insert(liste.begin(), fenster);
    return fenster;
}

void listenfensterSchliessen() {
    for (const auto& w : listenfenster()) {
        if (!w) continue;
        // The frame goes with its window, at once: nothing of the old file stays on screen.
        QWidget* rahmen = w->parentWidget();
        delete (rahmen ? rahmen : w.data());
    }
}

} // namespace zalvor::gui
