// Assignment rules in the club database. They are read back through the rules file's own
// reader, so that a stored rule and one of a file are the same rule.
#include "core/database/zuordnungsregeln.h"

#include "core/common/zeichensatz.h"

namespace zalvor {

namespace {

std::string regelzeile(const std::string& muster, std::optional<Seite> seite, int typ) {
    std::string ziel = std::to_string(typ);
    if (seite) ziel = (*seite == Seite::Einnahme ? "E " : "A ") + ziel;
    return muster + " => " + ziel;
}

} // namespace

std::vector<bank::Zuordnungsregel> gespeicherteRegeln(const Datenbank& db) {
    std::string text;
    auto a =
        db.verbindung().anweisung("SELECT muster, seite, typ FROM zuordnungsregel ORDER BY nr");
    while (a.zeile()) {
        std::optional<Seite> seite;
        if (!a.leer(1)) seite = a.text(1) == "A" ? Seite::Ausgabe : Seite::Einnahme;
        text += regelzeile(a.text(0), seite, static_cast<int>(a.zahl(2))) + "\n";
    }
    auto gelesen = bank::regelnLesen(text);
    if (!gelesen.fehler.empty()) throw DatenbankBeschaedigt("zuordnungsregel");
    return std::move(gelesen.regeln.regeln);
}

Ergebnis<void> regelnSpeichern(Transaktion& t, const std::vector<bank::Zuordnungsregel>& regeln) {
    for (std::size_t i = 0; i < regeln.size(); ++i) {
        const auto& r = regeln[i];
        const auto probe = bank::regelnLesen(regelzeile(r.muster, r.seite, r.typ));
        if (r.muster.empty() || r.muster.find('\n') != std::string::npos || !probe.fehler.empty() ||
            probe.regeln.regeln.size() != 1 || probe.regeln.regeln[0].muster != r.muster)
            return Abweisung{A("Regel ") + std::to_string(i + 1) +
                             A(": Muster leer oder ungültig, oder Typ außerhalb von 0 bis 50!")};
    }
    const Verbindung& v = t.zumSchreiben();
    v.anweisung("DELETE FROM zuordnungsregel").ausfuehren();
    auto neu = v.anweisung("INSERT INTO zuordnungsregel (nr, muster, seite, typ) "
                           "VALUES (?1, ?2, ?3, ?4)");
    for (std::size_t i = 0; i < regeln.size(); ++i) {
        const auto& r = regeln[i];
        neu.binden(1, static_cast<std::int64_t>(i + 1)).binden(2, r.muster).binden(4, r.typ);
        if (r.seite)
            neu.binden(3, *r.seite == Seite::Ausgabe ? "A" : "E");
        else
            neu.binden(3, std::nullopt);
        neu.ausfuehren();
        neu.zuruecksetzen();
    }
    return {};
}

} // namespace zalvor
