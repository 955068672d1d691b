// Printing a list window with the engine's list layout.
#include "gui/printing/listenfensterdruck.h"

#include "core/printing/listendruck.h"
#include "gui/lists/listenfenster.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/printing/druckablauf.h"
#include "gui/printing/druckoptionendialog.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace zalvor::gui {

void listenfensterDrucken(TMainForm& f) {
    if (!druckoptionen(f.person(), &f, QStringLiteral("An/&Von-Spalte"))) return;
    // The current child also when the program is not the active application.
    const QMdiSubWindow* aktiv = f.arbeitsflaeche()->currentSubWindow();
    QList<QWidget*> fenster;
    for (const auto& w : listenfenster())
        fenster << w.data();
    auto* liste = qobject_cast<TListenWin*>(
        druckfensterSuchen(fenster, aktiv ? aktiv->windowTitle() : QString(), f.person()));
    if (!liste) return;
    const zalvor::Bericht bericht = liste->bericht();
    druckvorschau(
        &f,
        [bericht](zalvor::Messung& m, zalvor::Seitenformat s) {
            return zalvor::listeSetzen(bericht, druckeinstellungen(), m, s);
        },
        pdfName(f.sitzung(), bericht));
}

void druckbarMachen(TMainForm& f, TListenWin& w) {
    QAction* drucken = w.druckenAktion();
    drucken->setEnabled(true);
    druckkuerzel(w, drucken);
    QObject::connect(drucken, &QAction::triggered, &f,
                     [&f] { f.befehl([&f] { listenfensterDrucken(f); }); });
}

} // namespace zalvor::gui
