// The yearly closing of 65,535 bookings: computed by the engine, its window texts, and the
// whole command-line process beside ledger's balance of the exported journal.
#include "benchdaten.h"

#include "closing/abschlussbericht.h"
#include "files/definitionen.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

extern char** environ;

namespace zalvor::bench {
namespace {

constexpr std::uint32_t kVoll = 65535;

// Every type named, nested groups on both sides, VAT: the closing's full work.
struct Vereinsdatei {
    Vereinsdatei() {
        o.fuellen(buchungenErzeugen(kVoll));
        TDefinitionen& d = o.s.def;
        for (int n = 1; n <= 9; ++n)
            d.konten[static_cast<std::size_t>(n)] = "Konto " + std::to_string(n);
        for (Seite s : {Seite::Ausgabe, Seite::Einnahme}) {
            for (int t = 1; t <= kTypen; ++t) {
                d.typen.setzeTypName(s, t, "Typ " + std::to_string(t));
                d.typen.setzeGruppeVon(s, t, 1 + (t - 1) / 5);
            }
            for (int g = 1; g <= 12; ++g) {
                d.typen.setzeGruppenName(s, g, "Gruppe " + std::to_string(g));
                if (g <= 10)
                    d.typen.setzeGruppeVon(s, Typverwaltung::gruppeZuPosten(g), 11 + (g > 5));
            }
        }
        d.mwstSatz = 19;
        definitionenSchreiben(o.s.datei.basisname, d, o.person);
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
        benchmark::DoNotOptimize(abschlussErstellen(s, {}));
    state.counters["Saetze"] = kVoll;
}

void JahresabschlussMitFenstertexten(benchmark::State& state) {
    Sitzung& s = datei().o.s;
    for (auto _ : state)
        benchmark::DoNotOptimize(abschlussBericht(abschlussErstellen(s, {}), s.def));
}

// Runs a program to its end, its output into `ausgabe` (/dev/null unless given).
int ausfuehren(std::vector<std::string> argv, const std::string& ausgabe = "/dev/null") {
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, ausgabe.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&aktionen, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> zeiger;
    for (auto& a : argv)
        zeiger.push_back(a.data());
    zeiger.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, zeiger[0], &aktionen, nullptr, zeiger.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    if (rc != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string cliPfad() {
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "zalvor-cli").string();
}

void ProzessZalvorCliAbschluss(benchmark::State& state) {
    const std::string name = datei().o.s.datei.dateiname();
    for (auto _ : state)
        if (ausfuehren({cliPfad(), "abschluss", name}) != 0) state.SkipWithError("zalvor-cli");
}

void ProzessLedgerBalance(benchmark::State& state) {
    const std::string journal = datei().o.pfad + "/journal.ledger";
    if (ausfuehren({cliPfad(), "export", datei().o.s.datei.dateiname(), "--journal"}, journal) !=
        0) {
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
