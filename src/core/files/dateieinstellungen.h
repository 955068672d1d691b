// Engine side of the settings dialog TDSetDef: the cell texts it shows and storing edits.
#pragma once

#include "core/common/zeichensatz.h"
#include "core/files/definitionen.h"

#include <array>
#include <string>

namespace zalvor {

class Person;

inline const std::string kSetDefTitel = A("Datei-Einstellungen");
inline const std::string kSetDefEinleitung =
    A("Legen Sie hier die Grundeinstellungen für die geöffnete Datei fest...");
inline const std::string kSetDefAusgabenLabel = A("&Ausgabetypen:");
inline const std::string kSetDefEinnahmenLabel = A("&Einnahmetypen:");
inline const std::string kSetDefKontenLabel = A("&Kontennamen:");
inline const std::string kSetDefKopfNr = A("Nr");
inline const std::string kSetDefKopfName = A("Name");

// One grid row: the number column and the editable name.
struct SetDefZeile {
    std::string nr;
    std::string name;
};

// The cells of the three grids SGAus, SGEin and SGKonto, in the Windows form.
struct SetDefZellen {
    std::array<SetDefZeile, kTypen> ausgaben;
    std::array<SetDefZeile, kTypen> einnahmen;
    std::array<SetDefZeile, kKonten> konten;
};

// Type names as held, numbers right-aligned in 2 characters; account names OemNachAnsi,
// numbers without leading blanks.
SetDefZellen setDefZellen(const TDefinitionen& d);

// OK of the dialog: type names cut to 15, account names AnsiNachOem cut to 10, then the
// definitions file is written. Returns false when the file could not be written (reported).
bool setDefUebernehmen(const SetDefZellen& zellen, const std::string& basisname, TDefinitionen& d,
                       Person& person);

} // namespace zalvor
