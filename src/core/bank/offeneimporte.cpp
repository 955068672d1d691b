// Finding the bookings of open imports.
#include "core/bank/offeneimporte.h"

#include "core/database/buchungsverweis.h"
#include "core/database/kontoauszuege.h"

namespace zalvor::bank {

std::vector<Klaerung> offeneImporteKlaeren(const Datenbank& db, const std::string& jahr,
                                           std::span<const TBuchung> saetze) {
    std::vector<Klaerung> klaerungen;
    for (const std::int64_t id : offeneImporte(db, jahr)) {
        const auto im = importLesen(db, id);
        if (!im) continue;
        std::vector<Buchungsverweis> verweise;
        std::vector<const std::string*> schluessel;
        for (const Importzeile& z : im->zeilen) {
            if (!z.buchung) continue;
            verweise.push_back({jahr, *z.buchung});
            schluessel.push_back(&z.doppelschluessel);
        }
        const auto treffer = verweiseFinden(verweise, jahr, saetze);
        Klaerung k{id, {}, {}};
        for (std::size_t i = 0; i < treffer.size(); ++i) {
            k.gefunden.push_back(treffer[i].has_value());
            if (!treffer[i]) k.nichtGefunden.push_back(*schluessel[i]);
        }
        klaerungen.push_back(std::move(k));
    }
    return klaerungen;
}

void klaerungenSchreiben(Datenbank& db, const std::vector<Klaerung>& klaerungen) {
    if (klaerungen.empty()) return;
    Transaktion t(db);
    for (const Klaerung& k : klaerungen)
        importBestaetigen(t, k.import, k.gefunden);
    t.festschreiben();
}

std::unordered_set<std::string> gebuchteSchluessel(const Datenbank& db, const std::string& jahr,
                                                   const std::vector<Klaerung>& klaerungen) {
    auto schluessel = zalvor::gebuchteSchluessel(db, jahr);
    for (const Klaerung& k : klaerungen)
        for (const std::string& s : k.nichtGefunden)
            schluessel.erase(s);
    return schluessel;
}

} // namespace zalvor::bank
