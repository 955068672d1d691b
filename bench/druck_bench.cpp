// Printing: the layout alone of 65,535 list rows, and the E/A list of 10,000 bookings as PDF.
#include "core/printing/listendruck.h"
#include "print/anwendung.h"
#include "print/druckschrift.h"
#include "print/seitenmaler.h"

#include <QPrinter>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Fixed widths, so the layout is timed without font metrics.
class FesteMessung : public zalvor::Messung {
  public:
    zalvor::Textmass mass(const std::string& t, const zalvor::Schriftwahl& s) override {
        return {static_cast<int>(t.size()) * (s.nummer == 2 ? 12 : 10), 20};
    }
};

zalvor::Bericht eaListe(int buchungen) {
    zalvor::Raster r;
    r.ueberschrift = "Ausgaben:";
    r.kopf = {"BuNr", "Beleg", "Datum", "Typ", "Buchungstext", "An/Von", "Betrag (EUR)", "Konto"};
    for (int i = 0; i < buchungen; ++i)
        r.zeilen.push_back({std::to_string(i), "B1", " 5. 3.", "Miete", "Miete Vereinsheim",
                            "Vermieter", "     10.00", " 1"});
    zalvor::Bericht b;
    b.fenstertitel = "Ein/Aus - Liste";
    b.reiter.push_back({"", {r}});
    return b;
}

void BM_ListenLayout65535(benchmark::State& state) {
    const zalvor::Bericht b = eaListe(65535);
    const zalvor::Druckeinstellungen e;
    FesteMessung m;
    for (auto _ : state)
        benchmark::DoNotOptimize(zalvor::listeSetzen(b, e, m, {2244, 3366}));
}
BENCHMARK(BM_ListenLayout65535)->Unit(benchmark::kMillisecond);

void BM_EaListe10000AlsPdf(benchmark::State& state) {
    zalvor::druck::anwendungSicherstellen();
    const zalvor::Bericht b = eaListe(10000);
    const zalvor::Druckeinstellungen e =
        zalvor::standardDruckeinstellungen(zalvor::druck::standardschrift());
    for (auto _ : state) {
        QPrinter p(QPrinter::HighResolution);
        zalvor::druck::pdfEinrichten(p, "/tmp/zalvor_bench_ea.pdf");
        benchmark::DoNotOptimize(zalvor::druck::drucken(
            p, e.schrift1, e.schrift2,
            [&](zalvor::Messung& m, zalvor::Seitenformat f) { return listeSetzen(b, e, m, f); }));
    }
    std::remove("/tmp/zalvor_bench_ea.pdf");
}
BENCHMARK(BM_EaListe10000AlsPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
