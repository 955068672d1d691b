// Mandates follow their members through every change of the register: the member card's
// new, renamed (and so re-sorted) and removed members. Made before the register is written,
// committed after it.
#pragma once

#include "core/database/datenbank.h"
#include "core/members/mitglied.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace zalvor::sepa {

class Mandatsfolge {
  public:
    // Opens the club database `pfad` for writing when it exists: a club without one has no
    // mandate to keep. Throws EAFehler when the database refuses to open (newer program,
    // damaged file), so that the register is not changed under mandates that could not
    // follow.
    explicit Mandatsfolge(const std::string& pfad);
    ~Mandatsfolge();
    Mandatsfolge(const Mandatsfolge&) = delete;
    Mandatsfolge& operator=(const Mandatsfolge&) = delete;

    // `vorher` and `nachher` are the register before and after the change, `n` and `neu`
    // the member's record numbers in them.
    void eingefuegt(std::span<const TMitglied> nachher, std::size_t neu);
    void geaendert(std::span<const TMitglied> vorher, std::size_t n,
                   std::span<const TMitglied> nachher, std::size_t neu);
    void entfernt(std::span<const TMitglied> vorher, std::size_t n);
    // Without this the changes are rolled back.
    void festschreiben();
    bool aktiv() const { return t_ != nullptr; }

  private:
    std::optional<Datenbank> db_;
    std::unique_ptr<Transaktion> t_;
};

} // namespace zalvor::sepa
