// The booking commands as a whole: start, dialog shown until stored or cancelled, reset.
#pragma once

#include "core/entry/buchungseingabe.h"
#include "core/entry/umbuchungseingabe.h"

#include <cstdint>
#include <optional>

namespace zalvor {

enum class DlgKnopf { Abbruch, Buchen, Planen };

// The front end's modal dialogs. Each shows the entries `e`, lets the person change them in
// place and returns the button that closed it (closing the window = Abbruch).
class BuchungsFenster {
  public:
    virtual ~BuchungsFenster() = default;
    virtual DlgKnopf buchung(const BuchungsMaske& m, BuchungsEingaben& e) = 0;
    // No "&Planen" here.
    virtual DlgKnopf umbuchung(const UmbuchungsMaske& m, UmbuchungsEingaben& e) = 0;
};

// "&Buchen..." (satz nullopt) and "&Anzeigen/Ändern..." (satz = current row - 1). `einnahme`
// answers the income/expense question in advance. true when a booking was stored.
bool buchenBefehl(Sitzung& s, std::optional<std::uint32_t> satz, BuchungsFenster& fenster,
                  std::optional<bool> einnahme = std::nullopt);

// "&Umbuchen...": a new transfer. true when stored.
bool umbuchenBefehl(Sitzung& s, BuchungsFenster& fenster);

} // namespace zalvor
