// The direct-debit file for 5,000 members: writing it, the check against the bank schema
// the program runs before it saves, and the whole command-line process.
#include "benchdaten.h"

#include "core/files/dateisatz.h"
#include "core/sepa/bankschema.h"
#include "core/sepa/pain008.h"

#include <benchmark/benchmark.h>

#include <string>

namespace zalvor::bench {
namespace {

using namespace zalvor::sepa;

constexpr int kLastschriften = 5000;

Lastschriftauftrag auftrag5000() {
    Lastschriftauftrag a;
    a.glaeubiger = {"Turnverein Grün-Weiß 1911 e.V.", "DE98ZZZ09999999999",
                    "DE89370400440532013000", "COBADEFFXXX"};
    a.faellig = {2024, 3, 20};
    a.erstellt = {{2024, 3, 15}, {14, 30, 12}};
    for (int i = 0; i < kLastschriften; ++i) {
        const std::string nr = std::to_string(10000 + i);
        Lastschrift l;
        l.cent = 1000 + i % 5000;
        l.mandatsreferenz = "MGL-" + nr;
        l.unterschrieben = {2020, 1 + i % 12, 1 + i % 28};
        l.sequenz = i % 10 == 0 ? Sequenz::Erst : Sequenz::Folge;
        l.name = "Jürgen Müller-Weiß " + nr;
        l.iban = "DE89 3704 0044 0532 0130 00";
        l.bic = i % 2 == 0 ? "COBADEFFXXX" : "";
        l.endToEndId = "ZV2024-" + nr;
        l.verwendungszweck = "Beitrag 2024 Jürgen Müller-Weiß " + nr;
        a.lastschriften.push_back(l);
    }
    return a;
}

void LastschriftSchreiben5000(benchmark::State& state) {
    const Lastschriftauftrag a = auftrag5000();
    for (auto _ : state)
        benchmark::DoNotOptimize(pain008Schreiben(a));
}
BENCHMARK(LastschriftSchreiben5000)->Unit(benchmark::kMillisecond);

void LastschriftBankschema5000(benchmark::State& state) {
    const std::string xml = pain008Schreiben(auftrag5000());
    bankschemaFehler(xml); // the schema is compiled once per run
    for (auto _ : state)
        benchmark::DoNotOptimize(bankschemaFehler(xml));
}
BENCHMARK(LastschriftBankschema5000)->Unit(benchmark::kMillisecond);

// zalvor-cli writes the file of 5,000 members with mandates: opening the club, the register
// and rates, the mandates, the contributions, the file through the bank schema, its record
// in the club database. Each run starts from the database as it was before the first, so
// every run writes 500 first and 4,500 recurring debits and records them anew.
void ProzessZalvorCliLastschrift(benchmark::State& state) {
    Arbeitsordner ordner;
    const std::string datei = lastschriftvereinAnlegen(ordner.pfad, kLastschriften);
    const std::string datenbank = Dateisatz(ordner.pfad + "/Sportverein", "26").datenbank();
    const std::string xml = ordner.pfad + "/lastschrift.xml";
    const auto vorher = dateiLesen(datenbank);
    for (auto _ : state) {
        state.PauseTiming();
        dateiSchreiben(datenbank, vorher);
        state.ResumeTiming();
        if (ausfuehren({cliPfad(), "--heute", "2026-03-15", "lastschrift", datei, "--faellig",
                        "2026-03-18", "--ausgabe", xml}) != 0)
            state.SkipWithError("zalvor-cli lastschrift");
    }
    state.counters["Lastschriften"] = kLastschriften;
}
BENCHMARK(ProzessZalvorCliLastschrift)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

} // namespace
} // namespace zalvor::bench
