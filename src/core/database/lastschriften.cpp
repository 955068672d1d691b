// Submitted direct debits and counters in the club database.
#include "core/database/lastschriften.h"

#include "core/common/zeichensatz.h"
#include "core/database/feldwerte.h"

#include <unordered_set>

namespace zalvor {

namespace {

bool vorhanden(const Verbindung& v, const char* sql, std::string_view wert) {
    return v.anweisung(sql).mit(wert).zeile();
}

std::optional<Abweisung> pruefen(const Verbindung& v, const Lastschriftdatei& d) {
    if (d.nachricht.empty() ||
        vorhanden(v, "SELECT 1 FROM lastschriftdatei WHERE nachricht = ?1", d.nachricht))
        return Abweisung{A("Die Nachrichten-ID ist schon vergeben!")};
    if (!datumAus(d.erstellt.substr(0, 10)))
        return Abweisung{A("Ungültiger Zeitpunkt der Lastschriftdatei!")};
    std::unordered_set<std::string> gesehen;
    auto vergeben = v.anweisung("SELECT 1 FROM lastschrift WHERE ende_zu_ende = ?1");
    auto mandat = v.anweisung("SELECT 1 FROM mandat WHERE id = ?1");
    for (const auto& l : d.lastschriften) {
        if (l.endeZuEnde.empty() || !gesehen.insert(l.endeZuEnde).second ||
            vergeben.mit(l.endeZuEnde).zeile())
            return Abweisung{A("Die Ende-zu-Ende-ID ") + l.endeZuEnde + A(" ist schon vergeben!")};
        vergeben.zuruecksetzen();
        const bool bekannt = mandat.mit(l.mandat).zeile();
        mandat.zuruecksetzen();
        if (!bekannt) return Abweisung{A("Lastschrift ohne Mandat!")};
        if (l.betrag <= 0) return Abweisung{A("Lastschrift ohne Betrag!")};
    }
    return std::nullopt;
}

} // namespace

Ergebnis<std::int64_t> lastschriftdateiEintragen(Transaktion& t, const Lastschriftdatei& d) {
    const Verbindung& v = t.zumSchreiben();
    if (auto a = pruefen(v, d)) return *a;
    v.anweisung("INSERT INTO lastschriftdatei (datei, nachricht, erstellt) VALUES (?1, ?2, ?3)")
        .mit(d.datei, d.nachricht, d.erstellt)
        .ausfuehren();
    const std::int64_t id = v.zuletztEingefuegt();
    auto neu = v.anweisung("INSERT INTO lastschrift (datei, mandat, name, referenz, betrag, "
                           "ende_zu_ende, zahlung, sequenz, faellig) "
                           "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    for (const auto& l : d.lastschriften) {
        neu.mit(id, l.mandat, l.name, l.referenz, l.betrag, l.endeZuEnde, l.zahlung,
                l.sequenz == Sequenz::Erst ? "FRST" : "RCUR", datumText(l.faellig))
            .ausfuehren();
        neu.zuruecksetzen();
    }
    // In one statement, and only the mandates not collected before: most of a file's are.
    v.anweisung("UPDATE mandat SET eingezogen = 1 WHERE eingezogen = 0 AND id IN "
                "(SELECT mandat FROM lastschrift WHERE datei = ?1)")
        .mit(id)
        .ausfuehren();
    return id;
}

std::optional<EingereichteLastschrift> lastschriftSuchen(const Datenbank& db,
                                                         std::string_view endeZuEnde) {
    return Lastschriftsuche(db)(endeZuEnde);
}

Lastschriftsuche::Lastschriftsuche(const Datenbank& db)
    : a_(db.verbindung().anweisung(
          "SELECT l.mandat, l.name, l.referenz, l.betrag, l.ende_zu_ende, l.zahlung, l.sequenz, "
          "l.faellig, l.datei, d.nachricht, m.nachname, m.vorname, m.vorkommen "
          "FROM lastschrift l JOIN lastschriftdatei d ON d.id = l.datei "
          "JOIN mandat m ON m.id = l.mandat WHERE l.ende_zu_ende = ?1")) {}

std::optional<EingereichteLastschrift> Lastschriftsuche::operator()(std::string_view endeZuEnde) {
    // Reset after every search, so that no read stays open between two.
    struct Zuruecksetzen {
        Anweisung& a;
        ~Zuruecksetzen() { a.zuruecksetzen(); }
    } danach{a_};
    if (!a_.mit(endeZuEnde).zeile()) return std::nullopt;
    EingereichteLastschrift e;
    auto& l = e.lastschrift;
    l.mandat = a_.zahl(0);
    l.name = a_.text(1);
    l.referenz = a_.text(2);
    l.betrag = a_.zahl(3);
    l.endeZuEnde = a_.text(4);
    l.zahlung = a_.text(5);
    l.sequenz = a_.text(6) == "FRST" ? Sequenz::Erst : Sequenz::Folge;
    const auto faellig = datumAus(a_.text(7));
    if (!faellig) throw DatenbankBeschaedigt("Datum " + a_.text(7));
    l.faellig = *faellig;
    e.datei = a_.zahl(8);
    e.nachricht = a_.text(9);
    if (!a_.leer(10)) {
        const auto n = a_.bytes(10);
        const auto v = a_.bytes(11);
        e.mitglied =
            Mitgliedsschluessel{std::string(n.begin(), n.end()), std::string(v.begin(), v.end()),
                                static_cast<int>(a_.zahl(12))};
    }
    return e;
}

std::int64_t zaehlerWeiter(Transaktion& t, std::string_view name) {
    auto a = t.zumSchreiben().anweisung("INSERT INTO zaehler (name, wert) VALUES (?1, 1) "
                                        "ON CONFLICT (name) DO UPDATE SET wert = wert + 1 "
                                        "RETURNING wert");
    if (!a.mit(name).zeile()) throw DatenbankBeschaedigt("Zaehler");
    const std::int64_t wert = a.zahl(0);
    a.ausfuehren();
    return wert;
}

} // namespace zalvor
