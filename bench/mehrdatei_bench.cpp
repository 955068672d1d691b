// The yearly multi-file closing over ten full booking files: one read of each file, both
// sides from that read.
#include "benchdaten.h"

#include "core/closing/mehrdateiabschluss.h"
#include "core/common/dateisystem.h"
#include "core/files/definitionen.h"

#include <benchmark/benchmark.h>

namespace zalvor::bench {
namespace {

constexpr std::uint32_t kVoll = 65535;
constexpr int kDateien = 10;

struct ZehnDateien {
    ZehnDateien() {
        for (int i = 0; i < kDateien; ++i) {
            std::vector<std::uint8_t> roh;
            for (const TBuchung& b : buchungenErzeugen(kVoll, 11 + static_cast<unsigned>(i))) {
                const auto p = b.packen();
                roh.insert(roh.end(), p.begin(), p.end());
            }
            const std::string basis = o.pfad + "/Abteilung" + std::to_string(i);
            dateiSchreiben(basis + ".26", roh);
            dateien.push_back(basis + ".26");
        }
        TDefinitionen def;
        definitionenSchreiben(o.pfad + "/Abteilung0", def, o.person);
    }
    Arbeitsordner o;
    std::vector<std::string> dateien;
};

void Mehrdateiabschluss(benchmark::State& state) {
    static ZehnDateien d;
    const AbschlussParameter p{static_cast<int>(state.range(0)), false};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            mehrdateiBericht(*mehrdateiabschlussErstellen(d.dateien, p, "EUR", d.o.person)));
    state.counters["Saetze"] = kVoll * kDateien;
}

BENCHMARK(Mehrdateiabschluss)->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zalvor::bench
