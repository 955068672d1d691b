// The currency settings dialog "\"Alte\" Währung und Euro" on the engine side.
#pragma once

#include "core/files/sitzung.h"

#include <functional>
#include <string>
#include <vector>

namespace zalvor {

// The entries of the dialog (Windows form).
struct WaehrungsEingaben {
    std::string waehrung;        // CBWaehrg, editable, at most 3 characters
    std::string kurs;            // EditKurs, at most 10 characters
    std::string umstellungsjahr; // EditUJ, 2 characters
    std::string umstellungBis;   // EditUBis, 2 characters
};

// The two warnings shown before the dialog when it is opened from the menu (caption
// "W A R N U N G ! ! !", warning icon): a rate is set; the file is already in Euro.
void waehrungsWarnungen(const Verein& v, Person& person);

// Initial entries: currency only when opened from the menu with a rate set; rate with six
// decimals; the two years.
WaehrungsEingaben waehrungsDlgFuellen(const WaehrungsEinstellungen& w, bool ausMenue);

// Entries of the currency list: "DM", "ÖS", "SFr" and an empty one.
std::vector<std::string> waehrungsListe();

// A currency chosen from the list fills the rate ("DM" 1.95583, "ÖS" 13.7603, "SFr" 0.0 and
// the changeover year 89); other texts change nothing.
void waehrungGewaehlt(const std::string& eintrag, WaehrungsEingaben& e);

// Digits-only year fields: the changed text when it holds only "0".."9", else the last
// accepted text.
std::string jahrFeldGeaendert(const std::string& neu, const std::string& zuletztAkzeptiert);

// OK: the five checks in order (caption "Fehler", information icon; false = shown again),
// then the settings are taken and the definitions file is written; true.
bool waehrungsDlgOk(Verein& v, Person& person, const Uhr& uhr, const WaehrungsEingaben& e,
                    bool ausMenue);

// The whole dialog: warnings (from the menu), `zeigen` until OK passes the checks or it
// returns false (cancel), and the table redraw after the menu command. true when stored.
// Front ends use it to implement Masken::waehrungseinstellungen.
bool waehrungsDialog(Sitzung& s, bool ausMenue,
                     const std::function<bool(WaehrungsEingaben&)>& zeigen);

} // namespace zalvor
