// The demo's statements. Their periods hold no booking typed by hand on the current account,
// so each opening balance is the cash book's on the day before, and each closing balance the
// cash book's once the statement is imported.
#include "cli/bank/demoauszuege.h"

#include "core/bank/bankkontenpflege.h"
#include "core/bank/kontoauszugimport.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"
#include "core/database/zuordnungsregeln.h"
#include "core/files/dateischreiben.h"
#include "core/files/satzdatei.h"

#include <cstdio>

namespace zalvor::cli {

namespace {

constexpr int kGirokonto = 2;
constexpr const char* kIban = "DE89370400440532013000";

struct Posten {
    int monat;
    int tag;
    bool haben;
    std::int64_t cent;
    const char* name;
    const char* text;
    bool vorgemerkt = false;
};

const Posten kMaerz[] = {
    {3, 13, true, 15000, "Fa. Bäcker", "Spende Frühjahrsputz"},
    {3, 16, false, 8990, "Sport-Schmitt", "Rechnung 2026-0312 Hütchen"},
    {3, 18, false, 18000, "Gartenbau Lenz", "Rasen mähen März"},
    {3, 20, true, 40000, "Stadt", "Zuschuss Übungsleiter 1. Quartal"},
    {3, 23, true, 6000, "Familie Yilmaz", "Kursgebühr Kinderturnen Frühjahr"},
    {3, 24, false, 4280, "Bürowelt", "Toner und Porto"},
    {3, 25, false, 12000, "Kreisverband", "Schiedsrichter Pokalspiel"},
    {3, 26, true, 2500, "Max Mustermann", "Spende"},
    {3, 27, false, 1500, "Getränke Hoffmann", "Pfand Leergut"},
    {3, 27, false, 3300, "Sportshop Online", "Kartenzahlung", true},
};

const Posten kApril[] = {
    {4, 14, true, 25000, "Autohaus Weber", "Bandenwerbung 2026"},
    {4, 15, false, 6490, "Sport-Schmitt", "Ballpumpe und Netze"},
    {4, 17, true, 9000, "Eltern Rückenfit", "Kursgebühr Rückenfit April"},
    {4, 20, false, 11800, "Landesverband", "Passgebühren Jugend"},
    {4, 22, true, 10000, "Volksbank", "Spende Jugendturnier"},
    {4, 24, false, 4800, "Trainer Koch", "Fahrtkosten Kreispokal"},
    {4, 27, false, 1999, "Pfeifen-Shop", "Pfeifen Schiedsrichter"},
};

std::string betrag(std::int64_t cent, char dezimal) {
    char t[32];
    std::snprintf(t, sizeof t, "%lld%c%02lld", static_cast<long long>(cent / 100), dezimal,
                  static_cast<long long>(cent % 100));
    return t;
}

std::string iso(int jahr, int monat, int tag) {
    char t[16];
    std::snprintf(t, sizeof t, "%04d-%02d-%02d", jahr, monat, tag);
    return t;
}

std::string kurz(int jahr, int monat, int tag) {
    char t[16];
    std::snprintf(t, sizeof t, "%02d%02d%02d", jahr % 100, monat, tag);
    return t;
}

std::int64_t summe(std::span<const Posten> posten) {
    std::int64_t s = 0;
    for (const Posten& p : posten)
        if (!p.vorgemerkt) s += p.haben ? p.cent : -p.cent;
    return s;
}

std::string saldoXml(const char* art, std::int64_t cent, const std::string& datum) {
    return std::string("      <Bal>\n        <Tp><CdOrPrtry><Cd>") + art +
           "</Cd></CdOrPrtry></Tp>\n        <Amt Ccy=\"EUR\">" +
           betrag(cent < 0 ? -cent : cent, '.') + "</Amt>\n        <CdtDbtInd>" +
           (cent < 0 ? "DBIT" : "CRDT") + "</CdtDbtInd>\n        <Dt><Dt>" + datum +
           "</Dt></Dt>\n      </Bal>\n";
}

std::string camt(int jahr, std::int64_t anfang) {
    const std::string erstellt = iso(jahr, 3, 27) + "T20:00:00";
    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\">\n"
                    "  <BkToCstmrStmt>\n    <GrpHdr>\n      <MsgId>DEMO-" +
                    iso(jahr, 3, 27) + "</MsgId>\n      <CreDtTm>" + erstellt +
                    "</CreDtTm>\n    </GrpHdr>\n    <Stmt>\n      <Id>" + std::to_string(jahr) +
                    "-006</Id>\n      <CreDtTm>" + erstellt + "</CreDtTm>\n      <Acct>\n" +
                    "        <Id><IBAN>" + kIban + "</IBAN></Id>\n        <Ccy>EUR</Ccy>\n" +
                    "      </Acct>\n" + saldoXml("OPBD", anfang, iso(jahr, 3, 12)) +
                    saldoXml("CLBD", anfang + summe(kMaerz), iso(jahr, 3, 27));
    int nr = 0;
    for (const Posten& p : kMaerz) {
        const std::string datum = iso(jahr, p.monat, p.tag);
        const char* partei = p.haben ? "Dbtr" : "Cdtr";
        x += "      <Ntry>\n        <Amt Ccy=\"EUR\">" + betrag(p.cent, '.') +
             "</Amt>\n        <CdtDbtInd>" + (p.haben ? "CRDT" : "DBIT") +
             "</CdtDbtInd>\n        <Sts><Cd>" + (p.vorgemerkt ? "PDNG" : "BOOK") +
             "</Cd></Sts>\n        <BookgDt><Dt>" + datum + "</Dt></BookgDt>\n        <ValDt><Dt>" +
             datum + "</Dt></ValDt>\n        <AcctSvcrRef>" + kurz(jahr, p.monat, p.tag) +
             std::to_string(++nr) + "</AcctSvcrRef>\n        <BkTxCd/>\n        <NtryDtls>\n" +
             "          <TxDtls>\n            <Refs><EndToEndId>NOTPROVIDED</EndToEndId></Refs>\n" +
             "            <RltdPties>\n              <" + partei + "><Pty><Nm>" + p.name +
             "</Nm></Pty></" + partei + ">\n            </RltdPties>\n" +
             "            <RmtInf><Ustrd>" + p.text + "</Ustrd></RmtInf>\n          </TxDtls>\n" +
             "        </NtryDtls>\n      </Ntry>\n";
    }
    return x + "    </Stmt>\n  </BkToCstmrStmt>\n</Document>\n";
}

std::string mt940Saldo(const char* marke, std::int64_t cent, const std::string& datum) {
    return std::string(":") + marke + ":" + (cent < 0 ? "D" : "C") + datum + "EUR" +
           betrag(cent < 0 ? -cent : cent, ',');
}

std::vector<std::string> mt940(int jahr, std::int64_t anfang) {
    std::vector<std::string> z{":20:STARTUMSE", ":25:37040044/0532013000", ":28C:00007/001",
                               mt940Saldo("60F", anfang, kurz(jahr, 4, 11))};
    int nr = 0;
    for (const Posten& p : kApril) {
        const std::string datum = kurz(jahr, p.monat, p.tag);
        z.push_back(":61:" + datum + datum.substr(2) + (p.haben ? "C" : "D") + betrag(p.cent, ',') +
                    "NTRFNONREF//" + datum + std::to_string(++nr));
        z.push_back(std::string(":86:") + (p.haben ? "166?00GUTSCHRIFT" : "177?00UEBERWEISUNG") +
                    "?20SVWZ+" + p.text + "?32" + p.name);
    }
    z.push_back(mt940Saldo("62F", anfang + summe(kApril), kurz(jahr, 4, 27)));
    z.push_back("-");
    for (std::string& zeile : z)
        zeile = utf8NachAnsi(zeile);
    return z;
}

} // namespace

std::vector<std::string> demoauszuegeAnlegen(Sitzung& s, const std::string& verzeichnis) {
    auto db = Datenbank::schreiben(s.verein.dateien().datenbank());
    if (!db) throw EAFehler(EIO, s.verein.dateien().datenbank());
    {
        Transaktion t(*db);
        if (!bank::bankkontoEintragen(t, kGirokonto, kIban, "Musterbank"))
            throw EAFehler(EIO, kIban);
        std::vector<bank::Zuordnungsregel> regeln;
        for (const auto& [muster, seite, typ] : {std::tuple{"kursgeb", Seite::Einnahme, 5},
                                                 std::tuple{"spende", Seite::Einnahme, 1}}) {
            bank::Zuordnungsregel r;
            r.muster = muster;
            r.seite = seite;
            r.typ = typ;
            regeln.push_back(std::move(r));
        }
        if (!regelnSpeichern(t, regeln)) throw EAFehler(EIO, s.verein.dateien().datenbank());
        t.festschreiben();
    }
    const int jahr = volljahr(s.verein.datei.jahr);
    const auto saetze = alleBuchungenLesen(s.verein.datei.dateiname());
    const std::int64_t maerz = bank::kassenbuchStand(saetze, kGirokonto, {jahr, 3, 12}, jahr);
    const std::int64_t april =
        bank::kassenbuchStand(saetze, kGirokonto, {jahr, 4, 11}, jahr) + summe(kMaerz);
    const std::string xml = camt(jahr, maerz);
    const std::string camtPfad = pfadVerbinden(verzeichnis, "Kontoauszug-Maerz.xml");
    const std::string mtPfad = pfadVerbinden(verzeichnis, "Kontoauszug-April.sta");
    dateiErsetzen(camtPfad, std::vector<std::uint8_t>(xml.begin(), xml.end()));
    textdateiSchreiben(mtPfad, mt940(jahr, april));
    return {camtPfad, mtPfad};
}

} // namespace zalvor::cli
