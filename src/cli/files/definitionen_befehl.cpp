// zalvor-cli definitionen: everything the definitions file holds, as key/value lines.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/files/definitionen.h"

#include <string>
#include <utility>
#include <vector>

namespace zalvor::cli {

namespace {

using Paare = std::vector<std::pair<std::string, std::string>>;

// Keys in a fixed order; values in the Windows form (account names converted from DOS form).
Paare definitionsPaare(const TDefinitionen& d) {
    Paare p;
    const Typverwaltung& t = d.typen;
    auto nr = [](const char* vor, int n, const char* nach = "") {
        return std::string(vor) + "." + std::to_string(n) + nach;
    };
    for (int n = 1; n <= kTypen; ++n)
        p.emplace_back(nr("Ausgabetyp", n), t.typName(Seite::Ausgabe, n));
    for (int n = 1; n <= kTypen; ++n)
        p.emplace_back(nr("Einnahmetyp", n), t.typName(Seite::Einnahme, n));
    for (int g = 1; g <= kGruppen; ++g)
        p.emplace_back(nr("Ausgabegruppe", g), t.gruppenName(Seite::Ausgabe, g));
    for (int g = 1; g <= kGruppen; ++g)
        p.emplace_back(nr("Einnahmegruppe", g), t.gruppenName(Seite::Einnahme, g));
    for (auto [seite, wort] :
         {std::pair{Seite::Ausgabe, "Ausgabe"}, std::pair{Seite::Einnahme, "Einnahme"}}) {
        const std::string typ = std::string(wort) + "typ";
        const std::string gruppe = std::string(wort) + "gruppe";
        for (int n = 1; n <= kTypen; ++n)
            p.emplace_back(nr(typ.c_str(), n, ".Gruppe"), std::to_string(t.gruppeVon(seite, n)));
        for (int g = 1; g <= kGruppen; ++g)
            p.emplace_back(nr(gruppe.c_str(), g, ".Gruppe"),
                           std::to_string(t.gruppeVon(seite, Typverwaltung::gruppeZuPosten(g))));
    }
    for (int k = 1; k <= kKonten; ++k)
        p.emplace_back(nr("Konto", k), OemNachAnsi(d.konten[static_cast<std::size_t>(k)]));
    p.emplace_back("Mitgliedseinstellung", std::to_string(d.mitgliedEinstellung));
    p.emplace_back("Standardbeitrag", festkomma(d.standardBeitrag, 2));
    for (int f = 1; f <= 5; ++f)
        p.emplace_back(nr("FreiesFeld", f), d.freiFelder[static_cast<std::size_t>(f)]);
    p.emplace_back("MwSt", festkomma(d.mwstSatz, 2));
    p.emplace_back("Waehrung", d.waehrung.Waehrung);
    p.emplace_back("Kurs", festkomma(d.waehrung.Kurs, 6));
    p.emplace_back("Umstellungsjahr", d.waehrung.Umstellungsjahr);
    p.emplace_back("UmstellungBis", d.waehrung.UmstellungBis);
    return p;
}

// A value must stay on its line and in its column.
std::string eineZelle(std::string s) {
    for (char& c : s)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return s;
}

int definitionen(Kontext& k) {
    const std::string name = k.args.position("DATEI");
    const bool neuSchreiben = k.args.schalter("--neu-schreiben");
    k.args.fertig();
    dateiLaden(k, name, neuSchreiben ? Befehlsart::Einstellungen : Befehlsart::Definitionen);
    Sitzung& s = k.sitzung;
    if (neuSchreiben && !definitionenSchreiben(s.verein.datei.basisname, s.verein.def, s.person))
        return kAbgelehnt;

    const Paare paare = definitionsPaare(s.verein.def);
    if (k.format == Format::Tsv) {
        for (const auto& [schluessel, wert] : paare)
            k.out << schluessel << '\t' << ansiNachUtf8(eineZelle(wert)) << '\n';
        return kFertig;
    }
    Raster r;
    r.titel = A("Definitionen ") + utf8NachAnsi(s.verein.datei.dateien().definitionen());
    r.kopf = {A("Schlüssel"), "Wert"};
    for (const auto& [schluessel, wert] : paare)
        r.zeilen.push_back({schluessel, wert});
    rasterAusgeben(k.out, k.format, r);
    return kFertig;
}

} // namespace

Befehl befehlDefinitionen() {
    return {
        "definitionen", "DATEI [--neu-schreiben]",
        "zeigt die Definitionen der Datei als Zeilen Schlüssel<TAB>Wert, in dieser Reihenfolge: "
        "Ausgabetyp.1..50, Einnahmetyp.1..50, Ausgabegruppe.1..49, Einnahmegruppe.1..49, "
        "Ausgabetyp.N.Gruppe, Ausgabegruppe.N.Gruppe, Einnahmetyp.N.Gruppe, "
        "Einnahmegruppe.N.Gruppe "
        "(Gruppennummer, 0 = keine), Konto.1..9, Mitgliedseinstellung, Standardbeitrag, "
        "FreiesFeld.1..5, MwSt, Waehrung, Kurs, Umstellungsjahr, UmstellungBis; Hinweise zu "
        "älteren Formaten auf stderr. --neu-schreiben schreibt die Datei im aktuellen Format neu.",
        Befehlsart::Definitionen, definitionen};
}

} // namespace zalvor::cli
