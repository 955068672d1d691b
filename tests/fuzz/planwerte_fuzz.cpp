// The plan file: both sides of the plan dialog and the target/actual comparison.
#include "fuzzhilfe.h"

#include "core/files/oeffnen.h"
#include "core/lists/planvorgaben.h"
#include "core/lists/planwerte.h"
#include "core/lists/sollist.h"

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    u.ablegen("Verein.26s", daten, n);
    u.ablegen("Verein.26", "");
    fuzz::alsBefehl([&] {
        planwerteEinlesen(u.s.verein, u.s.person);
        fuzz::verlangen(u.s.verein.planvorgaben, "Planvorgaben geladen");
        for (Seite seite : {Seite::Ausgabe, Seite::Einnahme}) {
            (void)Planvorgabenmodell(u.s.verein, u.s.person, seite).raster();
        }
    });
    fuzz::alsBefehl([&] { (void)sollIstVergleich(u.s.verein, u.s.person, u.s.uhr, u.s.euroText); });
    return 0;
}
