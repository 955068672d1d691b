// The type-group assignment dialog TDTGAssign as operations on the type store.
#pragma once

#include "core/common/person.h"
#include "core/common/raster.h"
#include "core/common/typverwaltung.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zalvor {

// Entries of the target list besides the groups.
inline constexpr int kZielNeu = -1;
inline constexpr int kZielKeine = 0;

// "&Typengruppen...": the income-or-expense question ("Einnahme" the income side, any other
// end the expense side) and the check that type 1 of that side has a name ("FEHLER").
// nullopt when the dialog does not open.
std::optional<Seite> typengruppenSeite(Person& person, const Typverwaltung& typen);

class TypgruppenZuordnung {
  public:
    enum class Ergebnis { Zugeordnet, Abgelehnt };

    TypgruppenZuordnung(Typverwaltung& typen, Seite seite) : typen_(typen), seite_(seite) {}

    std::string titel() const;
    // "Typ/Gruppe", "akt. Zuordnung": items 1..99 with a name, in item order.
    Raster raster() const;
    // Item number per grid row.
    std::vector<int> zeilenPosten() const;
    // "( neu... )", "( keine )", then the groups in group-number order; target per entry
    // (kZielNeu, kZielKeine, group number).
    std::vector<std::string> listenEintraege() const;
    std::vector<int> listenZiele() const;

    // "&Zuordnung vornehmen" for an item and a target (nullopt: no entry selected), with the
    // checks, questions and messages in their order. `gruppenname` asks for the name of a
    // new group (nullopt: cancelled). Refused or declined: Abgelehnt.
    Ergebnis zuordnen(Person& person, int posten, std::optional<int> ziel,
                      const std::function<std::optional<std::string>()>& gruppenname);
    // The input box "Neue Gruppe anlegen" / "Gr-Name:".
    static std::optional<std::string> gruppennameErfragen(Person& person);

    // True after a change: "&Schließen" then ends with OK and the definitions are written.
    bool geaendert() const { return geaendert_; }

  private:
    Typverwaltung& typen_;
    Seite seite_;
    bool geaendert_ = false;

    int freieGruppe() const;
};

} // namespace zalvor
