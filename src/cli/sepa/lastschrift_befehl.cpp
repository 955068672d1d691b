// zalvor-cli lastschrift: the direct-debit file of the contributions.
#include "cli/common/ausgabe.h"
#include "cli/common/dateiargument.h"
#include "cli/sepa/sepadatenbank.h"
#include "core/sepa/lastschriftlauf.h"

namespace zalvor::cli {

namespace {

int lastschrift(Kontext& k) {
    const auto faellig = k.args.wert("--faellig");
    const auto ausgabe = k.args.wert("--ausgabe");
    const bool vorschau = k.args.schalter("--vorschau");
    const std::string datei = k.args.letzte("DATEI");
    if (!faellig) throw Aufruffehler("--faellig JJJJ-MM-TT fehlt");
    if (!ausgabe && !vorschau) throw Aufruffehler("--ausgabe DATEI.xml fehlt");
    const Datum tag = datumOption(*faellig, "--faellig");
    dateiLaden(k, datei);
    auto db = vereinsdatenbank(k, !vorschau);
    if (!db) return kEAFehler;
    const auto l = sepa::lastschriftenVorschlagen(k.sitzung.verein, *db);
    const Datum heute = k.sitzung.uhr.heute();
    if (vorschau) {
        if (const auto h = sepa::lastschriftHindernis(*db, l, tag, heute)) return abgewiesen(k, *h);
    } else {
        const auto r = sepa::lastschriftdateiSchreiben(*db, l, tag, sepa::jetztAm(heute), *ausgabe);
        if (!r) return abgewiesen(k, r.meldung());
    }
    std::vector<Raster> raster{sepa::lastschriftRaster(l)};
    if (!l.ohneMandat.empty()) raster.push_back(sepa::ohneMandatRaster(l));
    rasterUndTexteAusgeben(k.out, k.format, raster, {sepa::summenText(l)});
    return kFertig;
}

} // namespace

Befehl befehlLastschrift() {
    return {"lastschrift", "DATEI --faellig JJJJ-MM-TT --ausgabe DATEI.xml [--vorschau]",
            "schreibt die Lastschriftdatei (pain.008) der offenen Beiträge",
            Befehlsart::Lastschrift, lastschrift};
}

} // namespace zalvor::cli
