// zalvor-cli tabelle: the booking table of a file.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/files/buchungsdatei.h"
#include "core/mainwindow/tabellentexte.h"

#include <iterator>

namespace zalvor::cli {

namespace {

Raster buchungstabelle(const Sitzung& s) {
    Raster r;
    r.titel = s.verein.datei.dateiname();
    const auto kopf = tabellenKopf(s.waehrungstext());
    r.kopf.assign(kopf.begin(), kopf.end());
    for (const auto& b : alleBuchungenLesen(s.verein.datei.dateiname())) {
        auto zeile = tabellenZeile(b, s.verein.def.typen);
        r.zeilen.emplace_back(std::make_move_iterator(zeile.begin()),
                              std::make_move_iterator(zeile.end()));
    }
    return r;
}

int tabelle(Kontext& k) {
    dateiLaden(k, k.args.letzte("DATEI"));
    rasterAusgeben(k.out, k.format, buchungstabelle(k.sitzung));
    return kFertig;
}

} // namespace

Befehl befehlTabelle() {
    return {"tabelle", "DATEI",
            "die Buchungstabelle: Kopfzeile und eine Zeile je Datensatz "
            "in Dateireihenfolge",
            Befehlsart::TabelleNeu, tabelle};
}

} // namespace zalvor::cli
