// zalvor-cli planvorgaben, soll-ist: plan values and the target/actual comparison.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/lists/planvorgaben.h"
#include "core/lists/sollist.h"

namespace zalvor::cli {

namespace {

int planvorgabenBefehl(Kontext& k) {
    const bool einnahme = k.args.schalter("--einnahme");
    const bool ausgabe = k.args.schalter("--ausgabe");
    const std::vector<std::string> setzen = k.args.werte("--setzen");
    const std::string datei = k.args.letzte("DATEI");
    if (einnahme == ausgabe) throw Aufruffehler("genau eines von --einnahme und --ausgabe");
    std::vector<std::pair<int, std::string>> auftraege;
    for (const std::string& a : setzen) {
        const auto gleich = a.find('=');
        const auto n = ganzzahlLesen(a.substr(0, gleich));
        if (gleich == std::string::npos || !n || *n < 1 || *n > 99)
            throw Aufruffehler("--setzen N=BETRAG mit N von 1 bis 99: " + a);
        auftraege.emplace_back(static_cast<int>(*n), a.substr(gleich + 1));
    }
    dateiLaden(k, datei, Befehlsart::Planvorgaben);
    Sitzung& s = k.sitzung;
    planvorgabenBeginnen(s.verein);
    Planvorgabenmodell modell(s.verein, s.person, einnahme ? Seite::Einnahme : Seite::Ausgabe);
    for (const auto& [n, text] : auftraege) {
        // The dialog disables the edit box of such a row.
        if (!modell.bearbeitbar(n))
            throw Aufruffehler("Zeile " + std::to_string(n) + " zeigt \"s. Gruppe\"");
        if (!modell.uebernehmen(n, utf8NachAnsi(text))) return kAbgelehnt;
    }
    if (!auftraege.empty() && !modell.speichern()) return kEAFehler;
    rasterAusgeben(k.out, k.format,
                   Planvorgabenmodell(s.verein, s.person, modell.seite()).raster());
    return kFertig;
}

int sollIstBefehl(Kontext& k) {
    dateiLaden(k, k.args.letzte("DATEI"), Befehlsart::SollIst);
    const auto bericht =
        sollIstVergleich(k.sitzung.verein, k.sitzung.person, k.sitzung.uhr, k.sitzung.euroText);
    if (!bericht) return kAbgelehnt;
    berichtAusgeben(k.out, k.format, *bericht);
    return kFertig;
}

} // namespace

Befehl befehlPlanvorgaben() {
    return {"planvorgaben", "DATEI (--einnahme | --ausgabe) [--setzen N=BETRAG]...",
            "Planvorgaben: jedes --setzen übernimmt einen Betrag in Zeile N (1..50 Typen, 51..99 "
            "Gruppen), dann wird gespeichert; zeigt die 99 Zeilen",
            Befehlsart::Planvorgaben, planvorgabenBefehl};
}
Befehl befehlSollIst() {
    return {"soll-ist", "DATEI", "Soll-Ist-Vergleich der Planvorgaben mit den gebuchten Summen",
            Befehlsart::SollIst, sollIstBefehl};
}

} // namespace zalvor::cli
