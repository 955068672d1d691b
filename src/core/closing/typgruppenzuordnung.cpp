// Assignment of types and groups to groups.
#include "core/closing/typgruppenzuordnung.h"

#include "core/common/zeichensatz.h"

namespace zalvor {

std::optional<Seite> typengruppenSeite(Person& person, const Typverwaltung& typen) {
    Frage f;
    f.titel = "Typen-Gruppen-Zuordnung: E/A?";
    f.text = A("Wollen Sie Zuordnungen für Einnahme- oder Ausgabetypen vornehmen?");
    f.symbol = Symbol::Frage;
    f.knoepfe = {Knopf::Eigen1, Knopf::Eigen2};
    f.vorwahl = Knopf::Eigen1;
    f.eigeneTexte = {"Einnahme", "Ausgabe"};
    f.dialog = "TDEinoderAus";
    const Seite seite = person.frage(f) == Knopf::Eigen1 ? Seite::Einnahme : Seite::Ausgabe;
    if (typen.typName(seite, 1).empty()) {
        person.nachricht("FEHLER", "\r\rSie haben noch keinen ersten Typen deklariert!");
        return std::nullopt;
    }
    return seite;
}

std::string TypgruppenZuordnung::titel() const {
    return seite_ == Seite::Einnahme ? "Einnahme-Typen-Gruppen-Zuordnung"
                                     : "Ausgabe-Typen-Gruppen-Zuordnung";
}

std::vector<int> TypgruppenZuordnung::zeilenPosten() const {
    std::vector<int> posten;
    for (int p = 1; p <= kPosten; ++p)
        if (!typen_.postenName(seite_, p).empty()) posten.push_back(p);
    return posten;
}

Raster TypgruppenZuordnung::raster() const {
    Raster r;
    r.titel = titel();
    r.kopf = {"Typ/Gruppe", "akt. Zuordnung"};
    for (int p : zeilenPosten()) {
        const int g = typen_.gruppeVon(seite_, p);
        r.zeilen.push_back({typen_.postenName(seite_, p), g ? typen_.gruppenName(seite_, g) : ""});
    }
    return r;
}

std::vector<std::string> TypgruppenZuordnung::listenEintraege() const {
    std::vector<std::string> e{"( neu... )", "( keine )"};
    for (int g = 1; g <= kGruppen; ++g)
        if (!typen_.gruppenName(seite_, g).empty()) e.push_back(typen_.gruppenName(seite_, g));
    return e;
}

std::vector<int> TypgruppenZuordnung::listenZiele() const {
    std::vector<int> z{kZielNeu, kZielKeine};
    for (int g = 1; g <= kGruppen; ++g)
        if (!typen_.gruppenName(seite_, g).empty()) z.push_back(g);
    return z;
}

int TypgruppenZuordnung::freieGruppe() const {
    for (int g = 1; g <= kGruppen; ++g)
        if (typen_.gruppenName(seite_, g).empty()) return g;
    return 0;
}

std::optional<std::string> TypgruppenZuordnung::gruppennameErfragen(Person& person) {
    return person.eingabe("Neue Gruppe anlegen", "Gr-Name:", "");
}

TypgruppenZuordnung::Ergebnis
TypgruppenZuordnung::zuordnen(Person& person, int posten, std::optional<int> ziel,
                              const std::function<std::optional<std::string>()>& gruppenname) {
    if (!ziel) {
        person.meldung("Fehler!", A("Sie haben keine Zielgruppe ausgewählt!"), Symbol::Warnung);
        return Ergebnis::Abgelehnt;
    }
    if (*ziel > 0 && Typverwaltung::gruppeZuPosten(*ziel) == posten) {
        person.meldung("Fehler!", A("Sie können eine Gruppe nicht sich selbst zuordnen!"),
                       Symbol::Warnung);
        return Ergebnis::Abgelehnt;
    }
    const int alt = typen_.gruppeVon(seite_, posten);
    if (alt != 0) {
        const std::string text =
            A("Der gewählte Typ bzw. die gewählte Gruppe ist bereits der Gruppe \"") +
            typen_.gruppenName(seite_, alt) + "\" untergeordnet.\rWollen Sie diese Zuordnung " +
            "wirklich aufheben?";
        if (person.frage(jaNeinFrage(A("Bestätigung!"), text, Symbol::Warnung)) != Knopf::Ja)
            return Ergebnis::Abgelehnt;
        geaendert_ = true;
        bool weitere = false;
        for (int p = 1; p <= kPosten; ++p)
            if (p != posten && typen_.gruppeVon(seite_, p) == alt) weitere = true;
        if (!weitere) {
            // The deleted group also leaves its parent, so a group made later in the same
            // slot starts on its own.
            typen_.setzeGruppenName(seite_, alt, "");
            typen_.setzeGruppeVon(seite_, Typverwaltung::gruppeZuPosten(alt), 0);
        }
        typen_.setzeGruppeVon(seite_, posten, 0);
    }
    int zielGruppe = *ziel;
    if (zielGruppe == kZielNeu) {
        const int frei = freieGruppe();
        if (frei == 0) {
            person.nachricht("FEHLER!", "Maximale Gruppenanzahl erreicht!");
            return Ergebnis::Abgelehnt;
        }
        const auto name = gruppenname();
        // A blank name would leave the slot free while the item points at it.
        if (!name || name->find_first_not_of(' ') == std::string::npos) {
            person.nachricht("Sie haben abgebrochen!",
                             A("Sollten Sie eben eine bestehende Zuordnung des ausgewählten Typs "
                               "zu einer anderen Gruppe gelöscht haben, so wird sie NICHT "
                               "wiederhergestellt!"));
            return Ergebnis::Abgelehnt;
        }
        typen_.setzeGruppenName(seite_, frei, *name);
        geaendert_ = true;
        zielGruppe = frei;
    }
    if (zielGruppe == kZielKeine) return Ergebnis::Zugeordnet;
    typen_.setzeGruppeVon(seite_, posten, zielGruppe);
    geaendert_ = true;
    return Ergebnis::Zugeordnet;
}

} // namespace zalvor
