// The plan file: both sides of the plan dialog and the target/actual comparison.
#include "fuzzhilfe.h"

#include "core/lists/planvorgaben.h"
#include "core/lists/planwerte.h"
#include "core/lists/sollist.h"

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    u.ablegen("Verein.26", "");
    fuzz::alsBefehl([&] {
        const auto g = planwerteAusBytes(Dateiinhalt({daten, n}), u.s.verein.plan);
        fuzz::verlangen(g.status != Lesestatus::Fehlt, "Planvorgaben geladen");
        u.s.verein.plan = g.wert;
        u.s.verein.planvorgaben = true;
        for (Seite seite : {Seite::Ausgabe, Seite::Einnahme}) {
            (void)Planvorgabenmodell(u.s.verein, u.s.person, seite).raster();
        }
    });
    fuzz::alsBefehl([&] { (void)sollIstVergleich(u.s.verein, u.s.person, u.s.uhr, u.s.euroText); });
    return 0;
}
