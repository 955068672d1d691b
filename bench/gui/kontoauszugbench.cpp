// Benchmark: the import preview of a 5,000-entry statement against a file of 60,000 bookings,
// from the statement's bytes to the window shown (read, plan, grid, reconciliation), offscreen.
#include "core/bank/kontoauszugimport.h"
#include "core/database/bankkonten.h"
#include "core/files/satzdatei.h"
#include "core/files/sitzung.h"
#include "gui/bank/kontoauszugfenster.h"

#include "guitesthilfen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::string camt(int eintraege) {
    std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document "
                    "xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"><BkToCstmrStmt>"
                    "<GrpHdr><MsgId>B</MsgId><CreDtTm>2026-12-31T20:00:00</CreDtTm></GrpHdr><Stmt>"
                    "<Id>2026</Id><Acct><Id><IBAN>DE89370400440532013000</IBAN></Id><Ccy>EUR</Ccy>"
                    "</Acct><Bal><Tp><CdOrPrtry><Cd>CLBD</Cd></CdOrPrtry></Tp><Amt Ccy=\"EUR\">"
                    "1000.00</Amt><CdtDbtInd>CRDT</CdtDbtInd><Dt><Dt>2026-12-31</Dt></Dt></Bal>\n";
    for (int i = 0; i < eintraege; ++i) {
        char datum[16];
        std::snprintf(datum, sizeof datum, "2026-%02d-%02d", 1 + i % 12, 1 + i % 28);
        const bool haben = i % 3 != 0;
        x += std::string("<Ntry><Amt Ccy=\"EUR\">") + std::to_string(1 + i % 900) +
             ".50</Amt><CdtDbtInd>" + (haben ? "CRDT" : "DBIT") +
             "</CdtDbtInd><Sts><Cd>BOOK</Cd></Sts><BookgDt><Dt>" + datum +
             "</Dt></BookgDt><AcctSvcrRef>R" + std::to_string(i) +
             "</AcctSvcrRef><BkTxCd/><NtryDtls><TxDtls><RltdPties><" + (haben ? "Dbtr" : "Cdtr") +
             "><Pty><Nm>Name " + std::to_string(i % 400) + "</Nm></Pty></" +
             (haben ? "Dbtr" : "Cdtr") + "></RltdPties><RmtInf><Ustrd>Zahlung " +
             std::to_string(i) + "</Ustrd></RmtInf></TxDtls></NtryDtls></Ntry>\n";
    }
    return x + "</Stmt></BkToCstmrStmt></Document>\n";
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const std::string basis = (dir.path() + "/Verein").toStdString();
    std::vector<zalvor::TBuchung> saetze;
    for (int i = 0; i < 60000; ++i) {
        zalvor::guitest::Neu n;
        n.bunr = std::to_string(i + 1);
        n.tag = 1 + i % 28;
        n.monat = 1 + i % 12;
        n.einnahme = i % 2 == 0;
        n.kontoNach = n.einnahme ? 2 : 0;
        n.kontoVon = n.einnahme ? 0 : 2;
        n.typ = 1 + i % 20;
        zalvor::TBuchung b = zalvor::guitest::buchung(n);
        b.anVon.setze("Name " + std::to_string(i % 800));
        saetze.push_back(b);
    }
    zalvor::TDefinitionen def;
    def.waehrung.Kurs = 1.95583L;
    zalvor::guitest::dateiAnlegen(basis, "26", saetze, def);
    zalvor::guitest::Fenster f;
    f.form->dateiOeffnen(QString::fromStdString(basis + ".26"));
    zalvor::Sitzung& s = f.form->sitzung();
    auto db = zalvor::Datenbank::schreiben(s.verein.dateien().datenbank()).wert();
    {
        zalvor::Transaktion t(db);
        zalvor::bankkontoSetzen(t, 2, "DE89370400440532013000", "");
        t.festschreiben();
    }
    const std::string auszug = camt(5000);
    std::vector<double> zeiten;
    for (int lauf = 0; lauf < 5; ++lauf) {
        QElapsedTimer uhr;
        uhr.start();
        auto plan =
            zalvor::bank::importPlanen(s.verein, db, zalvor::alleBuchungenLesen(basis + ".26"),
                                       "jahr.xml", zalvor::bank::auszugEinlesen(auszug), {});
        zalvor::gui::KontoauszugFenster w(s, db, std::move(*plan), f.form.get());
        w.show();
        QApplication::processEvents();
        zeiten.push_back(static_cast<double>(uhr.nsecsElapsed()) / 1e6);
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("Kontoauszug-Vorschau, 5000 Zeilen, 60000 Buchungen: Fenster offen nach %.1f ms "
                "(Median)\n",
                zeiten[zeiten.size() / 2]);
    return 0;
}
