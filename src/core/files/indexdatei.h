// The nine index files: sort orders, filing, re-filing, the check at open.
#pragma once

#include "core/common/dateisystem.h"
#include "core/common/lesergebnis.h"
#include "core/files/buchung.h"
#include "core/files/verein.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zalvor {

class Person;

// True when record a sorts before-or-equal record b in the order of index k.
bool sortiertVorOderGleich(int k, const TBuchung& a, const TBuchung& b);

// The keys of one record that order k looks at; `text` points into the record, which must
// outlive the key.
struct Sortierschluessel {
    std::string_view text;
    long double betrag = 0;
    long zahl = 0; // type order number, booking number or month * 256 + day
    int ea = 0;    // 0 = expense, 1 = income
};
Sortierschluessel sortierschluessel(int k, const TBuchung& b);

namespace detail {
template <typename T>
int vergleich(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}
} // namespace detail

// -1, 0, 1 as record a sorts before, equal to or after record b in order k. Inline, so that
// sorting with a fixed k needs no call per comparison.
inline int vergleicheSchluessel(int k, const Sortierschluessel& a, const Sortierschluessel& b) {
    using detail::vergleich;
    if (k >= 4 && k != 8) { // expenses before incomes
        const int c = vergleich(a.ea, b.ea);
        if (c != 0) return c;
    }
    switch (k) {
    case 1:
    case 5:
        // string_view compares bytes as unsigned values; a shorter prefix sorts first.
        return vergleich(a.text, b.text);
    case 2:
    case 6:
        return vergleich(a.betrag, b.betrag);
    case 3: {
        const int c = vergleich(a.zahl, b.zahl);
        return c != 0 ? c : vergleich(a.ea, b.ea);
    }
    default:
        return vergleich(a.zahl, b.zahl);
    }
}

// Replaces index k with the given entries, through the file set's working copy.
void indexSchreiben(const TBuchungsdatei& d, int k, const std::vector<std::uint16_t>& eintraege);
// Writes the new content of index k beside the old one; switched over later.
Ersetzung indexVorbereiten(const TBuchungsdatei& d, int k,
                           const std::vector<std::uint16_t>& eintraege);

// Files record number `satz` into index k. A missing index is created with `satz` as its
// single entry (0 for the first record of a file) when `fehlendenAnlegen` is set, otherwise
// reported ("Eine Indexdatei fehlt! Bitte Reorganisieren!").
void indexEinordnen(const TBuchungsdatei& d, Person& person, int k, std::uint16_t satz,
                    const TBuchung& b, bool fehlendenAnlegen);
// Removes `satz` from index k and files it again at the place the changed record needs.
void indexNeuEinordnen(const TBuchungsdatei& d, Person& person, int k, std::uint16_t satz,
                       const TBuchung& b, bool fehlendenAnlegen);
// Indexes 1..9 in order after an append.
void alleIndizesEinordnen(const TBuchungsdatei& d, Person& person, std::uint16_t satz,
                          const TBuchung& b, bool fehlendenAnlegen);
// A batch appended as record numbers erster.. erster + neu.size() - 1 (not yet written): the
// new content of every index, prepared beside it and switched over by the caller once the
// records are on the disk. Each new record goes where filing it after the previous ones would
// put it. A missing index is reported once and left out.
std::vector<Ersetzung> alleIndizesVorbereiten(const TBuchungsdatei& d, Person& person,
                                              std::uint16_t erster,
                                              const std::vector<TBuchung>& neu);
// A change: `satzSchreiben` rewrites the record, and indexes 1..9 take the changed record's
// places (no index is created; a missing one is reported). Ordered so that a failure at any
// step leaves either the old state or one the check at opening finds.
void alleIndizesNeuEinordnen(const TBuchungsdatei& d, Person& person, std::uint16_t satz,
                             const TBuchung& b, const std::function<void()>& satzSchreiben);

// The record numbers of an index file's bytes in order (a stray odd byte: damaged).
Gelesen<std::vector<std::uint16_t>> indexAusBytes(std::span<const std::uint8_t> bytes);
// Record numbers of index k in order, read from the disk.
std::vector<std::uint16_t> indexLesen(const TBuchungsdatei& d, int k);

// First problem among indexes 1..9 compared with the record count.
IndexBefund indizesPruefen(const TBuchungsdatei& d);

// The index pair of a sort order: plain lists, lists with expenses before incomes (0 = file
// order).
std::pair<int, int> indexPaar(Sortierung sortierung);

} // namespace zalvor
