// The booking commands as a whole: start, dialog shown until stored or cancelled, reset.
#include "core/entry/buchen.h"

namespace zalvor {

namespace {

bool umbuchungZeigen(Sitzung& s, UmbuchungsDlgInhalt inhalt, BuchungsFenster& fenster,
                     bool ausMenue) {
    bool gespeichert = false;
    for (;;) {
        const DlgKnopf knopf = fenster.umbuchung(inhalt.maske, inhalt.eingaben);
        if (knopf == DlgKnopf::Abbruch || inhalt.maske.nurLesen) break;
        if (umbuchungsDlgBuchen(s, inhalt.maske, inhalt.eingaben, &inhalt.eingaben.fehlerfeld)) {
            gespeichert = true;
            break;
        }
    }
    umbuchungsDlgGeschlossen(s, ausMenue);
    return gespeichert;
}

} // namespace

bool buchenBefehl(Sitzung& s, std::optional<std::uint32_t> satz, BuchungsFenster& fenster,
                  std::optional<bool> einnahme) {
    s.dateiErforderlich();
    const BuchungsStart start = buchungStarten(s, satz, einnahme);
    if (start.dialog == BuchungsDialog::Keiner) return false;
    if (start.dialog == BuchungsDialog::Umbuchung)
        return umbuchungZeigen(s, umbuchungsDlgFuellen(s, start.satz, start.buchung), fenster,
                               false);

    BuchungsDlgInhalt inhalt = buchungsDlgFuellen(s, start);
    bool gespeichert = false;
    for (;;) {
        const DlgKnopf knopf = fenster.buchung(inhalt.maske, inhalt.eingaben);
        if (knopf == DlgKnopf::Abbruch || inhalt.maske.nurLesen) break;
        if (buchungsDlgBuchen(s, inhalt.maske, inhalt.eingaben, knopf == DlgKnopf::Planen,
                              &inhalt.eingaben.fehlerfeld)) {
            gespeichert = true;
            break;
        }
    }
    buchungsDlgGeschlossen(s);
    return gespeichert;
}

bool umbuchenBefehl(Sitzung& s, BuchungsFenster& fenster) {
    s.dateiErforderlich();
    return umbuchungZeigen(s, umbuchungsDlgFuellen(s, std::nullopt), fenster, true);
}

} // namespace zalvor
