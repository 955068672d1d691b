// The yearly closing of 65,535 bookings: computed by the engine, its window texts, and the
// whole command-line process beside ledger's balance of the exported journal.
#include "benchdaten.h"

#include "core/closing/abschlussbericht.h"
#include "core/files/definitionen.h"

#include <benchmark/benchmark.h>

namespace zalvor::bench {
namespace {

constexpr std::uint32_t kVoll = 65535;

struct Vereinsdatei {
    Vereinsdatei() {
        o.fuellen(buchungenErzeugen(kVoll));
        TDefinitionen& d = o.s.verein.def;
        vollDefinieren(d);
        definitionenSchreiben(o.s.verein.datei.basisname, d, o.person);
    }
    Arbeitsordner o;
};

Vereinsdatei& datei() {
    static Vereinsdatei d;
    return d;
}

void Jahresabschluss(benchmark::State& state) {
    Sitzung& s = datei().o.s;
    for (auto _ : state)
        benchmark::DoNotOptimize(abschlussErstellen(s.verein, s.euroText, s.person, {}));
    state.counters["Saetze"] = kVoll;
}

void JahresabschlussMitFenstertexten(benchmark::State& state) {
    Sitzung& s = datei().o.s;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            abschlussBericht(abschlussErstellen(s.verein, s.euroText, s.person, {}), s.verein.def));
}

void ProzessZalvorCliAbschluss(benchmark::State& state) {
    const std::string name = datei().o.s.verein.datei.dateiname();
    for (auto _ : state)
        if (ausfuehren({cliPfad(), "abschluss", name}) != 0) state.SkipWithError("zalvor-cli");
}

void ProzessLedgerBalance(benchmark::State& state) {
    const std::string journal = datei().o.pfad + "/journal.ledger";
    if (ausfuehren({cliPfad(), "export", datei().o.s.verein.datei.dateiname(), "--journal"},
                   journal) != 0) {
        state.SkipWithError("export --journal");
        return;
    }
    for (auto _ : state)
        if (ausfuehren({"ledger", "-f", journal, "balance"}) != 0) {
            state.SkipWithError("ledger fehlt (scripts/install-deps --bench)");
            break;
        }
}

BENCHMARK(Jahresabschluss)->Unit(benchmark::kMillisecond);
BENCHMARK(JahresabschlussMitFenstertexten)->Unit(benchmark::kMillisecond);
BENCHMARK(ProzessZalvorCliAbschluss)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(ProzessLedgerBalance)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
} // namespace zalvor::bench
