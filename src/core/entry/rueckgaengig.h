// Undo of this run's bookings, changes and deletions in the open file, newest first.
#pragma once

#include "core/files/buchung.h"
#include "core/files/sitzung.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zalvor {

// One step: a new booking (undone by deleting it, amount 0, the only removal the file format
// knows) or a change or deletion (undone by writing the previous record back and filing it
// again in the nine indexes).
struct RueckgaengigSchritt {
    enum class Art { NeueBuchung, Aenderung };
    Art art = Art::NeueBuchung;
    std::uint32_t satz = 0;
    TBuchung vorher; // the record before a change or deletion
};

// The undo list of the open file. Its record numbers hold only as long as the file keeps
// its records in place: another file, a new file or a reorganisation clear it.
class Rueckgaengig {
  public:
    void neueBuchung(std::uint32_t satz);
    void aenderung(std::uint32_t satz, const TBuchung& vorher);
    void leeren() { schritte_.clear(); }
    bool leer() const { return schritte_.empty(); }
    std::size_t groesse() const { return schritte_.size(); }
    // Record of the step the next undo takes back.
    std::optional<std::uint32_t> naechsterSatz() const;

    // Takes the newest step back in the active file (refused in read-only mode like every
    // writing command) and refreshes the record's table row, which the front end has
    // selected. false when there is nothing to undo or the record is gone.
    bool rueckgaengigMachen(Sitzung& s);

  private:
    std::vector<RueckgaengigSchritt> schritte_;
};

} // namespace zalvor
