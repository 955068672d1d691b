// The contributions of a statement import: the assigner the import tries before its rules,
// and the members' paid marks after the lines are booked.
#pragma once

#include "core/bank/kontoauszugimport.h"
#include "core/sepa/beitragsabgleich.h"

#include <cstddef>
#include <vector>

namespace zalvor {
struct Sitzung;
}

namespace zalvor::sepa {

class Beitragsimport {
  public:
    // Throws EAFehler when the member file cannot be read.
    Beitragsimport(const Verein& v, const Datenbank& db);
    Beitragsimport(const Beitragsimport&) = delete;
    Beitragsimport& operator=(const Beitragsimport&) = delete;

    // For Importwahl::zuordner; refers to this object, which must outlive the planning.
    bank::Zuordner zuordner();

    // After importBuchen: the paid mark of every member whose contribution or return was
    // booked with its type kept, in one rewrite of the register. The bookings come first,
    // as with "Beiträge buchen": a failure between leaves bookings the treasurer sees rather
    // than marks without money. Returns the number of marks changed.
    std::size_t nachDemBuchen(Sitzung& s, const bank::Importplan& p);

  private:
    Beitragsabgleich abgleich_;
    std::vector<Beitragstreffer> treffer_;
};

} // namespace zalvor::sepa
