// Benchmarks of the member register with 5,000 members: filing one member in the middle,
// booking every contribution into a file of 10,000 bookings, building the member list.
#include "benchdaten.h"

#include "core/members/beitraegebuchen.h"
#include "core/members/mitgliederliste.h"
#include "core/members/mitgliedsdatei.h"

#include <benchmark/benchmark.h>

namespace zalvor::bench {
namespace {

constexpr int kMitglieder = 5000;

std::vector<TMitglied> register5000() {
    std::vector<TMitglied> r;
    for (int i = 0; i < kMitglieder; ++i) {
        TMitglied m;
        m.nachname.setze("Name" + std::to_string(10000 + i));
        m.vorname.setze("Vorname");
        m.frei[0].setze("Hauptstr. " + std::to_string(i));
        m.satz = static_cast<std::uint8_t>(i % 3);
        r.push_back(m);
    }
    return r;
}

void vereinEinrichten(Arbeitsordner& o) {
    o.s.verein.def.konten.fill("Bank");
    o.s.verein.def.mitgliedEinstellung = 2;
    o.s.verein.def.standardBeitrag = 50;
    o.s.verein.beitraege = vorgabeSaetze(o.s.verein.def);
    o.s.verein.beitraege.eintraege[1].name.setze("Jugend");
    o.s.verein.beitraege.eintraege[1].cent = 2500;
    o.s.verein.beitraege.eintraege[2].name.setze("Passiv");
    o.s.verein.beitraege.eintraege[2].cent = 1200;
    o.s.dateiOffen = true;
    o.s.verein.mitgliederVorhanden = true;
    mitgliederSchreiben(o.s.verein.datei.dateien().mitglieder(), register5000());
}

void MitgliedEinfuegenMitte(benchmark::State& state) {
    Arbeitsordner o;
    vereinEinrichten(o);
    const std::string pfad = o.s.verein.datei.dateien().mitglieder();
    const auto alt = dateiLesen(pfad);
    TMitglied neu;
    neu.nachname.setze("Name12500x");
    for (auto _ : state) {
        mitgliedEinfuegen(pfad, neu);
        state.PauseTiming();
        dateiSchreiben(pfad, alt);
        state.ResumeTiming();
    }
}
BENCHMARK(MitgliedEinfuegenMitte)->Unit(benchmark::kMillisecond);

void BeitraegeBuchenAlle(benchmark::State& state) {
    Arbeitsordner o;
    o.fuellen(buchungenErzeugen(10000));
    vereinEinrichten(o);
    const std::string pfad = o.s.verein.datei.dateien().mitglieder();
    const auto mitglieder = dateiLesen(pfad);
    const auto buchungen = dateiLesen(o.s.verein.datei.dateiname());
    std::array<std::vector<std::uint8_t>, 10> indizes;
    for (int k = 1; k <= 9; ++k)
        indizes[static_cast<std::size_t>(k)] = dateiLesen(o.s.verein.datei.dateien().index(k));
    for (auto _ : state) {
        auto d = beitraegeOeffnen(o.s);
        for (auto& k : d->kaestchen)
            k.angehakt = k.aktiv;
        benchmark::DoNotOptimize(beitraegeBuchen(o.s, *d));
        state.PauseTiming();
        dateiSchreiben(pfad, mitglieder);
        dateiSchreiben(o.s.verein.datei.dateiname(), buchungen);
        for (int k = 1; k <= 9; ++k)
            dateiSchreiben(o.s.verein.datei.dateien().index(k),
                           indizes[static_cast<std::size_t>(k)]);
        state.ResumeTiming();
    }
}
BENCHMARK(BeitraegeBuchenAlle)->Unit(benchmark::kMillisecond)->Iterations(1);

void Mitgliederliste(benchmark::State& state) {
    Arbeitsordner o;
    vereinEinrichten(o);
    Spaltenwahl wahl;
    wahl.frei = {true, true, true, true, true};
    wahl.beschreibung = wahl.betrag = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(mitgliederlisteErstellen(o.s, wahl));
}
BENCHMARK(Mitgliederliste)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zalvor::bench
