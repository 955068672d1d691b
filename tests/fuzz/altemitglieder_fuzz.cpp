// The old member file of 173-byte records, imported at opening into the member file.
#include "fuzzhilfe.h"

#include "core/files/oeffnen.h"
#include "core/members/mitgliederimport.h"
#include "core/members/mitgliedsdatei.h"

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    fuzz::alsBefehl([&] {
        const auto alt = alteMitgliederAusBytes({daten, n}).wert;
        fuzz::verlangen(alt.size() == n / TMitglied::kGroesseAlt, "jeder alte Satz gelesen");
        // The import at opening is a command over the club's folder.
        u.ablegen("Verein.MGL", daten, n);
        mitgliederBeimOeffnen(u.s);
        const auto neu = mitgliederLesen(u.s.verein.datei.dateien().mitglieder());
        fuzz::verlangen(neu.size() == n / TMitglied::kGroesseAlt, "jeder alte Satz importiert");
        for (const TMitglied& m : neu)
            fuzz::verlangen(m.satz == 0, "Standardsatz nach dem Import");
    });
    return 0;
}
