// Benchmarks of the booking files: reorganisation, the index check at open, filing one
// booking out of order into full indexes, and the texts of the whole booking table.
#include "benchdaten.h"

#include "core/common/dateisystem.h"
#include "core/files/buchungsdatei.h"
#include "core/files/indexdatei.h"
#include "core/files/oeffnen.h"
#include "core/files/reorganisation.h"
#include "core/mainwindow/tabellentexte.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

namespace zalvor::bench {
namespace {

struct Gesichert {
    std::vector<std::uint8_t> datei;
    std::array<std::vector<std::uint8_t>, 10> indizes;

    explicit Gesichert(const Arbeitsordner& o) {
        datei = dateiLesen(o.s.verein.datei.dateiname());
        for (int k = 1; k <= 9; ++k)
            indizes[static_cast<std::size_t>(k)] = dateiLesen(o.s.verein.datei.dateien().index(k));
    }
    void indizesZurueck(const Arbeitsordner& o) const {
        for (int k = 1; k <= 9; ++k)
            dateiSchreiben(o.s.verein.datei.dateien().index(k),
                           indizes[static_cast<std::size_t>(k)]);
    }
};

void Reorganisation(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    Arbeitsordner o;
    o.fuellen(buchungenErzeugen(n));
    const Gesichert alt(o);
    for (auto _ : state) {
        state.PauseTiming();
        o.sicherungenLoeschen();
        dateiSchreiben(o.s.verein.datei.dateiname(), alt.datei);
        alt.indizesZurueck(o);
        state.ResumeTiming();
        benchmark::DoNotOptimize(reorganisieren(o.s.verein, o.s.person, false));
    }
    state.counters["Saetze"] = n;
}

void IndexCheckBeimOeffnen(benchmark::State& state) {
    Arbeitsordner o;
    o.fuellen(buchungenErzeugen(static_cast<std::uint32_t>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(indexCheckBeimOeffnen(o.s));
}

// A booking that sorts before the last entry of every order, so all nine indexes are
// copied.
TBuchung ausserDerReihe() {
    TBuchung b;
    b.text.setze("");
    b.bunr.setze("0");
    b.betrag = Real6::aus(-1000000);
    b.tag = 1;
    b.monat = 1;
    b.kontoVon = 1;
    return b;
}

// The file holds n - 1 bookings; the appended one makes it n, the indexes n entries.
void EinordnenAusserDerReihe(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    Arbeitsordner o;
    o.fuellen(buchungenErzeugen(n - 1));
    const Gesichert alt(o);
    const TBuchung neu = ausserDerReihe();
    for (auto _ : state) {
        state.PauseTiming();
        {
            BinaerDatei d(o.s.verein.datei.dateiname(), BinaerDatei::Modus::LesenSchreiben);
            d.kuerzen(alt.datei.size());
            d.schliessen();
        }
        alt.indizesZurueck(o);
        state.ResumeTiming();
        buchungAnhaengen(o.s.verein, o.s.person, neu, {false, false, true, false});
    }
}

void EinordnenEinIndex(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    Arbeitsordner o;
    auto saetze = buchungenErzeugen(n);
    saetze.back() = ausserDerReihe();
    o.fuellen(saetze);
    std::vector<std::uint16_t> ohne = indexLesen(o.s.verein.datei, 1);
    ohne.erase(std::find(ohne.begin(), ohne.end(), static_cast<std::uint16_t>(n - 1)));
    for (auto _ : state) {
        state.PauseTiming();
        indexSchreiben(o.s.verein.datei, 1, ohne);
        state.ResumeTiming();
        indexEinordnen(o.s.verein.datei, o.s.person, 1, static_cast<std::uint16_t>(n - 1),
                       saetze.back(), false);
    }
}

void Buchungstabelle(benchmark::State& state) {
    Arbeitsordner o;
    o.fuellen(buchungenErzeugen(static_cast<std::uint32_t>(state.range(0))));
    for (int t = 1; t <= 50; ++t) {
        o.s.verein.def.typen.setzeTypName(Seite::Ausgabe, t, "Ausgabe " + std::to_string(t));
        o.s.verein.def.typen.setzeTypName(Seite::Einnahme, t, "Einnahme " + std::to_string(t));
    }
    for (auto _ : state) {
        const auto kopf = tabellenKopf(o.s.waehrungstext());
        benchmark::DoNotOptimize(kopf);
        for (const auto& b : alleBuchungenLesen(o.s.verein.datei.dateiname())) {
            auto zeile = tabellenZeile(b, o.s.verein.def.typen);
            benchmark::DoNotOptimize(zeile);
        }
    }
}

constexpr int kGroessen[] = {1000, 10000, 65535};

void groessen(benchmark::internal::Benchmark* b) {
    for (int n : kGroessen)
        b->Arg(n);
    b->Unit(benchmark::kMillisecond);
}

BENCHMARK(Reorganisation)->Apply(groessen)->Iterations(10);
BENCHMARK(IndexCheckBeimOeffnen)->Apply(groessen);
BENCHMARK(EinordnenAusserDerReihe)->Apply(groessen)->Iterations(20);
BENCHMARK(EinordnenEinIndex)->Apply(groessen)->Iterations(20);
BENCHMARK(Buchungstabelle)->Apply(groessen);

} // namespace
} // namespace zalvor::bench

BENCHMARK_MAIN();
