// The plan dialog TWPlanv on the engine side: the 99 rows of one side, taking over a typed
// amount with the group rule, saving.
#pragma once

#include "core/common/raster.h"
#include "core/common/typverwaltung.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zalvor {

class Person;
struct Verein;

inline constexpr const char* kSGruppe = "s. Gruppe";

// Before the dialog: a file without loaded plan values starts from zero tables.
void planvorgabenBeginnen(Verein& v);
// "Wollen Sie Planvorgaben für Einnahme- oder Ausgabetypen setzen?": "Einnahme" chooses the
// income side, any other answer the expense side.
Seite planvorgabenSeiteFragen(Person& person);

class Planvorgabenmodell {
  public:
    Planvorgabenmodell(Verein& v, Person& person, Seite seite);

    Seite seite() const { return seite_; }
    // Row n (1..99): n right-aligned in two characters + ": " + the type or group name.
    std::string zeilenText(int n) const;
    // "s. Gruppe" or the value right-aligned in 12 characters.
    const std::string& zelle(int n) const { return zellen_[static_cast<std::size_t>(n)]; }
    // The edit box is enabled for a row whose cell is not "s. Gruppe".
    bool bearbeitbar(int n) const { return zelle(n) != kSGruppe; }

    // "Über&nehmen" on row n: the amount check (message, false), the group rule (question;
    // false when declined), then the new cell.
    bool uebernehmen(int n, const std::string& text);
    // "&Speichern": cells into the side's table, then the plan file with both tables.
    bool speichern();

    // Entries below group entry n on this side (recursively, each once, 99 down to 1).
    std::vector<int> mitglieder(int n) const;

    // The grid as the dialog shows it ("Typ(engruppe)", "Betrag").
    Raster raster() const;

  private:
    Verein& v_;
    Person& person_;
    Seite seite_;
    std::array<std::string, 100> zellen_;
};

} // namespace zalvor
