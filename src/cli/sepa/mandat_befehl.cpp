// zalvor-cli mandat: a member's direct-debit mandate.
#include "cli/common/ausgabe.h"
#include "cli/common/dateiargument.h"
#include "cli/members/mitgliederoptionen.h"
#include "cli/sepa/sepadatenbank.h"
#include "core/members/mitgliedsdatei.h"
#include "core/sepa/mandatsdaten.h"

namespace zalvor::cli {

namespace {

int mandat(Kontext& k) {
    sepa::MandatsEingabe e;
    e.iban = k.args.wert("--iban");
    e.bic = k.args.wert("--bic");
    e.inhaber = k.args.wert("--inhaber");
    e.referenz = k.args.wert("--referenz");
    if (const auto d = k.args.wert("--datum")) e.datum = datumOption(*d, "--datum");
    const bool entfernen = k.args.schalter("--entfernen");
    const std::string datei = k.args.position("DATEI");
    const std::string nr = k.args.letzte("NR");
    if (entfernen && !e.leer()) throw Aufruffehler("--entfernen steht ohne weitere Angaben");
    dateiLaden(k, datei);
    const auto kartei = mitgliederLesen(k.sitzung.verein.dateien().mitglieder());
    if (kartei.empty()) throw Aufruffehler("NR: die Mitgliederkartei ist leer");
    const auto n =
        static_cast<std::size_t>(zahlOption(nr, 0, static_cast<int>(kartei.size()) - 1, "NR"));
    const bool aendern = entfernen || !e.leer();
    auto db = vereinsdatenbank(k, aendern);
    if (!db) return kEAFehler;
    // After a change the grid shows what was stored, without reading again: the command
    // must not fail once its change is committed.
    std::optional<Mandat> gespeichert;
    if (entfernen) {
        sepa::mandatBeenden(*db, kartei, n);
    } else if (aendern) {
        const auto r = sepa::mandatAendern(*db, kartei, n, e, k.sitzung.uhr.heute());
        if (!r) return abgewiesen(k, r.meldung());
        gespeichert = *r;
    } else {
        gespeichert = sepa::mandatDes(*db, kartei, n);
    }
    rasterAusgeben(k.out, k.format, sepa::mandatRaster(kartei, n, gespeichert));
    return kFertig;
}

} // namespace

Befehl befehlMandat() {
    return {"mandat",
            "DATEI NR ([--iban IBAN] [--bic BIC] [--inhaber NAME] [--referenz REF] "
            "[--datum JJJJ-MM-TT] | --entfernen)",
            "zeigt, ändert oder entfernt das Lastschriftmandat des Mitglieds NR",
            Befehlsart::Mandat, mandat};
}

} // namespace zalvor::cli
