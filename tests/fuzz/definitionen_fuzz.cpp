// The definitions file in every format the reader takes; what is read must write back as a
// file that reads the same.
#include "fuzzhilfe.h"

#include "core/common/dateisystem.h"
#include "core/common/typverwaltung.h"
#include "core/files/definitionen.h"
#include "core/mainwindow/tabellentexte.h"

#include <fstream>
#include <iterator>

using namespace zalvor;

namespace {

std::string inhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    u.ablegen("Verein.def", daten, n);
    fuzz::alsBefehl([&] {
        definitionenLesen(u.s.verein.datei.basisname, u.s.verein.def, u.person);
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
        // Written once, the file reads back to what it was written from.
        if (!definitionenSchreiben(u.s.verein.datei.basisname, u.s.verein.def, u.person)) return;
        const std::string erste = inhalt(u.s.verein.datei.dateien().definitionen());
        TDefinitionen wieder;
        definitionenLesen(u.s.verein.datei.basisname, wieder, u.person);
        definitionenSchreiben(u.s.verein.datei.basisname, wieder, u.person);
        fuzz::verlangen(inhalt(u.s.verein.datei.dateien().definitionen()) == erste,
                        "geschriebene Definitionen lesen sich gleich");
    });
    return 0;
}
