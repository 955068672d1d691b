// zalvor-cli waehrung: the currency settings dialog as opened from the menu.
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/entry/waehrungspruefung.h"

#include <algorithm>

namespace zalvor::cli {

namespace {

int waehrung(Kontext& k) {
    const auto [name, kurs, jahr, bis] =
        k.args.optionen<4>({"--waehrung", "--kurs", "--umstellungsjahr", "--umstellung-bis"});
    dateiLaden(k, k.args.letzte("DATEI"), Befehlsart::Waehrung);
    Sitzung& s = k.sitzung;
    bool gezeigt = false;
    const bool gespeichert = waehrungsDialog(s, true, [&](WaehrungsEingaben& e) {
        if (gezeigt) return false; // refused: the person cancels after the message
        gezeigt = true;
        if (name) {
            // Choosing an entry of the list fills the rate as the dialog does; options given
            // as well are typed afterwards.
            e.waehrung = utf8NachAnsi(*name).substr(0, 3);
            const auto liste = waehrungsListe();
            if (std::find(liste.begin(), liste.end(), e.waehrung) != liste.end())
                waehrungGewaehlt(e.waehrung, e);
        }
        if (kurs) e.kurs = kurs->substr(0, 10);
        if (jahr) e.umstellungsjahr = jahr->substr(0, 2);
        if (bis) e.umstellungBis = bis->substr(0, 2);
        return true;
    });
    if (!gespeichert) return kAbgelehnt;
    const WaehrungsEinstellungen& w = s.verein.def.waehrung;
    k.out << "Waehrung\t" << ansiNachUtf8(w.Waehrung) << "\n"
          << "Kurs\t" << festkomma(w.Kurs, 6) << "\n"
          << "Umstellungsjahr\t" << w.Umstellungsjahr << "\n"
          << "UmstellungBis\t" << w.UmstellungBis << "\n";
    return kFertig;
}

} // namespace

Befehl befehlWaehrung() {
    return {"waehrung",
            "DATEI [--waehrung W] [--kurs K] [--umstellungsjahr JJ] [--umstellung-bis JJ]",
            "ändert Währung, Euro-Kurs und Umstellungsjahre wie der Dialog aus dem Menü (mit "
            "Warnungen); DM, ÖS und SFr füllen den Kurs wie die Auswahlliste",
            Befehlsart::Waehrung, waehrung};
}

} // namespace zalvor::cli
