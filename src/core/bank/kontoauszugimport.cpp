// The plan of an import, the person's changes, the reconciliation and the grid.
#include "core/bank/kontoauszugimport.h"

#include "core/bank/bankwerte.h"
#include "core/bank/dublette.h"
#include "core/bank/offeneimporte.h"
#include "core/common/betrag.h"
#include "core/common/fehler.h"
#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"
#include "core/database/bankkonten.h"
#include "core/files/buchungsdatei.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <map>

namespace zalvor::bank {

namespace {

// The booking file's currency as a statement names it.
std::string dateiwaehrung(const Verein& v) {
    if (v.inEuro()) return "EUR";
    return v.def.waehrung.Waehrung == "DM" ? "DEM" : v.def.waehrung.Waehrung;
}

Zeilenstatus statusNachGrund(Nichtgebucht g) {
    switch (g) {
    case Nichtgebucht::Vorgemerkt:
        return Zeilenstatus::Vorgemerkt;
    case Nichtgebucht::AnderesJahr:
        return Zeilenstatus::AnderesJahr;
    case Nichtgebucht::AndereWaehrung:
        return Zeilenstatus::AndereWaehrung;
    case Nichtgebucht::Nein:
        break;
    }
    return Zeilenstatus::Gebucht;
}

void vorschlagen(const Importwahl& wahl, const Lerngedaechtnis& gedaechtnis, Vorschauzeile& z) {
    for (const Zuordner& zuordner : wahl.zuordner)
        if (auto t = zuordner(z.zeile, z.konto)) {
            z.typ = {t->typcode, Typquelle::Zuordner};
            z.zuordnung = std::move(t);
            return;
        }
    z.typ = typVorschlagen(wahl.regeln, gedaechtnis, z.zeile);
}

// MT940 names a German account as "BLZ/Kontonummer": its IBAN is DE, the check digits of
// ISO 13616 (98 minus the remainder of BBAN, "DE" as 1314 and "00", divided by 97), the
// bank code and the account number padded to ten digits.
std::string kontoIban(const std::string& kennung) {
    const std::size_t strich = kennung.find('/');
    if (strich != 8 || kennung.size() - strich - 1 > 10) return kennung;
    std::string konto = kennung.substr(strich + 1);
    const std::string bban = kennung.substr(0, 8) + std::string(10 - konto.size(), '0') + konto;
    int rest = 0;
    for (char c : bban + "131400") {
        if (c < '0' || c > '9') return kennung;
        rest = (rest * 10 + (c - '0')) % 97;
    }
    const int pruef = 98 - rest;
    return "DE" + std::string(pruef < 10 ? "0" : "") + std::to_string(pruef) + bban;
}

std::int64_t cent(const Real6& r) {
    return std::llround(r.wert() * 100.0L);
}

std::string betrag(std::int64_t c) {
    return BetragText(static_cast<long double>(c) / 100.0L, 0);
}

std::string datumText(const Datum& d) {
    char t[16];
    std::snprintf(t, sizeof t, "%02d.%02d.%04d", d.tag, d.monat, d.jahr);
    return t;
}

} // namespace

std::string zeilenstatusText(Zeilenstatus s) {
    switch (s) {
    case Zeilenstatus::Gebucht:
        return "gebucht";
    case Zeilenstatus::Doppelt:
        return "doppelt";
    case Zeilenstatus::Vorgemerkt:
        return nichtgebuchtText(Nichtgebucht::Vorgemerkt);
    case Zeilenstatus::AnderesJahr:
        return nichtgebuchtText(Nichtgebucht::AnderesJahr);
    case Zeilenstatus::AndereWaehrung:
        return nichtgebuchtText(Nichtgebucht::AndereWaehrung);
    case Zeilenstatus::Ausgelassen:
        return "ausgelassen";
    }
    return {};
}

Ergebnis<Importplan> importPlanen(const Verein& v, const Datenbank& db,
                                  std::span<const TBuchung> saetze, std::string datei,
                                  Einleseergebnis gelesen, const Importwahl& wahl) {
    // Without the definitions the file's currency and type names would be the defaults.
    if (v.def.unlesbar) throw EAFehler(EIO, v.dateien().definitionen());
    Importplan p;
    p.datei = std::move(datei);
    p.format = gelesen.format;
    p.hinweise = std::move(gelesen.hinweise);
    const int jahr = volljahr(v.datei.jahr);
    const std::string waehrung = dateiwaehrung(v);
    // The open imports, the booked keys, the accounts and what the assigners look up per
    // line, all from one state of the database.
    const Lesetransaktion lesen(db);
    const auto klaerungen = offeneImporteKlaeren(db, v.datei.jahr, saetze);
    auto gebucht = gebuchteSchluessel(db, v.datei.jahr, klaerungen);
    const Lerngedaechtnis gedaechtnis(saetze);
    std::size_t zeilen = 0;
    for (const Kontoauszug& a : gelesen.auszuege)
        zeilen += a.zeilen.size();
    p.zeilen.reserve(zeilen);
    for (Kontoauszug& a : gelesen.auszuege) {
        std::optional<int> konto = wahl.konto;
        if (!konto) konto = kontoZurIban(db, kontoIban(a.iban));
        if (!konto)
            return Abweisung{A("Kein Konto hat die IBAN des Kontoauszugs (") + fensterText(a.iban) +
                             A(")! Tragen Sie sie bei einem Bankkonto "
                               "ein oder wählen Sie das Konto.")};
        const std::size_t nr = p.auszuege.size();
        const auto schluessel = dublettenSchluessel(a);
        for (std::size_t i = 0; i < a.zeilen.size(); ++i) {
            Vorschauzeile z;
            z.zeile = std::move(a.zeilen[i]);
            z.auszug = nr;
            z.schluessel = schluessel[i];
            z.felder = buchungsfelder(z.zeile, jahr, waehrung);
            z.konto = *konto;
            z.status = statusNachGrund(z.felder.grund);
            if (z.felder.grund == Nichtgebucht::Nein) {
                if (!gebucht.insert(z.schluessel).second) {
                    z.status = Zeilenstatus::Doppelt;
                } else {
                    z.buchbar = true;
                    vorschlagen(wahl, gedaechtnis, z);
                }
            }
            p.zeilen.push_back(std::move(z));
        }
        a.zeilen.clear();
        p.auszuege.push_back(std::move(a));
        p.konten.push_back(*konto);
    }
    return p;
}

void zeileAendern(Importplan& p, std::size_t zeile, std::uint8_t typcode, int konto) {
    Vorschauzeile& z = p.zeilen.at(zeile);
    if (!z.buchbar || konto < 1 || konto > 9) return;
    z.typ = {typcode, z.typ.typcode == typcode ? z.typ.quelle : Typquelle::Keine};
    z.konto = konto;
}

void zeileWaehlen(Importplan& p, std::size_t zeile, bool buchen) {
    Vorschauzeile& z = p.zeilen.at(zeile);
    if (z.buchbar) z.status = buchen ? Zeilenstatus::Gebucht : Zeilenstatus::Ausgelassen;
}

std::vector<TBuchung> importBuchungen(const Verein& v, const Importplan& p) {
    TBuchungsdatei zaehler = v.datei;
    std::vector<TBuchung> neu;
    for (const Vorschauzeile& z : p.zeilen) {
        if (!z.zuBuchen()) continue;
        TBuchung b = alsBuchung(z.felder, z.konto, z.typ.typcode);
        if (const Zuordnung* zu = z.zugeordnet(); zu && !zu->text.empty()) b.text.setze(zu->text);
        b.bunr.setze(nummerText(zaehler.naechsteNummer));
        naechsteNummerNachAnhaengen(zaehler, b);
        neu.push_back(b);
    }
    return neu;
}

std::int64_t kassenbuchStand(std::span<const TBuchung> saetze, int konto, const Datum& bis,
                             int jahr) {
    if (bis.jahr < jahr) return 0;
    const int grenze = bis.jahr > jahr ? 9999 : bis.monat * 100 + bis.tag;
    std::int64_t stand = 0;
    for (const TBuchung& b : saetze) {
        if (b.geloescht() || b.istGeplant() || b.monat * 100 + b.tag > grenze) continue;
        const std::int64_t c = cent(b.betrag);
        const bool hinein = b.kontoNach == konto && (b.istUmbuchung() || b.istEinnahme());
        const bool heraus = b.kontoVon == konto && (b.istUmbuchung() || !b.istEinnahme());
        if (hinein) stand += c;
        if (heraus) stand -= c;
    }
    return stand;
}

std::vector<Abgleich> abgleichen(const Verein& v, const Importplan& p,
                                 std::span<const TBuchung> saetze, bool mitVorschau) {
    // The balance is a sum over the records: the chosen lines' bookings are added on their own
    // instead of to a copy of the file.
    const std::vector<TBuchung> neu = mitVorschau ? importBuchungen(v, p) : std::vector<TBuchung>{};
    // The latest closing balance per account; of equal dates the later statement.
    std::map<int, Saldo> saldi;
    for (std::size_t i = 0; i < p.auszuege.size(); ++i) {
        const auto& s = p.auszuege[i].schlusssaldo;
        if (!s) continue;
        const auto it = saldi.find(p.konten[i]);
        const auto tag = [](const Datum& d) { return (d.jahr * 100 + d.monat) * 100 + d.tag; };
        if (it == saldi.end() || tag(s->datum) >= tag(it->second.datum)) saldi[p.konten[i]] = *s;
    }
    std::vector<Abgleich> abgleiche;
    const int jahr = volljahr(v.datei.jahr);
    for (const auto& [konto, saldo] : saldi)
        abgleiche.push_back({konto, saldo,
                             kassenbuchStand(saetze, konto, saldo.datum, jahr) +
                                 kassenbuchStand(neu, konto, saldo.datum, jahr)});
    return abgleiche;
}

std::string abgleichText(const Abgleich& a) {
    return "Abgleich Konto " + std::to_string(a.konto) + ": Bank " + betrag(a.bank.cent) + " am " +
           datumText(a.bank.datum) + ", Kassenbuch " + betrag(a.kassenbuch) + ", Differenz " +
           betrag(a.differenz());
}

Raster importRaster(const Importplan& p, const Typverwaltung& typen) {
    Raster r;
    r.titel = "Kontoauszug | " + p.datei;
    r.kopf = {"Datum", "Betrag", "E/A", "An/Von", "Text", "Typ", "Status", "BuNr"};
    for (const Vorschauzeile& z : p.zeilen) {
        const bool einnahme = z.zeile.richtung == Richtung::Haben;
        std::string typ;
        const Zuordnung* zu = z.zugeordnet();
        if (zu && !zu->anzeige.empty())
            typ = zu->anzeige;
        else if (z.buchbar)
            typ = typen.typcodeName(einnahme ? Seite::Einnahme : Seite::Ausgabe, z.typ.typcode);
        const std::string text = zu && !zu->text.empty() ? zu->text : z.felder.text;
        r.zeilen.push_back({datumText(z.zeile.buchungsdatum), betrag(z.zeile.cent),
                            einnahme ? "E" : "A", OemNachAnsi(z.felder.anVon), OemNachAnsi(text),
                            typ, zeilenstatusText(z.status), z.bunr});
    }
    return r;
}

} // namespace zalvor::bank
