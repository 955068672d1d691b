// zalvor-cli glaeubiger: the creditor data of the direct debits.
#include "cli/common/ausgabe.h"
#include "cli/common/dateiargument.h"
#include "cli/members/mitgliederoptionen.h"
#include "cli/sepa/sepadatenbank.h"
#include "core/database/bankkonten.h"
#include "core/sepa/glaeubigerdaten.h"

namespace zalvor::cli {

namespace {

int glaeubiger(Kontext& k) {
    sepa::GlaeubigerEingabe e;
    e.id = k.args.wert("--id");
    e.name = k.args.wert("--name");
    if (const auto konto = k.args.wert("--konto")) e.konto = zahlOption(*konto, 1, 9, "--konto");
    const std::string datei = k.args.letzte("DATEI");
    const bool aendern = e.id || e.name || e.konto;
    dateiLaden(k, datei);
    auto db = vereinsdatenbank(k, aendern);
    if (!db) return kEAFehler;
    if (!aendern) {
        rasterAusgeben(k.out, k.format, sepa::glaeubigerRaster(*db));
        return kFertig;
    }
    // After the change the grid shows what was stored, without reading again: the command
    // must not fail once its change is committed.
    const auto konten = bankkontenLesen(*db);
    const auto r = sepa::glaeubigerAendern(*db, e);
    if (!r) return abgewiesen(k, r.meldung());
    rasterAusgeben(k.out, k.format, sepa::glaeubigerRaster(*r, konten));
    return kFertig;
}

} // namespace

Befehl befehlGlaeubiger() {
    return {"glaeubiger", "DATEI [--id ID] [--name NAME] [--konto N]",
            "zeigt oder ändert die Gläubigerdaten der Lastschriften", Befehlsart::Glaeubigerdaten,
            glaeubiger};
}

} // namespace zalvor::cli
