// The stored rules' grid and their checked changes.
#include "core/bank/regelpflege.h"

#include "core/bank/bankwerte.h"
#include "core/common/zeichensatz.h"
#include "core/database/zuordnungsregeln.h"
#include "core/entry/buchungseingabe.h"

namespace zalvor::bank {

std::string seitenText(std::optional<Seite> seite) {
    if (!seite) return {};
    return *seite == Seite::Einnahme ? "Einnahme" : "Ausgabe";
}

std::vector<int> regeltypen(const TDefinitionen& def, std::optional<Seite> seite) {
    std::vector<int> typen{0};
    for (int typ = 1; typ <= kTypen; ++typ) {
        const bool einnahme = !def.typen.typName(Seite::Einnahme, typ).empty();
        const bool ausgabe = !def.typen.typName(Seite::Ausgabe, typ).empty();
        if (seite ? (*seite == Seite::Einnahme ? einnahme : ausgabe) : einnahme && ausgabe)
            typen.push_back(typ);
    }
    return typen;
}

std::string regeltypText(const TDefinitionen& def, std::optional<Seite> seite, int typ) {
    if (typ < 0 || typ > kTypen) return std::to_string(typ);
    const bool ausgabe = seite == Seite::Ausgabe;
    std::string text = typListe(def, !ausgabe)[static_cast<std::size_t>(typ)];
    if (!seite && typ != 0) {
        const std::string name = def.typen.typName(Seite::Ausgabe, typ);
        if (name != def.typen.typName(Seite::Einnahme, typ)) text += " / " + name;
    }
    return text;
}

Raster regelnRaster(const std::vector<Zuordnungsregel>& regeln, const TDefinitionen& def) {
    Raster r;
    r.titel = "Zuordnungsregeln";
    r.kopf = {"Nr", "Muster", "Seite", "Typ"};
    for (std::size_t i = 0; i < regeln.size(); ++i)
        r.zeilen.push_back({std::to_string(i + 1), utf8NachAnsi(regeln[i].muster),
                            seitenText(regeln[i].seite),
                            regeltypText(def, regeln[i].seite, regeln[i].typ)});
    return r;
}

Ergebnis<Zuordnungsregel> regelGeprueft(const Zuordnungsregel& r, const TDefinitionen& def) {
    // Read as a line of a rules file, so that a stored rule and one of a file are the same.
    std::string ziel = std::to_string(r.typ);
    if (r.seite) ziel = (*r.seite == Seite::Einnahme ? "E " : "A ") + ziel;
    const std::string muster = leerraumBereinigen(r.muster);
    auto gelesen = regelnLesen(muster + " => " + ziel);
    if (!gelesen.fehler.empty()) return Abweisung{gelesen.fehler.front().text};
    // A pattern starting with "#" makes the line a comment.
    if (gelesen.regeln.regeln.size() != 1)
        return Abweisung{A("ungültiges Muster ") + zitat(muster)};
    const auto typFehler = regelnPruefen(gelesen.regeln, def.typen);
    if (!typFehler.empty()) return Abweisung{typFehler.front().text};
    return std::move(gelesen.regeln.regeln.front());
}

Ergebnis<void> regelnUebernehmen(Transaktion& t, const std::vector<Zuordnungsregel>& regeln,
                                 const TDefinitionen& def) {
    std::vector<Zuordnungsregel> geprueft;
    for (std::size_t i = 0; i < regeln.size(); ++i) {
        auto r = regelGeprueft(regeln[i], def);
        if (!r) return Abweisung{"Regel " + std::to_string(i + 1) + ": " + r.meldung()};
        geprueft.push_back(std::move(*r));
    }
    return regelnSpeichern(t, geprueft);
}

Ergebnis<void> regelHinzufuegen(Transaktion& t, const Zuordnungsregel& r,
                                const TDefinitionen& def) {
    auto neu = regelGeprueft(r, def);
    if (!neu) return Abweisung{neu.meldung()};
    auto regeln = gespeicherteRegeln(t.datenbank());
    regeln.push_back(std::move(*neu));
    return regelnSpeichern(t, regeln);
}

Ergebnis<void> regelEntfernen(Transaktion& t, int nr) {
    auto regeln = gespeicherteRegeln(t.datenbank());
    if (nr < 1 || static_cast<std::size_t>(nr) > regeln.size())
        return Abweisung{"Es gibt keine Regel " + std::to_string(nr) + "!"};
    regeln.erase(regeln.begin() + (nr - 1));
    return regelnSpeichern(t, regeln);
}

} // namespace zalvor::bank
