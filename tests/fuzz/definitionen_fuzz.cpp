// The definitions file in every format the reader takes; what is read must write back as a
// file that reads the same.
#include "fuzzhilfe.h"

#include "core/common/typverwaltung.h"
#include "core/files/definitionen.h"
#include "core/mainwindow/tabellentexte.h"

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    fuzz::alsBefehl([&] {
        u.s.verein.def =
            definitionenAusBytes(Dateiinhalt({daten, n}), {}, "Verein.def", false).wert;
        const Typverwaltung& t = u.s.verein.def.typen;
        for (Seite seite : {Seite::Ausgabe, Seite::Einnahme}) {
            for (int posten = 0; posten <= kTypen + kGruppen + 1; ++posten) {
                (void)t.postenName(seite, posten);
                (void)t.gruppeVon(seite, posten);
            }
            (void)t.kompakttext(seite);
        }
        (void)tabellenKopf(u.s.waehrungstext());
        (void)u.s.andererWaehrungstext();
        (void)u.s.verein.beideWaehrungen();
        fuzz::verlangen(u.s.verein.def.beitragsKonto() >= 1 &&
                            u.s.verein.def.beitragsKonto() <= kKonten,
                        "Beitragskonto 1..9");
        if (u.s.verein.def.unlesbar) return;
        // Written once, the content reads back to what it was written from.
        const std::vector<std::uint8_t> erste = definitionenInhalt(u.s.verein.def);
        const TDefinitionen wieder =
            definitionenAusBytes(Dateiinhalt(erste), {}, "Verein.def", false).wert;
        fuzz::verlangen(definitionenInhalt(wieder) == erste,
                        "geschriebene Definitionen lesen sich gleich");
    });
    return 0;
}
