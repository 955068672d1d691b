// Menu commands of the bookkeeping files: new file, next year, settings, sort order.
#include "core/common/zeichensatz.h"
#include "core/files/neuedatei.h"
#include "gui/common/qtext.h"
#include "gui/files/dateieinstellungsdialog.h"
#include "gui/files/naechstesjahrdialog.h"
#include "gui/files/qtmasken.h"
#include "gui/files/sortierdialog.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/mainwindow/hauptfenster.h"

#include <QAction>

namespace zalvor::gui {

namespace {

// Account list items carry the account names; renamed accounts show at once.
void kontenlistenBeschriften(TMainForm& f) {
    const auto& def = f.sitzung().verein.def;
    for (int n = 1; n <= kKonten; ++n) {
        const QString id = QStringLiteral("kontenliste%1").arg(n);
        QString name = ausAnsi(OemNachAnsi(def.konten[static_cast<std::size_t>(n)]));
        f.aktion(id)->setText(name.replace(QLatin1Char('&'), QStringLiteral("&&")));
        f.aktion(id)->setEnabled(f.verdrahtet(id) && def.kontoBenannt(n));
    }
}

// The engine reports the switch to the new file (the windows of the previous file close then,
// also when the sequence fails midway).
void neu(TMainForm& f) {
    const bool nameEingegeben = neueDatei(f.sitzung());
    f.nachNeuerDatei(nameEingegeben);
}

void naechstes(TMainForm& f) {
    auto& s = f.sitzung();
    const std::string vorher = s.verein.datei.dateiname();
    naechstesJahr(s);
    if (!s.verein.datei.aktiv() || s.verein.datei.dateiname() == vorher) {
        f.statuszeileAktualisieren();
        return;
    }
    f.tabelle()->setHilfeKontext(1);
    // The new year's table is shown as at opening.
    f.tabelle()->maximieren();
    // The due templates of the new year are booked like after opening a file.
    emit f.dateiGeoeffnet();
    f.statuszeileAktualisieren();
}

void verbinden(TMainForm& f) {
    f.sitzung().masken = new QtMasken(&f);
    f.verdrahten("neu", [&f] { neu(f); });
    f.verdrahten("naechstesJahr", [&f] { naechstes(f); });
    f.verdrahten("einstellungen", [&f] {
        if (einstellungenDialog(f.sitzung(), &f)) kontenlistenBeschriften(f);
        f.sitzung().tabelle(TabellenModus::Voll);
    });
    f.verdrahten("sortieren", [&f] { sortierenBefehl(f.sitzung(), &f); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Dateien", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
