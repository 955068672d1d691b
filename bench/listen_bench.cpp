// Benchmarks of the booking lists over a full file: one read of the file, one walk of an
// index, every cell text.
#include "benchdaten.h"

#include "files/sortierung.h"
#include "lists/buchungslisten.h"

#include <benchmark/benchmark.h>

namespace zalvor::bench {
namespace {

constexpr std::uint32_t kVoll = 65535;

struct VolleDatei {
    VolleDatei() {
        o.fuellen(buchungenErzeugen(kVoll));
        for (int n = 1; n <= 9; ++n)
            o.s.def.konten[static_cast<std::size_t>(n)] = "Konto " + std::to_string(n);
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
    s.sortierung = kSortierungen[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(bauen(s));
    state.SetLabel(sortierungName(s.sortierung));
    state.counters["Saetze"] = kVoll;
}

void Einfachliste(benchmark::State& state) {
    liste(state, [](Sitzung& s) { return einfachListe(s); });
}
void EAListe(benchmark::State& state) {
    liste(state, [](Sitzung& s) { return eaListe(s); });
}
void Kontenliste(benchmark::State& state) {
    liste(state, [](Sitzung& s) { return kontenListe(s, 1); });
}
void AlleKontenlisten(benchmark::State& state) {
    liste(state, [](Sitzung& s) { return kontenListe(s, 0); });
}

BENCHMARK(Einfachliste)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(EAListe)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(Kontenliste)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(AlleKontenlisten)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zalvor::bench
