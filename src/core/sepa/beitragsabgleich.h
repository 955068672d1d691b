// Contributions found on the bank statement: a credit of a submitted debit or of a member's
// mandate account with the member's contribution, and the return of a debit. The import
// asks here before its rules.
#pragma once

#include "core/bank/kontoauszug.h"
#include "core/database/datenbank.h"
#include "core/database/lastschriften.h"
#include "core/files/buchung.h"
#include "core/files/verein.h"
#include "core/members/mitglied.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zalvor::sepa {

enum class Beitragsart { Beitrag, Ruecklastschrift };

struct Beitragstreffer {
    Beitragsart art = Beitragsart::Beitrag;
    std::uint32_t mitglied = 0; // record number in the register
    std::string text;           // booking text, DOS form, at most 30 bytes
    std::string anzeige;        // "Beitrag <Name>" / "Rücklastschrift <Name>", Windows form
};

class Beitragsabgleich {
  public:
    // The register as read and the club's mandates and submitted debits. Throws EAFehler
    // when the member file cannot be read.
    Beitragsabgleich(const Verein& v, const Datenbank& db);

    // The member a line belongs to, if any. A booked contribution marks the member paid
    // here, so that a second credit in the same statement is not taken for it again; a
    // return clears the mark.
    std::optional<Beitragstreffer> zuordnen(const bank::Auszugszeile& z);

    // The register with the paid marks of the lines taken; changed() says whether it must
    // be written.
    const std::vector<TMitglied>& kartei() const { return kartei_; }
    bool geaendert() const { return geaendert_; }

    // The record a taken line becomes: the import's fields with the contribution's type and
    // text. `b` is the booking the import made of the line.
    static TBuchung alsBeitragsbuchung(TBuchung b, const Beitragstreffer& t);

  private:
    std::optional<std::uint32_t> mitgliedZuMandat(std::int64_t mandat) const;
    std::optional<std::uint32_t> perEndeZuEnde(const std::string& id);
    Beitragstreffer treffer(Beitragsart art, std::uint32_t nr);

    const Datenbank& db_;
    std::optional<Lastschriftsuche> suche_; // prepared at the first line that needs it
    std::vector<TMitglied> kartei_;
    std::vector<std::int64_t> beitrag_; // cents, per member; 0: nothing to book
    std::unordered_map<std::int64_t, std::uint32_t> mandatMitglied_;
    std::unordered_map<std::string, std::vector<std::uint32_t>> ibanMitglieder_;
    std::unordered_map<std::string, std::uint32_t> referenzMitglied_;
    bool geaendert_ = false;
};

} // namespace zalvor::sepa
