// Benchmarks of the booking lists over a full file: one read of the file, one walk of an
// index, every cell text.
#include "benchdaten.h"

#include "core/files/definitionen.h"
#include "core/files/sortierung.h"
#include "core/lists/buchungslisten.h"

#include <benchmark/benchmark.h>

namespace zalvor::bench {
namespace {

constexpr std::uint32_t kVoll = 65535;

struct VolleDatei {
    VolleDatei() {
        o.fuellen(buchungenErzeugen(kVoll));
        for (int n = 1; n <= 9; ++n)
            o.s.verein.def.konten[static_cast<std::size_t>(n)] = "Konto " + std::to_string(n);
        definitionenSchreiben(o.s.verein.datei.basisname, o.s.verein.def, o.person);
    }
    Arbeitsordner o;
};

VolleDatei& datei() {
    static VolleDatei d;
    return d;
}

template <typename Bauen>
void liste(benchmark::State& state, Bauen bauen) {
    Sitzung& s = datei().o.s;
    s.verein.sortierung = kSortierungen[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(bauen(s));
    state.SetLabel(sortierungName(s.verein.sortierung));
    state.counters["Saetze"] = kVoll;
}

void Einfachliste(benchmark::State& state) {
    liste(state, [](Sitzung& s) { return einfachListe(s.verein, s.person, s.uhr, s.euroText); });
}
void EAListe(benchmark::State& state) {
    liste(state, [](Sitzung& s) { return eaListe(s.verein, s.person, s.uhr, s.euroText); });
}
void Kontenliste(benchmark::State& state) {
    liste(state, [](Sitzung& s) { return kontenListe(s.verein, s.person, s.uhr, s.euroText, 1); });
}
void AlleKontenlisten(benchmark::State& state) {
    liste(state, [](Sitzung& s) { return kontenListe(s.verein, s.person, s.uhr, s.euroText, 0); });
}

// The whole command-line process, start to end, output to /dev/null.
void ProzessZalvorCliListeEA(benchmark::State& state) {
    const std::string name = datei().o.s.verein.datei.dateiname();
    for (auto _ : state)
        if (ausfuehren({cliPfad(), "liste", name, "ea"}) != 0) state.SkipWithError("zalvor-cli");
}

BENCHMARK(Einfachliste)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(EAListe)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(Kontenliste)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(AlleKontenlisten)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(ProzessZalvorCliListeEA)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

} // namespace
} // namespace zalvor::bench
