// The transfer dialog on the engine side: contents, checks, storing.
#pragma once

#include "core/entry/buchungseingabe.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zalvor {

// What the transfer dialog shows besides the entries (texts in the Windows form).
struct UmbuchungsMaske {
    std::string titel; // "Umbuchung" or "Umbuchung ändern"
    bool aendern = false;
    std::string jahrText;                // "." + two-digit year
    std::vector<std::string> konten;     // both "&Von Konto" and "Nach &Konto"
    std::vector<std::string> waehrungen; // file's currency label first
    bool waehrungWaehlbar = false;
    std::vector<std::string> textListe;
    bool nurLesen = false; // "Bu&chen" disabled

    std::optional<std::uint32_t> satz; // record being changed; nullopt = new
    TBuchung buchung;
};

struct UmbuchungsEingaben {
    std::string tag;
    std::string monat;
    std::string bunr;
    std::string beleg;
    std::string betrag;
    std::string von;  // entry of "&Von Konto"; empty = none selected
    std::string nach; // entry of "Nach &Konto"
    std::string waehrung;
    std::string text;
    Eingabefeld fehlerfeld = Eingabefeld::Keins; // where the last check failed
};

struct UmbuchungsDlgInhalt {
    UmbuchungsMaske maske;
    UmbuchungsEingaben eingaben;
};

// New transfer (satz nullopt) or change of the transfer `buchung` read from record `satz`.
// Adds the booking text to s.buchungstexte.
UmbuchungsDlgInhalt umbuchungsDlgFuellen(Sitzung& s, std::optional<std::uint32_t> satz,
                                         const TBuchung& buchung = {});

// "Bu&chen": checks in order, every message in the program's own box with caption "Fehler!";
// false = shown again. Otherwise stores and refreshes the table; true.
bool umbuchungsDlgBuchen(Sitzung& s, const UmbuchungsMaske& maske, const UmbuchungsEingaben& e,
                         Eingabefeld* fehlerfeld = nullptr);

// After the dialog closed: default date back to today; the status bar when the dialog was
// started from the menu or the tool button.
void umbuchungsDlgGeschlossen(Sitzung& s, bool ausMenue);

} // namespace zalvor
