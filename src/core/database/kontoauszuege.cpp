// Statement imports and their lines in the club database.
#include "core/database/kontoauszuege.h"

#include "core/common/zeichensatz.h"
#include "core/database/feldwerte.h"

#include <algorithm>
#include <array>
#include <span>

namespace zalvor {

namespace {

// The stored names of the enumerations: the ISO 20022 codes where there are some.
constexpr std::array<std::string_view, 2> kRichtungen{"CRDT", "DBIT"};
constexpr std::array<std::string_view, 3> kStatus{"BOOK", "PDNG", "INFO"};

template <typename E, std::size_t N>
std::string_view name(const std::array<std::string_view, N>& namen, E wert) {
    return namen[static_cast<std::size_t>(wert)];
}

template <typename E, std::size_t N>
E wert(const std::array<std::string_view, N>& namen, const std::string& text) {
    const auto it = std::find(namen.begin(), namen.end(), text);
    if (it == namen.end()) throw DatenbankBeschaedigt("unbekannter Wert " + text);
    return static_cast<E>(it - namen.begin());
}

std::optional<std::string_view> formatName(bank::Auszugformat f) {
    switch (f) {
    case bank::Auszugformat::Camt053:
        return "camt.053";
    case bank::Auszugformat::Mt940:
        return "mt940";
    case bank::Auszugformat::Csv:
        return "csv";
    case bank::Auszugformat::Unbekannt:
    case bank::Auszugformat::Zip:
        break;
    }
    return std::nullopt;
}

bank::Auszugformat formatWert(const std::string& text) {
    for (auto f : {bank::Auszugformat::Camt053, bank::Auszugformat::Mt940, bank::Auszugformat::Csv})
        if (formatName(f) == text) return f;
    throw DatenbankBeschaedigt("unbekanntes Format " + text);
}

// The line's columns after import and nr, in the order of the statements below.
constexpr const char* kZeilenSpalten =
    "buchungsdatum, valutadatum, betrag, richtung, waehrung, status, name, iban, bic, text, "
    "zusatz, bankreferenz, eintragsreferenz, ende_zu_ende, mandatsreferenz, glaeubiger, "
    "rueckgabegrund, stelle, doppelschluessel, buchung, teil, storno, geschaeftsvorfall, "
    "stelle_datei, stelle_zeile";
constexpr int kZeilenWerte = 25;

std::optional<std::string> datumOderNichts(const std::optional<Datum>& d) {
    if (!d) return std::nullopt;
    return datumText(*d);
}

std::optional<Datum> datumSpalte(const Anweisung& a, int spalte) {
    if (a.leer(spalte)) return std::nullopt;
    auto d = datumAus(a.text(spalte));
    if (!d) throw DatenbankBeschaedigt("Datum " + a.text(spalte));
    return d;
}

Importzeile zeileLesen(const Anweisung& a) {
    Importzeile iz;
    bank::Auszugszeile& z = iz.zeile;
    z.buchungsdatum = datumSpalte(a, 0).value_or(Datum{});
    z.valuta = datumSpalte(a, 1).value_or(Datum{});
    z.cent = a.zahl(2);
    z.richtung = wert<bank::Richtung>(kRichtungen, a.text(3));
    z.waehrung = a.text(4);
    z.status = wert<bank::Status>(kStatus, a.text(5));
    std::string* texte[] = {&z.name,
                            &z.iban,
                            &z.bic,
                            &z.text,
                            &z.zusatzinfo,
                            &z.bankreferenz,
                            &z.eintragsreferenz,
                            &z.endToEndId,
                            &z.mandatsreferenz,
                            &z.glaeubigerId,
                            &z.rueckgabegrund,
                            &z.stelle.element,
                            &iz.doppelschluessel};
    int spalte = 6;
    for (std::string* t : texte)
        *t = a.text(spalte++);
    if (!a.leer(spalte)) {
        const auto roh = a.bytes(spalte);
        if (roh.size() != TBuchung::kGroesse) throw DatenbankBeschaedigt("Buchung");
        iz.buchung.emplace();
        std::copy(roh.begin(), roh.end(), iz.buchung->begin());
    }
    z.teil = static_cast<int>(a.zahl(20));
    z.storno = a.zahl(21) != 0;
    z.geschaeftsvorfall = a.text(22);
    z.stelle.datei = a.text(23);
    z.stelle.zeile = static_cast<int>(a.zahl(24));
    return iz;
}

// A line's values from parameter `erster` on: its 25 columns, then import, year and number.
constexpr int kWerteJeZeile = kZeilenWerte + 3;

void zeileBinden(Anweisung& a, int erster, const Importzeile& iz, std::int64_t import,
                 const std::string& jahr, std::size_t nr) {
    const bank::Auszugszeile& z = iz.zeile;
    int p = erster;
    a.binden(p++, datumText(z.buchungsdatum));
    a.binden(p++, datumText(z.valuta));
    a.binden(p++, z.cent);
    a.binden(p++, name(kRichtungen, z.richtung));
    a.binden(p++, z.waehrung);
    a.binden(p++, name(kStatus, z.status));
    for (const std::string* text :
         {&z.name, &z.iban, &z.bic, &z.text, &z.zusatzinfo, &z.bankreferenz, &z.eintragsreferenz,
          &z.endToEndId, &z.mandatsreferenz, &z.glaeubigerId, &z.rueckgabegrund, &z.stelle.element,
          &iz.doppelschluessel})
        a.binden(p++, *text);
    if (iz.buchung)
        a.binden(p++, std::span<const std::uint8_t>(*iz.buchung));
    else
        a.binden(p++, std::nullopt);
    a.binden(p++, z.teil);
    a.binden(p++, z.storno ? 1 : 0);
    a.binden(p++, z.geschaeftsvorfall);
    a.binden(p++, z.stelle.datei);
    a.binden(p++, z.stelle.zeile);
    a.binden(p++, import);
    a.binden(p++, jahr);
    a.binden(p, static_cast<std::int64_t>(nr));
}

// Lines go in by this many per statement: SQLite's work per statement (its plan, the lists
// of its checks) is done once for them.
constexpr std::size_t kZeilenJeAnweisung = 64;

// The insert of `n` lines, the values of line i from parameter 28 * i + 1.
std::string zeilenEinfuegen(std::size_t n) {
    std::string sql =
        std::string("INSERT INTO auszugszeile (") + kZeilenSpalten + ", import, jahr, nr) VALUES ";
    for (std::size_t i = 0; i < n; ++i) {
        sql += i == 0 ? "(" : ", (";
        for (int j = 1; j <= kWerteJeZeile; ++j)
            sql += (j == 1 ? "?" : ", ?") + std::to_string(static_cast<int>(i) * kWerteJeZeile + j);
        sql += ")";
    }
    return sql;
}

std::optional<Abweisung> pruefen(const Verbindung& v, const Kontoauszugsimport& im) {
    if (im.konto < 1 || im.konto > 9) return Abweisung{A("Es gibt nur die Konten 1 bis 9!")};
    if (!formatName(im.format)) return Abweisung{A("Unbekanntes Format des Kontoauszugs!")};
    if (im.jahr.size() != 2 || !datumAus(im.zeitpunkt.substr(0, 10)))
        return Abweisung{A("Ungültiges Jahr oder ungültiger Zeitpunkt des Imports!")};
    std::unordered_set<std::string> gesehen;
    auto gebucht = v.anweisung("SELECT 1 FROM auszugszeile WHERE jahr = ?1 AND "
                               "doppelschluessel = ?2 AND buchung IS NOT NULL");
    for (std::size_t i = 0; i < im.zeilen.size(); ++i) {
        const auto& z = im.zeilen[i];
        if (!z.buchung) continue;
        const auto zeile = [&](const char* was) {
            return Abweisung{A("Zeile ") + std::to_string(i + 1) + A(" des Kontoauszugs ") +
                             A(was)};
        };
        if (z.zeile.status != bank::Status::Gebucht)
            return zeile("ist bei der Bank nicht gebucht!");
        const bool schon = gebucht.mit(im.jahr, z.doppelschluessel).zeile();
        gebucht.zuruecksetzen();
        if (schon || !gesehen.insert(z.doppelschluessel).second) return zeile("ist schon gebucht!");
    }
    return std::nullopt;
}

} // namespace

Ergebnis<std::int64_t> importEintragen(Transaktion& t, const Kontoauszugsimport& im) {
    const Verbindung& v = t.zumSchreiben();
    if (auto a = pruefen(v, im)) return *a;
    v.anweisung("INSERT INTO import (jahr, datei, format, zeitpunkt, konto, auszug, "
                "schlusssaldo, schlussdatum, offen) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)")
        .mit(im.jahr, im.datei, *formatName(im.format), im.zeitpunkt, im.konto, im.auszug,
             im.schlusssaldo, datumOderNichts(im.schlussdatum), im.offen ? 1 : 0)
        .ausfuehren();
    const std::int64_t id = v.zuletztEingefuegt();
    std::optional<Anweisung> voll;
    for (std::size_t anfang = 0; anfang < im.zeilen.size(); anfang += kZeilenJeAnweisung) {
        const std::size_t n = std::min(kZeilenJeAnweisung, im.zeilen.size() - anfang);
        std::optional<Anweisung> rest;
        if (n == kZeilenJeAnweisung && !voll) voll.emplace(v.anweisung(zeilenEinfuegen(n)));
        if (n < kZeilenJeAnweisung) rest.emplace(v.anweisung(zeilenEinfuegen(n)));
        Anweisung& zeilen = rest ? *rest : *voll;
        for (std::size_t i = 0; i < n; ++i)
            zeileBinden(zeilen, static_cast<int>(i) * kWerteJeZeile + 1, im.zeilen[anfang + i], id,
                        im.jahr, anfang + i);
        zeilen.ausfuehren();
        zeilen.zuruecksetzen();
    }
    return id;
}

std::optional<Kontoauszugsimport> importLesen(const Datenbank& db, std::int64_t id) {
    const Verbindung& v = db.verbindung();
    auto kopf = v.anweisung("SELECT jahr, datei, format, zeitpunkt, konto, auszug, "
                            "schlusssaldo, schlussdatum, offen FROM import WHERE id = ?1");
    if (!kopf.mit(id).zeile()) return std::nullopt;
    Kontoauszugsimport im;
    im.jahr = kopf.text(0);
    im.datei = kopf.text(1);
    im.format = formatWert(kopf.text(2));
    im.zeitpunkt = kopf.text(3);
    im.konto = static_cast<int>(kopf.zahl(4));
    im.auszug = kopf.text(5);
    if (!kopf.leer(6)) im.schlusssaldo = kopf.zahl(6);
    im.schlussdatum = datumSpalte(kopf, 7);
    im.offen = kopf.zahl(8) != 0;
    auto zeilen = v.anweisung(std::string("SELECT ") + kZeilenSpalten +
                              " FROM auszugszeile WHERE import = ?1 ORDER BY nr");
    zeilen.mit(id);
    while (zeilen.zeile())
        im.zeilen.push_back(zeileLesen(zeilen));
    return im;
}

std::vector<std::int64_t> offeneImporte(const Datenbank& db, std::string_view jahr) {
    std::vector<std::int64_t> ids;
    auto a = db.verbindung().anweisung(
        "SELECT id FROM import WHERE jahr = ?1 AND offen = 1 ORDER BY id");
    a.mit(jahr);
    while (a.zeile())
        ids.push_back(a.zahl(0));
    return ids;
}

void importBestaetigen(Transaktion& t, std::int64_t id, const std::vector<bool>& gefunden) {
    const Verbindung& v = t.zumSchreiben();
    auto zeilen =
        v.anweisung("SELECT id FROM auszugszeile WHERE import = ?1 AND buchung IS NOT NULL "
                    "ORDER BY nr");
    zeilen.mit(id);
    auto loesen = v.anweisung("UPDATE auszugszeile SET buchung = NULL WHERE id = ?1");
    for (std::size_t i = 0; zeilen.zeile(); ++i) {
        if (i < gefunden.size() && gefunden[i]) continue;
        loesen.mit(zeilen.zahl(0)).ausfuehren();
        loesen.zuruecksetzen();
    }
    v.anweisung("UPDATE import SET offen = 0 WHERE id = ?1").mit(id).ausfuehren();
}

std::unordered_set<std::string> gebuchteSchluessel(const Datenbank& db, std::string_view jahr) {
    std::unordered_set<std::string> schluessel;
    auto a = db.verbindung().anweisung("SELECT doppelschluessel FROM auszugszeile "
                                       "WHERE jahr = ?1 AND buchung IS NOT NULL");
    a.mit(jahr);
    while (a.zeile())
        schluessel.insert(a.text(0));
    return schluessel;
}

std::vector<Verknuepfung> verknuepfungen(const Datenbank& db, std::string_view jahr) {
    std::vector<Verknuepfung> liste;
    auto a = db.verbindung().anweisung("SELECT id, buchung FROM auszugszeile "
                                       "WHERE jahr = ?1 AND buchung IS NOT NULL ORDER BY id");
    a.mit(jahr);
    while (a.zeile()) {
        Verknuepfung k{a.zahl(0), {std::string(jahr), {}}};
        const auto roh = a.bytes(1);
        if (roh.size() != TBuchung::kGroesse) throw DatenbankBeschaedigt("Buchung");
        std::copy(roh.begin(), roh.end(), k.verweis.satz.begin());
        liste.push_back(std::move(k));
    }
    return liste;
}

void verweisErneuern(Transaktion& t, std::int64_t zeile, const TBuchung& neu) {
    const auto roh = neu.packen();
    t.zumSchreiben()
        .anweisung("UPDATE auszugszeile SET buchung = ?1 WHERE id = ?2 AND buchung IS NOT NULL")
        .mit(std::span<const std::uint8_t>(roh), zeile)
        .ausfuehren();
}

} // namespace zalvor
