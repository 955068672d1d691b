// Bank statements: a camt.053 year statement of 5,000 entries read, and its lines assigned
// against a booking file of 60,000 records (learned types, rules, booking fields, keys); the
// whole import command for that statement and for the credits of a direct debit.
#include "core/bank/auszugbuchung.h"
#include "core/bank/auszugeinlesen.h"
#include "core/bank/dublette.h"
#include "core/bank/zuordnung.h"
#include "core/common/zeichensatz.h"
#include "core/database/bankkonten.h"
#include "core/database/mandate.h"
#include "core/files/dateisatz.h"
#include "core/files/definitionen.h"
#include "core/members/mitgliedsdatei.h"

#include "benchdaten.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <stdexcept>

namespace zalvor::bench {
namespace {

constexpr int kEintraege = 5000;
constexpr int kBuchungen = 60000;
constexpr int kNamen = 400;

std::string name(int n) {
    static const char* const kVor[] = {"Jürgen", "Anna",  "Bernd", "Käthe",
                                       "Özlem",  "Clara", "Timo",  "Ute"};
    static const char* const kNach[] = {"Müller", "Schäfer", "Weiß", "Graf", "Kühn", "Zimmermann"};
    return std::string(kVor[n % 8]) + " " + kNach[(n / 8) % 6] + " " + std::to_string(n);
}

std::string camtErzeugen() {
    std::mt19937 erzeuger(11);
    const auto zufall = [&erzeuger] { return static_cast<unsigned>(erzeuger()); };
    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document "
                    "xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"><BkToCstmrStmt>"
                    "<GrpHdr><MsgId>B</MsgId><CreDtTm>2026-12-31T20:00:00</CreDtTm></GrpHdr><Stmt>"
                    "<Id>2026</Id><Acct><Id><IBAN>DE89370400440532013000</IBAN></Id><Ccy>EUR</Ccy>"
                    "</Acct><Bal><Tp><CdOrPrtry><Cd>OPBD</Cd></CdOrPrtry></Tp><Amt Ccy=\"EUR\">"
                    "1000.00</Amt><CdtDbtInd>CRDT</CdtDbtInd><Dt><Dt>2026-01-01</Dt></Dt></Bal>\n";
    for (int i = 0; i < kEintraege; ++i) {
        const bool haben = zufall() % 3 != 0;
        char datum[16], betrag[24];
        std::snprintf(datum, sizeof datum, "2026-%02u-%02u", 1 + zufall() % 12, 1 + zufall() % 28);
        std::snprintf(betrag, sizeof betrag, "%u.%02u", 1 + zufall() % 900, zufall() % 100);
        const std::string partei = name(static_cast<int>(zufall() % kNamen));
        x += std::string("<Ntry><Amt Ccy=\"EUR\">") + betrag + "</Amt><CdtDbtInd>" +
             (haben ? "CRDT" : "DBIT") + "</CdtDbtInd><Sts><Cd>BOOK</Cd></Sts><BookgDt><Dt>" +
             datum + "</Dt></BookgDt><ValDt><Dt>" + datum + "</Dt></ValDt><AcctSvcrRef>REF" +
             std::to_string(i) + "</AcctSvcrRef><BkTxCd/><NtryDtls><TxDtls><Refs><EndToEndId>E2E" +
             std::to_string(i) + "</EndToEndId></Refs><RltdPties><" + (haben ? "Dbtr" : "Cdtr") +
             "><Pty><Nm>" + partei + "</Nm></Pty></" + (haben ? "Dbtr" : "Cdtr") + "><" +
             (haben ? "DbtrAcct" : "CdtrAcct") + "><Id><IBAN>DE02120300000000202051</IBAN></Id></" +
             (haben ? "DbtrAcct" : "CdtrAcct") + "></RltdPties><RmtInf><Ustrd>" +
             (haben ? "Mitgliedsbeitrag 2026 " : "Rechnung Nr. ") + std::to_string(i) +
             " Vereinsheim Grüner Weg</Ustrd></RmtInf></TxDtls></NtryDtls>"
             "<AddtlNtryInf>Überweisung</AddtlNtryInf></Ntry>\n";
    }
    return x + "</Stmt></BkToCstmrStmt></Document>\n";
}

std::vector<TBuchung> buchungenErzeugen() {
    std::mt19937 erzeuger(5);
    const auto zufall = [&erzeuger] { return static_cast<unsigned>(erzeuger()); };
    std::vector<TBuchung> saetze(kBuchungen);
    for (TBuchung& b : saetze) {
        b.einnahme = static_cast<std::uint8_t>(zufall() % 2);
        b.typcode = static_cast<std::uint8_t>(1 + zufall() % 20);
        b.monat = static_cast<std::uint8_t>(1 + zufall() % 12);
        b.tag = static_cast<std::uint8_t>(1 + zufall() % 28);
        b.betrag = Real6::aus(12.5);
        b.bunr.setze("1");
        b.anVon.setze(AnsiNachOem(utf8NachAnsi(name(static_cast<int>(zufall() % (2 * kNamen))))));
    }
    return saetze;
}

struct Daten {
    std::string camt = camtErzeugen();
    std::vector<TBuchung> buchungen = buchungenErzeugen();
    bank::RegelnGelesen regeln = bank::regelnLesen("stadtwerke|strom|gas => A 3\n"
                                                   "miete|pacht => A 4\n"
                                                   "versicherung => A 5\n"
                                                   "getränke => A 6\n"
                                                   "spende => E 2\n"
                                                   "zuschuss|stadt => E 7\n"
                                                   "zinsen => E 8\n"
                                                   "sommerfest => 9\n");
};

const Daten& daten() {
    static const Daten d;
    return d;
}

void BM_CamtLesen(benchmark::State& state) {
    for (auto _ : state) {
        const bank::Einleseergebnis e = bank::auszugEinlesen(daten().camt);
        benchmark::DoNotOptimize(e.auszuege.front().zeilen.size());
    }
    state.counters["Eintraege"] = kEintraege;
    state.counters["Bytes"] = static_cast<double>(daten().camt.size());
}
BENCHMARK(BM_CamtLesen)->Unit(benchmark::kMillisecond);

void BM_Lernen(benchmark::State& state) {
    for (auto _ : state) {
        const bank::Lerngedaechtnis g(daten().buchungen);
        benchmark::DoNotOptimize(&g);
    }
    state.counters["Buchungen"] = kBuchungen;
}
BENCHMARK(BM_Lernen)->Unit(benchmark::kMillisecond);

// What the import needs of this layer: read, learn, propose, booking fields, keys.
void BM_LesenUndZuordnen(benchmark::State& state) {
    int gelernt = 0;
    for (auto _ : state) {
        const bank::Einleseergebnis e = bank::auszugEinlesen(daten().camt);
        const bank::Lerngedaechtnis g(daten().buchungen);
        gelernt = 0;
        for (const bank::Kontoauszug& a : e.auszuege) {
            const auto schluessel = bank::dublettenSchluessel(a);
            benchmark::DoNotOptimize(schluessel.data());
            for (const bank::Auszugszeile& z : a.zeilen) {
                const auto v = bank::typVorschlagen(daten().regeln.regeln.regeln, g, z);
                gelernt += v.quelle == bank::Typquelle::Gelernt;
                const auto f = bank::buchungsfelder(z, 2026, "EUR");
                benchmark::DoNotOptimize(bank::alsBuchung(f, 1, v.typcode));
            }
        }
    }
    state.counters["gelernt"] = gelernt;
}
BENCHMARK(BM_LesenUndZuordnen)->Unit(benchmark::kMillisecond);

// The whole command as a treasurer runs it: zalvor-cli imports the year statement into a
// file of 60,000 bookings (opening, reading, learning over the file, the batch of 5,000
// bookings with its indexes, the club database with the account's IBAN); each run on the
// files as they were before.
void ProzessZalvorCliImport(benchmark::State& state) {
    Arbeitsordner ordner;
    ordner.fuellen(daten().buchungen);
    ordner.s.verein.def.waehrung.Kurs = 1.95583L;
    definitionenSchreiben(ordner.s.verein.datei.basisname, ordner.s.verein.def, ordner.person);
    const std::string auszug = ordner.pfad + "/jahr.xml";
    dateiSchreiben(auszug, std::vector<std::uint8_t>(daten().camt.begin(), daten().camt.end()));
    const std::string datei = ordner.s.verein.datei.dateiname();
    const Dateisatz satz = ordner.s.verein.dateien();
    if (ausfuehren({cliPfad(), "bankkonto", datei, "--konto", "2", "--iban",
                    "DE89370400440532013000"}) != 0)
        state.SkipWithError("zalvor-cli bankkonto");
    std::vector<std::string> namen{datei, satz.datenbank()};
    for (int k = 1; k <= 9; ++k)
        namen.push_back(satz.index(k));
    std::vector<std::vector<std::uint8_t>> vorher;
    for (const auto& n : namen)
        vorher.push_back(dateiLesen(n));
    for (auto _ : state) {
        state.PauseTiming();
        for (std::size_t i = 0; i < namen.size(); ++i)
            dateiSchreiben(namen[i], vorher[i]);
        state.ResumeTiming();
        if (ausfuehren({cliPfad(), "import", datei, auszug}) != 0)
            state.SkipWithError("zalvor-cli import");
    }
    state.counters["Eintraege"] = kEintraege;
    state.counters["Buchungen"] = kBuchungen;
}
BENCHMARK(ProzessZalvorCliImport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

constexpr int kMitglieder = 5000;

// 5,000 members owing the standard rate of 50.00, each with a mandate; account 2 with the
// club's IBAN collects. Returns the booking file's name.
std::string lastschriftvereinEinrichten(Arbeitsordner& o) {
    o.fuellen(daten().buchungen);
    o.s.verein.def.waehrung.Kurs = 1.95583L;
    o.s.verein.def.konten.fill("Bank");
    o.s.verein.def.mitgliedEinstellung = 2;
    o.s.verein.def.standardBeitrag = 50;
    definitionenSchreiben(o.s.verein.datei.basisname, o.s.verein.def, o.person);
    std::vector<TMitglied> kartei;
    for (int i = 0; i < kMitglieder; ++i) {
        TMitglied m;
        m.nachname.setze("Name" + std::to_string(10000 + i));
        m.vorname.setze("Vorname");
        kartei.push_back(m);
    }
    const Dateisatz satz = o.s.verein.dateien();
    mitgliederSchreiben(satz.mitglieder(), kartei);
    auto db = Datenbank::schreiben(satz.datenbank());
    if (!db) throw std::runtime_error("Vereinsdatenbank");
    Transaktion t(*db);
    if (!bankkontoSetzen(t, 2, "DE89370400440532013000", "") ||
        !glaeubigerSetzen(t, {"DE98ZZZ09999999999", "Turnverein 1911 e.V.", 2}))
        throw std::runtime_error("Bankkonto");
    for (std::size_t i = 0; i < kartei.size(); ++i) {
        Mandat m;
        m.iban = "DE02120300000000202051";
        m.inhaber = "Vorname Name" + std::to_string(10000 + i);
        m.referenz = "MGL-" + std::to_string(10000 + i);
        m.unterschrieben = {2025, 6, 1};
        if (!mandatSetzen(t, mitgliedsschluessel(kartei, i), m)) throw std::runtime_error("Mandat");
    }
    t.festschreiben();
    return o.s.verein.datei.dateiname();
}

// The bank's statement of the direct debit: one credit per debit the database recorded,
// with its end-to-end id and amount.
std::string gutschriftenAuszug(const std::string& datenbank) {
    auto db = Datenbank::lesen(datenbank);
    if (!db) throw std::runtime_error("Vereinsdatenbank");
    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document "
                    "xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"><BkToCstmrStmt>"
                    "<GrpHdr><MsgId>L</MsgId><CreDtTm>2026-03-18T20:00:00</CreDtTm></GrpHdr><Stmt>"
                    "<Id>S1</Id><Acct><Id><IBAN>DE89370400440532013000</IBAN></Id><Ccy>EUR</Ccy>"
                    "</Acct>\n";
    auto a = db->verbindung().anweisung("SELECT ende_zu_ende, betrag FROM lastschrift ORDER BY id");
    for (int n = 0; a.zeile(); ++n) {
        char betrag[24];
        std::snprintf(betrag, sizeof betrag, "%lld.%02lld", static_cast<long long>(a.zahl(1) / 100),
                      static_cast<long long>(a.zahl(1) % 100));
        x += std::string("<Ntry><Amt Ccy=\"EUR\">") + betrag +
             "</Amt><CdtDbtInd>CRDT</CdtDbtInd><Sts><Cd>BOOK</Cd></Sts><BookgDt><Dt>2026-03-18"
             "</Dt></BookgDt><AcctSvcrRef>L" +
             std::to_string(n) + "</AcctSvcrRef><BkTxCd/><NtryDtls><TxDtls><Refs><EndToEndId>" +
             a.text(0) +
             "</EndToEndId></Refs><RmtInf><Ustrd>Beitrag 2026</Ustrd></RmtInf>"
             "</TxDtls></NtryDtls></Ntry>\n";
    }
    return x + "</Stmt></BkToCstmrStmt></Document>\n";
}

// The whole command for the credits of a direct debit: zalvor-cli imports the bank's
// statement of the 5,000 credits of the file it wrote before, each line matched to its
// member by end-to-end id, booked as a contribution and the member marked paid, into the
// file of 60,000 bookings; each run on the files as they were before.
void ProzessZalvorCliLastschriftImport(benchmark::State& state) {
    Arbeitsordner ordner;
    const std::string datei = lastschriftvereinEinrichten(ordner);
    const Dateisatz satz = ordner.s.verein.dateien();
    if (ausfuehren({cliPfad(), "--heute", "2026-03-15", "lastschrift", datei, "--faellig",
                    "2026-03-18", "--ausgabe", ordner.pfad + "/lastschrift.xml"}) != 0) {
        state.SkipWithError("zalvor-cli lastschrift");
        return;
    }
    const std::string auszug = ordner.pfad + "/gutschriften.xml";
    const std::string xml = gutschriftenAuszug(satz.datenbank());
    dateiSchreiben(auszug, std::vector<std::uint8_t>(xml.begin(), xml.end()));
    // Every line must be taken as a member's contribution, or the figure measures less.
    const std::string vorschau = ordner.pfad + "/vorschau.txt";
    ausfuehren({cliPfad(), "import", datei, auszug, "--vorschau"}, vorschau);
    const auto gezeigt = dateiLesen(vorschau);
    const std::string text(gezeigt.begin(), gezeigt.end());
    int beitraege = 0;
    for (std::size_t p = text.find("\tBeitrag "); p != std::string::npos;
         p = text.find("\tBeitrag ", p + 1))
        ++beitraege;
    if (beitraege != kMitglieder) {
        state.SkipWithError("nicht jede Gutschrift einem Mitglied zugeordnet");
        return;
    }
    std::vector<std::string> namen{datei, satz.datenbank(), satz.mitglieder()};
    for (int k = 1; k <= 9; ++k)
        namen.push_back(satz.index(k));
    std::vector<std::vector<std::uint8_t>> vorher;
    for (const auto& n : namen)
        vorher.push_back(dateiLesen(n));
    for (auto _ : state) {
        state.PauseTiming();
        for (std::size_t i = 0; i < namen.size(); ++i)
            dateiSchreiben(namen[i], vorher[i]);
        state.ResumeTiming();
        if (ausfuehren({cliPfad(), "import", datei, auszug}) != 0)
            state.SkipWithError("zalvor-cli import");
    }
    state.counters["Gutschriften"] = kMitglieder;
    state.counters["Buchungen"] = kBuchungen;
}
BENCHMARK(ProzessZalvorCliLastschriftImport)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

} // namespace
} // namespace zalvor::bench
