// Chart figures taken from the computed closing, never from its texts.
#include "core/closing/grafikdaten.h"

#include "core/common/zeichensatz.h"

namespace zalvor {

namespace {

std::vector<Grafikbalken> typBalken(const Abschluss& a, const TDefinitionen& def, Seite s) {
    const auto& typen = a.typen[static_cast<std::size_t>(s)];
    std::vector<Grafikbalken> balken;
    for (int t = 1; t <= kTypen; ++t) {
        const std::string name = def.typen.typName(s, t);
        if (name.empty()) continue;
        const Tripel& x = typen[static_cast<std::size_t>(t)];
        balken.push_back({name, x.real, x.geplant});
    }
    if (typen[0].real != 0 || typen[0].geplant != 0)
        balken.push_back({"Sonstige", typen[0].real, typen[0].geplant});
    return balken;
}

} // namespace

Abschlussgrafik abschlussGrafik(const Abschluss& a, const TDefinitionen& def) {
    Abschlussgrafik g;
    g.waehrung = a.waehrung;
    g.ausgaben = typBalken(a, def, Seite::Ausgabe);
    g.einnahmen = typBalken(a, def, Seite::Einnahme);
    g.einnahmen.push_back({A("Beiträge"), a.beitraege.bezahlt, a.beitraege.ausstehend});
    for (int k = 1; k <= kKonten; ++k) {
        if (!def.kontoBenannt(k)) continue;
        const Tripel& x = a.konten[static_cast<std::size_t>(k)];
        g.konten.push_back(
            {OemNachAnsi(def.konten[static_cast<std::size_t>(k)]), x.real, x.geplant});
    }
    return g;
}

} // namespace zalvor
