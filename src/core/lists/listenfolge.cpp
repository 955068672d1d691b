// Index or file order for the lists, with the fallback for a damaged index.
#include "core/lists/listenfolge.h"

#include "core/common/dateisystem.h"
#include "core/common/person.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/indexdatei.h"
#include "core/files/verein.h"

#include <algorithm>
#include <numeric>

namespace zalvor {

namespace {

std::vector<std::uint32_t> dateifolge(std::size_t n) {
    std::vector<std::uint32_t> r(n);
    std::iota(r.begin(), r.end(), 0U);
    return r;
}

// Every record listed once; with `eaGeteilt` every expense before every income.
bool indexSchluessig(const std::vector<std::uint32_t>& folge, const std::vector<TBuchung>& saetze,
                     bool eaGeteilt) {
    if (folge.size() != saetze.size()) return false;
    std::vector<bool> gesehen(saetze.size(), false);
    bool einnahmeGesehen = false;
    for (std::uint32_t r : folge) {
        if (r >= saetze.size() || gesehen[r]) return false;
        gesehen[r] = true;
        if (!eaGeteilt) continue;
        if (saetze[r].istEinnahme())
            einnahmeGesehen = true;
        else if (einnahmeGesehen)
            return false;
    }
    return true;
}

void beschaedigtMelden(Person& person) {
    // The text keeps the program's spelling of old.
    person.meldung("Fehler!!!",
                   A("Indexdatei ist besch„digt (Reorganisieren!). Sortiere in "
                     "Buchungsrehenfolge..."),
                   Symbol::Fehler);
}

Listenfolge folge(const Verein& v, Person& person, int k, bool eaGeteilt) {
    Listenfolge f;
    f.saetze = alleBuchungenLesen(v.datei.dateiname());
    // A new file gets its indexes with its first record: until then there is nothing to walk.
    if (k == 0 || (f.saetze.empty() && !dateiExistiert(v.datei.dateien().index(k)))) {
        f.reihenfolge = dateifolge(f.saetze.size());
        return f;
    }
    const std::vector<std::uint16_t> index = indexLesen(v.datei, k);
    f.reihenfolge.assign(index.begin(), index.end());
    if (indexSchluessig(f.reihenfolge, f.saetze, eaGeteilt)) return f;
    beschaedigtMelden(person);
    f.beschaedigt = true;
    f.reihenfolge = dateifolge(f.saetze.size());
    if (eaGeteilt)
        std::stable_partition(f.reihenfolge.begin(), f.reihenfolge.end(),
                              [&](std::uint32_t r) { return !f.saetze[r].istEinnahme(); });
    return f;
}

} // namespace

Listenfolge einfacheFolge(Verein& v, Person& person) {
    Listenfolge f = folge(v, person, indexPaar(v.sortierung).first, false);
    if (f.beschaedigt) v.sortierung = Sortierung::Nummer;
    return f;
}

Listenfolge eaFolge(const Verein& v, Person& person) {
    return folge(v, person, indexPaar(v.sortierung).second, true);
}

} // namespace zalvor
