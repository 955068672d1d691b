// Fault runs: a command is run once to count its file operations, then once more for every
// step with that step failing; after each run a check says whether the files are whole.
#pragma once

#include "core/common/dateisystem.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zalvor::test {

// Every file of a folder (no subfolders) by name.
using Ordnerstand = std::map<std::string, std::vector<std::uint8_t>>;
Ordnerstand ordnerLesen(const std::string& ordner);
// Makes the folder hold exactly these files.
void ordnerHerstellen(const std::string& ordner, const Ordnerstand& stand);

struct Laufbefund {
    const Ordnerstand& vorher;  // before the command
    const Ordnerstand& sollNeu; // after the run without a fault
    const Ordnerstand& jetzt;   // after this run
    std::uint64_t schritt = 0;  // the operation made to fail
    int fehlernummer = 0;
    bool dauerhaft = false;                    // every later operation failed too
    std::optional<testhaken::Vorgang> vorgang; // kind of the failed operation (none: not reached)
    bool gemeldetFertig = false;               // the command reported success
};

// A check returns the problems it found (empty: the folder is whole).
using Pruefung = std::function<std::vector<std::string>(const Laufbefund&)>;

struct Fehlerbericht {
    std::uint64_t schritte = 0; // file operations of the run without a fault
    std::size_t laeufe = 0;     // runs with a fault
    std::size_t abbrueche = 0;  // runs killed at a step
    std::vector<std::string> probleme;
};

struct Fehlerplan {
    std::vector<int> fehlernummern{EIO, ENOSPC, EACCES, EROFS};
    bool auchDauerhaft = true; // also runs where the step and all after it fail (a full disk)
    // When set, also one run per step in a child process killed at that step, after which
    // this opens the club; the check then sees the folder as the opening left it.
    std::function<void()> oeffnen = {};
};

// `befehl` returns true when it reported success. The folder is restored before every run
// and left as after the run without a fault.
Fehlerbericht fehlerlaeufe(const std::string& ordner, const std::function<bool()>& befehl,
                           const Pruefung& pruefen, const Fehlerplan& plan = {});

// Every file is unchanged or its complete new version, or gone only where the clean run
// removes it too; no file appears that the clean run does not make, except a temporary file
// whose removal was the failed step. A run that reports success leaves the clean state.
// The club database (`.zdb` with its journal files) is compared by content, not bytes, and
// more strictly: its old content after a failure, its new content after success.
// Names for which `frei` is true are left to other checks.
std::vector<std::string> dateienGanz(const Laufbefund& b,
                                     const std::function<bool(const std::string&)>& frei = {});

// The club's booking file `basisname.jahr`: its live records are those before or after the
// command; the nine indexes are sound (each a sorted permutation of the records) or the
// check at opening finds the damage.
std::vector<std::string> vereinGanz(const Laufbefund& b, const std::string& basisname,
                                    const std::string& jahr);

// Both checks, the club's files (booking file and indexes) being left to the second one.
Pruefung vereinspruefung(const std::string& basisname, const std::string& jahr);

// All or nothing: every file of the folder (the database by content, the lock files aside)
// as before the command, or, when it reported success, as after the run without a fault.
std::vector<std::string> ganzOderGarNicht(const Laufbefund& b);

} // namespace zalvor::test
