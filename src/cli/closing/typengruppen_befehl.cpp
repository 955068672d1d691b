// zalvor-cli typengruppen: the type-group assignment dialog.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "cli/common/dateiargument.h"
#include "core/closing/typgruppenzuordnung.h"
#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/files/definitionen.h"

#include <algorithm>

namespace zalvor::cli {

namespace {

struct Auftrag {
    int posten = 0;
    int ziel = kZielKeine;
    std::string name; // of a new group, Windows form
};

Auftrag auftragLesen(const std::string& text) {
    const auto gleich = text.find('=');
    if (gleich == std::string::npos) throw Aufruffehler("--zuordnen erwartet ITEM=ZIEL: " + text);
    Auftrag a;
    const auto posten = ganzzahlLesen(text.substr(0, gleich));
    if (!posten) throw Aufruffehler("ITEM ist keine Zahl: " + text);
    a.posten = static_cast<int>(*posten);
    const std::string ziel = text.substr(gleich + 1);
    if (ziel.rfind("neu:", 0) == 0) {
        a.ziel = kZielNeu;
        a.name = utf8NachAnsi(ziel.substr(4));
    } else if (ziel == "keine") {
        a.ziel = kZielKeine;
    } else {
        const auto g = ganzzahlLesen(ziel);
        if (!g || *g < 1 || *g > kGruppen) throw Aufruffehler("ZIEL ungültig: " + text);
        a.ziel = static_cast<int>(*g);
    }
    return a;
}

// The item must be a row of the grid, a target group an entry of the list.
void pruefen(const TypgruppenZuordnung& z, const Auftrag& a, const std::string& text) {
    const auto zeilen = z.zeilenPosten();
    if (std::find(zeilen.begin(), zeilen.end(), a.posten) == zeilen.end())
        throw Aufruffehler("ITEM steht nicht im Raster: " + text);
    const auto ziele = z.listenZiele();
    if (std::find(ziele.begin(), ziele.end(), a.ziel) == ziele.end())
        throw Aufruffehler("ZIEL-Gruppe existiert nicht: " + text);
}

int typengruppen(Kontext& k) {
    const bool einnahme = k.args.schalter("--einnahme");
    const bool ausgabe = k.args.schalter("--ausgabe");
    const auto texte = k.args.werte("--zuordnen");
    const std::string datei = k.args.letzte("DATEI");
    if (einnahme == ausgabe) throw Aufruffehler("entweder --einnahme oder --ausgabe");
    dateiLaden(k, datei, Befehlsart::Typengruppen);
    Sitzung& s = k.sitzung;
    const Seite seite = einnahme ? Seite::Einnahme : Seite::Ausgabe;
    if (s.verein.def.typen.typName(seite, 1).empty()) {
        s.person.nachricht("FEHLER", "\r\rSie haben noch keinen ersten Typen deklariert!");
        return kAbgelehnt;
    }
    // Checked on a copy first, so that wrong usage changes nothing.
    std::vector<Auftrag> auftraege;
    for (const auto& t : texte)
        auftraege.push_back(auftragLesen(t));
    Typverwaltung arbeit = s.verein.def.typen;
    TypgruppenZuordnung z(arbeit, seite);
    for (std::size_t i = 0; i < auftraege.size(); ++i)
        pruefen(z, auftraege[i], texte[i]);
    bool abgelehnt = false;
    for (std::size_t i = 0; i < auftraege.size(); ++i) {
        const Auftrag& a = auftraege[i];
        pruefen(z, a, texte[i]);
        const auto ergebnis = z.zuordnen(s.person, a.posten, a.ziel,
                                         [&]() -> std::optional<std::string> { return a.name; });
        if (ergebnis == TypgruppenZuordnung::Ergebnis::Abgelehnt) abgelehnt = true;
    }
    rasterAusgeben(k.out, k.format, z.raster());
    if (z.geaendert()) {
        s.verein.def.typen = arbeit;
        if (!definitionenSchreiben(s.verein.datei.basisname, s.verein.def, s.person))
            return kEAFehler;
    }
    return abgelehnt ? kAbgelehnt : kFertig;
}

} // namespace

Befehl befehlTypengruppen() {
    return {"typengruppen", "DATEI (--einnahme | --ausgabe) [--zuordnen ITEM=ZIEL]...",
            "ordnet Typen (1-50) und Gruppen (51-99) einer Gruppe zu (ZIEL: neu:NAME, keine, "
            "Gruppennummer) wie der Dialog der Typen-Gruppen-Zuordnung",
            Befehlsart::Typengruppen, typengruppen};
}

} // namespace zalvor::cli
