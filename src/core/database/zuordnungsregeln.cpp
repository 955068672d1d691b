// Assignment rules in the club database.
#include "core/database/zuordnungsregeln.h"

#include "core/common/zeichensatz.h"

namespace zalvor {

std::vector<Zuordnungsregel> regelnLesen(const Datenbank& db) {
    std::vector<Zuordnungsregel> regeln;
    auto a =
        db.verbindung().anweisung("SELECT muster, seite, typ FROM zuordnungsregel ORDER BY nr");
    while (a.zeile())
        regeln.push_back({a.text(0), a.text(1) == "A" ? Seite::Ausgabe : Seite::Einnahme,
                          static_cast<int>(a.zahl(2))});
    return regeln;
}

Ergebnis<void> regelnSetzen(Transaktion& t, const std::vector<Zuordnungsregel>& regeln) {
    for (std::size_t i = 0; i < regeln.size(); ++i)
        if (regeln[i].muster.empty() || regeln[i].typ < 0 || regeln[i].typ > 99)
            return Abweisung{A("Regel ") + std::to_string(i + 1) +
                             A(": Muster leer oder Typ außerhalb von 0 bis 99!")};
    const Verbindung& v = t.zumSchreiben();
    v.anweisung("DELETE FROM zuordnungsregel").ausfuehren();
    auto neu = v.anweisung("INSERT INTO zuordnungsregel (nr, muster, seite, typ) "
                           "VALUES (?1, ?2, ?3, ?4)");
    for (std::size_t i = 0; i < regeln.size(); ++i) {
        const auto& r = regeln[i];
        neu.mit(static_cast<std::int64_t>(i + 1), r.muster, r.seite == Seite::Ausgabe ? "A" : "E",
                r.typ)
            .ausfuehren();
        neu.zuruecksetzen();
    }
    return {};
}

} // namespace zalvor
