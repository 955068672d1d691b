// The target/actual comparison over a full booking file with a plan on every one of the 198
// entries and groups nested four deep.
#include "benchdaten.h"

#include "core/common/typverwaltung.h"
#include "core/lists/sollist.h"

#include <benchmark/benchmark.h>

namespace zalvor::bench {
namespace {

constexpr std::uint32_t kVoll = 65535;

struct GeplanterVerein {
    GeplanterVerein() {
        auto saetze = buchungenErzeugen(kVoll);
        for (std::size_t i = 0; i < saetze.size(); i += 3)
            saetze[i].geplant = 1;
        o.fuellen(saetze);
        auto& t = o.s.verein.def.typen;
        for (Seite seite : {Seite::Ausgabe, Seite::Einnahme}) {
            for (int n = 1; n <= kTypen; ++n) {
                t.setzeTypName(seite, n, "Typ " + std::to_string(n));
                t.setzeGruppeVon(seite, n, 1 + (n - 1) % kGruppen);
            }
            // Groups 1..40 under 41..49 in chains: 1 -> 11 -> 21 -> 31 -> 41.
            for (int g = 1; g <= kGruppen; ++g) {
                t.setzeGruppenName(seite, g, "Gruppe " + std::to_string(g));
                t.setzeGruppeVon(seite, Typverwaltung::gruppeZuPosten(g), g <= 40 ? g + 10 : 0);
            }
            for (int n = 1; n <= kPosten; ++n)
                o.s.verein.plan[static_cast<std::size_t>(seite)][static_cast<std::size_t>(n)] = {
                    100.0 * n, false};
        }
        o.s.verein.planvorgaben = true;
    }
    Arbeitsordner o;
};

void SollIstVergleich(benchmark::State& state) {
    static GeplanterVerein v;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            sollIstVergleich(v.o.s.verein, v.o.s.person, v.o.s.uhr, v.o.s.euroText));
    state.counters["Saetze"] = kVoll;
    state.counters["Posten"] = 2 * kPosten;
}

BENCHMARK(SollIstVergleich)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zalvor::bench
