// List windows as children of the main window.
#include "gui/lists/listenanzeige.h"

#include "gui/common/kindfenster.h"
#include "gui/lists/listenfenster.h"
#include "gui/mainwindow/hauptfenster.h"

namespace zalvor::gui {

TListenWin* listenfensterZeigen(TMainForm& f, zalvor::Bericht bericht) {
    auto* fenster = new TListenWin(std::move(bericht));
    kindfensterZeigen(f.arbeitsflaeche(), fenster, f.windowIcon(), true);
    auto& liste = listenfenster();
    liste.insert(liste.begin(), fenster);
    return fenster;
}

void listenfensterSchliessen() {
    for (const auto& w : listenfenster())
        kindfensterSchliessen(w.data());
}

} // namespace zalvor::gui
