// The monthly and yearly closing of one booking file as a computed result.
#pragma once

#include "core/closing/gruppensumme.h"
#include "core/common/real6summe.h"
#include "core/files/buchung.h"
#include "core/files/definitionen.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zalvor {

class Person;
struct Verein;

struct AbschlussParameter {
    int monat = 0;          // 0: the whole year; 1..12: that month
    bool umrechnen = false; // into the other currency
};

// What every accumulator of the closing received, in file order, before conversion.
struct Abschlusssummen {
    std::array<Tripel, kKonten + 1> konten{};     // 1..9, months up to M
    std::array<Tripel, 256> ausgaben{};           // per type code, month M
    std::array<Tripel, 256> einnahmen{};          // per type code, month M, without "AB"
    std::array<long double, 13> beitragJeMonat{}; // real contributions of months 1..12
};

// One pass over the records' bytes (`anzahl` whole records) in file order feeding every
// accumulator; only the fields a closing sums are decoded.
Abschlusssummen summenBilden(const std::uint8_t* saetze, std::size_t anzahl, int monat);
// The same pass over a booking file, read piece by piece.
Abschlusssummen summenAusDatei(const std::string& datei, int monat);
// The same pass fed piece by piece: the records of the file in their order.
class Abschlusssummierer {
  public:
    explicit Abschlusssummierer(int monat) : monat_(monat) {}
    void addieren(const std::uint8_t* saetze, std::size_t anzahl);
    Abschlusssummen summen() const;

  private:
    struct Paar {
        Real6Summe real;
        Real6Summe geplant;
    };
    int monat_;
    std::array<Paar, kKonten + 1> konten_{};
    std::array<Paar, 256> ausgaben_{};
    std::array<Paar, 256> einnahmen_{};
    std::array<Real6Summe, 13> beitragJeMonat_{};
};
// The same over decoded records.
Abschlusssummen summenBilden(const std::vector<TBuchung>& buchungen, int monat);

// One group of the lower grid: its members (item number and triple) and the subtotal.
struct Gruppenabschnitt {
    int gruppe = 0;
    std::vector<std::pair<int, Tripel>> mitglieder;
    Tripel summe;
};

struct Beitragszeile {
    int perioden = 1;
    long double bezahlt = 0;
    long double ausstehend = 0;
    long double gefordert = 0;
    long double vorherBezahlt = 0;
};

struct Abschluss {
    AbschlussParameter parameter;
    std::string waehrung;       // label of the closing's currency
    std::string andereWaehrung; // label of the other-currency button; empty when hidden
    std::array<Tripel, kKonten + 1> konten{};
    Tripel geldbestand;
    // Per side: index 0 "Sonstige", 1..50 the types; converted when converting.
    std::array<std::array<Tripel, kTypen + 1>, 2> typen{};
    Tripel ausgabenGesamt;
    Tripel zwischensummen; // income types before the contributions
    Tripel einnahmenGesamt;
    Beitragszeile beitraege;
    std::array<bool, 2> gruppenSichtbar{};
    std::array<std::vector<Gruppenabschnitt>, 2> gruppen;
    long double mwstSatz = 0;
};

// The closing from the definitions, the file's year, the summed bookings and the
// contribution demand per period of all members. Cycle messages go to the person, once per
// group at which a cycle closes, per group section (expenses first).
Abschluss abschlussRechnen(const TDefinitionen& def, const std::string& jahr,
                           const std::string& euroText, const Abschlusssummen& summen,
                           const AbschlussParameter& p, long double forderungJePeriode,
                           Person& person);

// The closing of the open club: one read of the booking file, the members' demand.
Abschluss abschlussErstellen(const Verein& v, const std::string& euroText, Person& person,
                             const AbschlussParameter& p);

// Month names of the captions ("Januar" .. "Dezember"), Windows form.
std::string monatsname(int monat);

} // namespace zalvor
