// Creditor and mandates in the club database.
#include "core/database/mandate.h"

#include "core/common/zeichensatz.h"
#include "core/database/feldwerte.h"

#include <span>

namespace zalvor {

namespace {

constexpr const char* kSpalten = "id, nachname, vorname, vorkommen, iban, bic, inhaber, "
                                 "referenz, unterschrieben, eingezogen";

// Names are stored as the member file's DOS bytes, compared byte by byte.
std::span<const std::uint8_t> roh(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::string text(const std::vector<std::uint8_t>& b) {
    return std::string(b.begin(), b.end());
}

Mandat mandatAus(const Anweisung& a) {
    Mandat m;
    m.id = a.zahl(0);
    if (!a.leer(1))
        m.mitglied =
            Mitgliedsschluessel{text(a.bytes(1)), text(a.bytes(2)), static_cast<int>(a.zahl(3))};
    m.iban = a.text(4);
    m.bic = a.text(5);
    m.inhaber = a.text(6);
    m.referenz = a.text(7);
    const auto datum = datumAus(a.text(8));
    if (!datum) throw DatenbankBeschaedigt("Datum " + a.text(8));
    m.unterschrieben = *datum;
    m.eingezogen = a.zahl(9) != 0;
    return m;
}

std::vector<Mandat> mandateAus(Anweisung& a) {
    std::vector<Mandat> liste;
    while (a.zeile())
        liste.push_back(mandatAus(a));
    return liste;
}

std::optional<std::int64_t> mandatId(const Verbindung& v, const Mitgliedsschluessel& s) {
    auto a = v.anweisung("SELECT id FROM mandat WHERE nachname = ?1 AND vorname = ?2 AND "
                         "vorkommen = ?3");
    if (!a.mit(roh(s.nachname), roh(s.vorname), s.vorkommen).zeile()) return std::nullopt;
    return a.zahl(0);
}

void schluesselSetzen(const Verbindung& v, std::int64_t id,
                      const std::optional<Mitgliedsschluessel>& s) {
    auto a = v.anweisung("UPDATE mandat SET nachname = ?1, vorname = ?2, vorkommen = ?3 "
                         "WHERE id = ?4");
    if (s)
        a.mit(roh(s->nachname), roh(s->vorname), s->vorkommen, id);
    else
        a.mit(std::nullopt, std::nullopt, std::nullopt, id);
    a.ausfuehren();
}

// Moves the occurrence of every mandate of this name from `ab` on by `um` (+1 or -1), one
// row after the other in the order that keeps the keys unique at every step.
void verschieben(const Verbindung& v, const std::string& nachname, const std::string& vorname,
                 int ab, int um) {
    auto ids = v.anweisung(std::string("SELECT id, vorkommen FROM mandat WHERE nachname = ?1 "
                                       "AND vorname = ?2 AND vorkommen >= ?3 ORDER BY vorkommen ") +
                           (um > 0 ? "DESC" : "ASC"));
    ids.mit(roh(nachname), roh(vorname), ab);
    std::vector<std::pair<std::int64_t, std::int64_t>> zeilen;
    while (ids.zeile())
        zeilen.emplace_back(ids.zahl(0), ids.zahl(1));
    auto neu = v.anweisung("UPDATE mandat SET vorkommen = ?1 WHERE id = ?2");
    for (const auto& [id, vorkommen] : zeilen) {
        neu.mit(vorkommen + um, id).ausfuehren();
        neu.zuruecksetzen();
    }
}

bool zeichenZwischen(const std::string& t, std::size_t von, std::size_t bis) {
    const std::size_t n = zeichenZahl(t);
    return n >= von && n <= bis;
}

} // namespace

std::optional<Glaeubiger> glaeubigerLesen(const Datenbank& db) {
    auto a = db.verbindung().anweisung("SELECT kennung, name, konto FROM glaeubiger");
    if (!a.zeile()) return std::nullopt;
    return Glaeubiger{a.text(0), a.text(1), static_cast<int>(a.zahl(2))};
}

Ergebnis<void> glaeubigerSetzen(Transaktion& t, const Glaeubiger& g) {
    const std::string kennung = kennungNormal(g.kennung);
    if (!kennungGestalt(kennung, 8, 35)) return Abweisung{A("Ungültige Gläubiger-ID!")};
    if (!zeichenZwischen(g.name, 1, 70))
        return Abweisung{A("Der Name des Gläubigers hat 1 bis 70 Zeichen!")};
    auto konto = t.verbindung().anweisung("SELECT 1 FROM bankkonto WHERE konto = ?1");
    if (!konto.mit(g.konto).zeile())
        return Abweisung{A("Konto ") + std::to_string(g.konto) + A(" hat keine IBAN!")};
    t.zumSchreiben()
        .anweisung("INSERT INTO glaeubiger (nr, kennung, name, konto) VALUES (1, ?1, ?2, ?3) "
                   "ON CONFLICT (nr) DO UPDATE SET kennung = excluded.kennung, "
                   "name = excluded.name, konto = excluded.konto")
        .mit(kennung, g.name, g.konto)
        .ausfuehren();
    return {};
}

std::optional<Mandat> mandatLesen(const Datenbank& db, const Mitgliedsschluessel& s) {
    auto a = db.verbindung().anweisung(std::string("SELECT ") + kSpalten +
                                       " FROM mandat WHERE nachname = ?1 AND vorname = ?2 AND "
                                       "vorkommen = ?3");
    if (!a.mit(roh(s.nachname), roh(s.vorname), s.vorkommen).zeile()) return std::nullopt;
    return mandatAus(a);
}

std::vector<Mandat> mandateLesen(const Datenbank& db) {
    auto a = db.verbindung().anweisung(std::string("SELECT ") + kSpalten +
                                       " FROM mandat WHERE nachname IS NOT NULL "
                                       "ORDER BY nachname, vorname, vorkommen");
    return mandateAus(a);
}

std::vector<Mandat> mandateZurIban(const Datenbank& db, std::string_view iban) {
    auto a = db.verbindung().anweisung(std::string("SELECT ") + kSpalten +
                                       " FROM mandat WHERE iban = ?1 AND nachname IS NOT NULL "
                                       "ORDER BY nachname, vorname, vorkommen");
    a.mit(kennungNormal(iban));
    return mandateAus(a);
}

Ergebnis<std::int64_t> mandatSetzen(Transaktion& t, const Mitgliedsschluessel& mitglied,
                                    const Mandat& m) {
    const std::string iban = kennungNormal(m.iban);
    if (!ibanGestalt(iban)) return Abweisung{A("Ungültige IBAN!")};
    if (!zeichenZwischen(m.inhaber, 1, 70))
        return Abweisung{A("Der Kontoinhaber hat 1 bis 70 Zeichen!")};
    if (!zeichenZwischen(m.referenz, 1, 35))
        return Abweisung{A("Die Mandatsreferenz hat 1 bis 35 Zeichen!")};
    const Verbindung& v = t.zumSchreiben();
    const auto bisher = mandatId(v, mitglied);
    auto vergeben = v.anweisung("SELECT id FROM mandat WHERE referenz = ?1");
    if (vergeben.mit(m.referenz).zeile() && vergeben.zahl(0) != bisher.value_or(0))
        return Abweisung{A("Die Mandatsreferenz ist schon vergeben!")};
    const std::string datum = datumText(m.unterschrieben);
    if (!datumAus(datum)) return Abweisung{A("Ungültiges Datum der Unterschrift!")};
    const std::int64_t eingezogen = m.eingezogen ? 1 : 0;
    if (bisher) {
        v.anweisung("UPDATE mandat SET iban = ?1, bic = ?2, inhaber = ?3, referenz = ?4, "
                    "unterschrieben = ?5, eingezogen = ?6 WHERE id = ?7")
            .mit(iban, kennungNormal(m.bic), m.inhaber, m.referenz, datum, eingezogen, *bisher)
            .ausfuehren();
        return *bisher;
    }
    v.anweisung(std::string("INSERT INTO mandat (") + kSpalten +
                ") VALUES (NULL, ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)")
        .mit(roh(mitglied.nachname), roh(mitglied.vorname), mitglied.vorkommen, iban,
             kennungNormal(m.bic), m.inhaber, m.referenz, datum, eingezogen)
        .ausfuehren();
    return v.zuletztEingefuegt();
}

void mandatEntfernen(Transaktion& t, const Mitgliedsschluessel& mitglied) {
    const Verbindung& v = t.zumSchreiben();
    const auto id = mandatId(v, mitglied);
    if (!id) return;
    auto eingereicht = v.anweisung("SELECT 1 FROM lastschrift WHERE mandat = ?1");
    if (eingereicht.mit(*id).zeile())
        schluesselSetzen(v, *id, std::nullopt);
    else
        v.anweisung("DELETE FROM mandat WHERE id = ?1").mit(*id).ausfuehren();
}

void mitgliedEingefuegt(Transaktion& t, const Mitgliedsschluessel& neu) {
    verschieben(t.zumSchreiben(), neu.nachname, neu.vorname, neu.vorkommen, +1);
}

void mitgliedUmbenannt(Transaktion& t, const Mitgliedsschluessel& alt,
                       const Mitgliedsschluessel& neu) {
    if (alt == neu) return;
    const Verbindung& v = t.zumSchreiben();
    const auto id = mandatId(v, alt);
    if (id) schluesselSetzen(v, *id, std::nullopt);
    verschieben(v, alt.nachname, alt.vorname, alt.vorkommen + 1, -1);
    verschieben(v, neu.nachname, neu.vorname, neu.vorkommen, +1);
    if (id) schluesselSetzen(v, *id, neu);
}

void mitgliedEntfernt(Transaktion& t, const Mitgliedsschluessel& alt) {
    mandatEntfernen(t, alt);
    verschieben(t.zumSchreiben(), alt.nachname, alt.vorname, alt.vorkommen + 1, -1);
}

} // namespace zalvor
