// The direct-debit file for 5,000 members: writing it, and the check against the bank schema
// the program runs before it saves.
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

} // namespace
} // namespace zalvor::bench
