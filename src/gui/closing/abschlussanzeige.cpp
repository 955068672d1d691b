// Closing windows in the main window's work area; printing them through the print flow.
#include "gui/closing/abschlussanzeige.h"

#include "core/printing/abschlussdruck.h"
#include "gui/closing/abschlussfenster.h"
#include "gui/common/kindfenster.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/printing/druckablauf.h"
#include "gui/printing/druckoptionendialog.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace zalvor::gui {

TabschlWin* abschlussfensterZeigen(TMainForm& f, zalvor::Bericht bericht, int tag,
                                   std::function<void(int tag)> andereWaehrung,
                                   std::optional<zalvor::Abschlussgrafik> grafik) {
    auto* fenster = new TabschlWin(std::move(bericht), tag, std::move(grafik));
    fenster->andereWaehrungSetzen(std::move(andereWaehrung));
    QObject::connect(fenster->druckenAktion(), &QAction::triggered, fenster,
                     [&f] { f.befehl([&f] { abschlussDrucken(f); }); });
    druckkuerzel(*fenster, fenster->druckenAktion());
    kindfensterZeigen(f.arbeitsflaeche(), fenster, f.windowIcon(), true);
    auto& liste = abschlussfenster();
    liste.insert(liste.begin(), fenster);
    return fenster;
}

void abschlussfensterSchliessen() {
    for (const auto& w : abschlussfenster())
        kindfensterSchliessen(w.data());
}

druck::Setzer abschlussSetzer(TMainForm& f, const TabschlWin& fenster) {
    const zalvor::Abschlusskopf kopf = zalvor::abschlussKopf(f.sitzung());
    return [b = fenster.bericht(), kopf](zalvor::Messung& m, zalvor::Seitenformat format) {
        return zalvor::abschlussSetzen(b, kopf, druckeinstellungen(), m, format);
    };
}

void abschlussDrucken(TMainForm& f) {
    if (!druckoptionen(f.person(), &f)) return;
    // The current child also when the program is not the active application.
    const QMdiSubWindow* aktiv = f.arbeitsflaeche()->currentSubWindow();
    const QString titel = aktiv && aktiv->widget() ? aktiv->widget()->windowTitle() : QString();
    QList<QWidget*> fenster;
    for (const auto& w : abschlussfenster())
        if (w) fenster << w.data();
    auto* gefunden = qobject_cast<TabschlWin*>(druckfensterSuchen(fenster, titel, f.person()));
    if (!gefunden) return;
    druckvorschau(&f, abschlussSetzer(f, *gefunden), pdfName(f.sitzung(), gefunden->bericht()));
}

} // namespace zalvor::gui
