// The VAT rate dialog "Mehrwertsteuer" on the engine side.
#pragma once

#include "core/files/verein.h"

#include <functional>
#include <string>

namespace zalvor {

class Person;

// The entries of the dialog (Windows form).
struct MwStEingaben {
    std::string satz;   // "&Steuersatz (%) : ", at most 5 characters
    bool aktiv = false; // "MwSt-&Berechnung aktivieren"
};

// The explanatory text of the dialog.
std::string mwstDlgText();

// The field shows the rate with two decimals (16 as "16.00"); checked when the rate is not 0.
MwStEingaben mwstDlgFuellen(const TDefinitionen& def);

// OK: with the box checked the field must read in full as a number ("." only); otherwise
// "Ungültige Eingabe als Steuersatz: Zahl eingeben!" and false (shown again). Unchecked
// stores 0. After success the definitions file is written; true.
bool mwstDlgOk(Verein& v, Person& person, const MwStEingaben& e);

// The whole dialog: `zeigen` shows it with the entries (changed in place) and returns false on
// cancel. true when a rate was stored.
bool mwstDialog(Verein& v, Person& person, const std::function<bool(MwStEingaben&)>& zeigen);

} // namespace zalvor
