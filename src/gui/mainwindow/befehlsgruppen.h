// Registry through which each subsystem wires its own menu items into the main window.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zalvor::gui {

class TMainForm;

// A subsystem's commands. `verbinden` runs once when the main window has been built and
// connects actions, usually with TMainForm::verdrahten(id, handler), which also marks the
// item as available. `nachDemOeffnen` (optional) runs after every opened or created file,
// after the main window's own enabling, for items whose state depends on the file.
//
// Stable action ids (TMainForm::aktion):
//   "&Datei":       neu, naechstesJahr, oeffnen, reorganisieren, dateilisteNeu,
//                   dateilisteOeffnen, codeschutz, kontoauszug, verlassen
//   "&Buchungen":   buchen, umbuchen, anzeigenAendern, loeschen, planvorgaben, schablonen,
//                   einstellungen, typengruppen, rueckgaengig
//   "&Mitglieder":  mitgliederListe, mitgliedNeu, mitgliedAnzeigen, beitraegeBuchen,
//                   beitraegeReset, mitgliederEinstellungen, glaeubigerdaten, lastschrift
//   "&Listen":      einfachliste, eaListe, kontenliste1 .. kontenliste9, kontenlistenAlle,
//                   sortieren
//   "&Abschluß":    monatsabschluss, jahresabschluss, sollIst, mwst, waehrung
//   "&Optionen":    druckerEinstellungen, optionenMwst (runs "mwst"), optionenWaehrung (runs
//                   "waehrung"), euroSymbol, bankkonten, zuordnungsregeln,
//                   tabelleNeu, suchen
//   "&Fenster":     voriges, naechstes
//   "&Hilfe":       hilfe, hilfeIndex, hilfeZurHilfe, hilfeSchliessen, about
// Tool bar buttons use the same actions as their menu items.
struct Befehlsgruppe {
    std::string name;
    std::function<void(TMainForm&)> verbinden;
    std::function<void(TMainForm&)> nachDemOeffnen;
};

class Befehlsgruppen {
  public:
    static void registrieren(Befehlsgruppe g);
    static const std::vector<Befehlsgruppe>& alle();
};

// For a static object in a subsystem's source file:
//   static const zalvor::gui::BefehlsgruppeAnmeldung anmeldung{{"Buchen", verbinden, {}}};
struct BefehlsgruppeAnmeldung {
    explicit BefehlsgruppeAnmeldung(Befehlsgruppe g) { Befehlsgruppen::registrieren(std::move(g)); }
};

} // namespace zalvor::gui
