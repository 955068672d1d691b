// The code word file: its two lines, decoded, and the check at opening with a typed code.
#include "fuzzhilfe.h"

#include "core/protection/codeschutz.h"
#include "core/protection/codewort.h"
#include "core/protection/codewortdatei.h"

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    fuzz::alsBefehl([&] {
        const Codewoerter c = codewoerterAusBytes({daten, n}).wert;
        fuzz::verlangen(codewortKodieren(codewortDekodieren(c.haupt)) == c.haupt,
                        "Codewort kodiert sich zurueck");
        (void)alsZeileSpeicherbar(c.haupt);
        if (c.nurLese) (void)codewortDekodieren(*c.nurLese);
        u.s.verein.def.mitgliedEinstellung = 11;
        u.person.code = codewortDekodieren(c.haupt);
        // The check at opening reads the club's file as the command does.
        u.ablegen("Verein.PWD", daten, n);
        codewortPruefen(u.s);
        fuzz::verlangen(!u.s.verein.nurLesen, "Hauptcode oeffnet zum Schreiben");
        (void)nurLeseCodeVorhanden(u.s.verein.dateien());
    });
    return 0;
}
