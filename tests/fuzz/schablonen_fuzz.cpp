// The template file: the window's grid, the repetition dialog and the automatic bookings
// into an empty file of the current year.
#include "fuzzhilfe.h"

#include "core/templates/autobuchung.h"
#include "core/templates/schablonendatei.h"
#include "core/templates/schablonenfenster.h"

#include <algorithm>
#include <string>

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    fuzz::alsBefehl([&] {
        const auto alle = schablonenAusBytes({daten, n}).wert;
        (void)schablonenRaster(alle, u.s.verein.def, u.s.waehrungstext());
    });
    // The repetition dialog and the automatic bookings are commands over the club's folder.
    u.ablegen("Verein.SBD", daten, n);
    u.ablegen("Verein.26", "");
    for (int k = 1; k <= 9; ++k)
        u.ablegen("Verein.26" + std::to_string(k), "");
    fuzz::alsBefehl([&] {
        const auto alle = schablonenLesen(u.s.verein.datei.dateien().schablonen());
        const std::size_t m = std::min<std::size_t>(alle.size(), 16);
        for (std::size_t i = 0; i < m; ++i)
            (void)wiederholungsMaske(
                schabloneLesen(u.s.verein.dateien().schablonen(), static_cast<std::uint32_t>(i)));
    });
    fuzz::alsBefehl([&] { (void)automatischeBuchungen(u.s); });
    return 0;
}
