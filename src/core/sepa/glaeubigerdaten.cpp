// Creditor data: checks beyond the database's form checks, and their grid.
#include "core/sepa/glaeubigerdaten.h"

#include "core/common/zeichensatz.h"
#include "core/database/bankkonten.h"
#include "core/sepa/pruefziffern.h"
#include "core/sepa/sepazeichen.h"

namespace zalvor::sepa {

Ergebnis<zalvor::Glaeubiger> glaeubigerAendern(Datenbank& db, const GlaeubigerEingabe& e) {
    const auto bisher = glaeubigerLesen(db);
    zalvor::Glaeubiger g = bisher.value_or(zalvor::Glaeubiger{});
    if (e.id) {
        const auto id = glaeubigerIdPruefen(*e.id);
        if (!id) return Abweisung{ungueltigeGlaeubigerIdText()};
        g.kennung = *id;
    }
    if (e.name) {
        // The bank file carries the name in the SEPA set; a name of other characters only
        // would leave it empty there.
        if (sepaText(*e.name, kSepaNamenLaenge).empty())
            return Abweisung{A("Der Name des Gläubigers hat 1 bis 70 Zeichen!")};
        g.name = *e.name;
    }
    if (e.konto) g.konto = *e.konto;
    if (g.kennung.empty() || g.name.empty() || g.konto == 0)
        return Abweisung{A("Gläubiger-ID, Name und Konto sind anzugeben!")};
    Transaktion t(db);
    auto r = glaeubigerSetzen(t, g);
    if (!r) return Abweisung{r.meldung()};
    t.festschreiben();
    return g;
}

Raster glaeubigerRaster(const Datenbank& db) {
    const auto g = glaeubigerLesen(db);
    if (!g) return glaeubigerRaster(std::nullopt, {});
    return glaeubigerRaster(*g, bankkontenLesen(db));
}

Raster glaeubigerRaster(const std::optional<zalvor::Glaeubiger>& g,
                        std::span<const Bankkonto> konten) {
    Raster r;
    r.titel = A("Gläubiger");
    r.kopf = {A("Gläubiger-ID"), "Name", "Konto", "IBAN"};
    if (!g) return r;
    std::string iban;
    for (const Bankkonto& b : konten)
        if (b.konto == g->konto) iban = b.iban;
    r.zeilen.push_back({g->kennung, utf8NachAnsi(g->name), std::to_string(g->konto), iban});
    return r;
}

} // namespace zalvor::sepa
