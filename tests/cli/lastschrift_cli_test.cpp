// The whole circle on the demo club from the command line: creditor, mandates, the
// direct-debit file, and the statement with the money and one return.
#include "clihilfe.h"
#include "tempverzeichnis.h"
#include "xmlschema.h"

#include <gtest/gtest.h>

#include <regex>

namespace zalvor::test {
namespace {

class LastschriftCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"--heute", "2026-03-15", "demo", dir.pfad()}).status, 0);
        datei = dir.datei("Sportverein.26");
        ASSERT_EQ(lauf({"bankkonto", datei, "--konto", "2", "--iban", kVerein}).status, 0);
    }
    CliErgebnis lauf(std::vector<std::string> a) {
        a.insert(a.begin(), {"--heute", "2026-03-15"});
        return cli(a);
    }
    // The paid mark of member `nr` as `mitglieder` shows it.
    std::string bezahlt(int nr) {
        const auto r = lauf({"mitglieder", datei});
        const std::regex zeile("\n" + std::to_string(nr) + "\t[^\n]*\t([01])\t[0-9]+\n");
        std::smatch m;
        return std::regex_search(r.out, m, zeile) ? m[1].str() : "?";
    }
    static constexpr const char* kVerein = "DE89370400440532013000";
    TempVerzeichnis dir;
    std::string datei;
};

std::string saldo(const char* art, const char* tag) {
    return std::string("<Bal><Tp><CdOrPrtry><Cd>") + art +
           "</Cd></CdOrPrtry></Tp><Amt Ccy=\"EUR\">0.00</Amt><CdtDbtInd>CRDT</CdtDbtInd><Dt><Dt>" +
           tag + "</Dt></Dt></Bal>\n";
}

// A CAMT.053 statement of the Girokonto: a credit per debit of the file, carrying its
// end-to-end id, and the return of the debit `zurueck` (reason MD06).
std::string auszug(const std::string& pain, std::size_t zurueck) {
    const std::regex debit("<EndToEndId>([^<]+)</EndToEndId>\\s*</PmtId>\\s*<InstdAmt "
                           "Ccy=\"EUR\">([0-9.]+)</InstdAmt>");
    std::string eintraege;
    std::size_t n = 0;
    for (std::sregex_iterator i(pain.begin(), pain.end(), debit), e; i != e; ++i, ++n) {
        const auto eintrag = [&](const char* richtung, const std::string& zusatz) {
            return "<Ntry><Amt Ccy=\"EUR\">" + (*i)[2].str() + "</Amt><CdtDbtInd>" + richtung +
                   "</CdtDbtInd><Sts><Cd>BOOK</Cd></Sts><BookgDt><Dt>2026-03-18</Dt></BookgDt>"
                   "<AcctSvcrRef>R" +
                   std::string(richtung) + std::to_string(n) +
                   "</AcctSvcrRef><BkTxCd/><NtryDtls><TxDtls><Refs><EndToEndId>" + (*i)[1].str() +
                   "</EndToEndId></Refs>" + zusatz + "</TxDtls></NtryDtls></Ntry>\n";
        };
        eintraege += eintrag("CRDT", "");
        if (n == zurueck) eintraege += eintrag("DBIT", "<RtrInf><Rsn><Cd>MD06</Cd></Rsn></RtrInf>");
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document "
           "xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\"><BkToCstmrStmt><GrpHdr>"
           "<MsgId>M1</MsgId><CreDtTm>2026-03-18T20:00:00</CreDtTm></GrpHdr><Stmt><Id>S1</Id>"
           "<CreDtTm>2026-03-18T20:00:00</CreDtTm><Acct><Id><IBAN>DE89370400440532013000</IBAN>"
           "</Id><Ccy>EUR</Ccy></Acct>\n" +
           saldo("PRCD", "2026-03-17") + saldo("CLBD", "2026-03-18") + eintraege +
           "</Stmt></BkToCstmrStmt></Document>\n";
}

TEST_F(LastschriftCli, MandatesFileAndStatementMarkTheMembersPaid) {
    auto r = lauf({"glaeubiger", datei, "--id", "DE98ZZZ09999999999", "--name",
                   "SV Lindenau 1920 e.V.", "--konto", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "## Gläubiger\nGläubiger-ID\tName\tKonto\tIBAN\n"
                     "DE98ZZZ09999999999\tSV Lindenau 1920 e.V.\t2\t" +
                         std::string(kVerein) + "\n");
    // Böhm, Fischer and Hoffmann owe their contributions.
    for (const auto& [nr, iban] :
         {std::pair{"3", "DE02120300000000202051"}, std::pair{"4", "DE02500105170137075030"},
          std::pair{"6", "AT611904300234573201"}}) {
        r = lauf({"mandat", datei, nr, "--iban", iban, "--datum", "2025-06-01"});
        ASSERT_EQ(r.status, 0) << r.err;
    }
    r = lauf({"mandat", datei, "5", "--iban", "DE02120300000000202052"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Ungültige IBAN!\n");
    EXPECT_EQ(lauf({"mandat", datei, "5"}).out.find("\n5\t"), std::string::npos);

    const std::string xml = dir.datei("lastschrift.xml");
    r = lauf({"lastschrift", datei, "--faellig", "2026-03-16", "--ausgabe", xml});
    EXPECT_EQ(r.status, 1); // Sunday: Tuesday is the earliest
    EXPECT_FALSE(dateiExistiert(xml));
    r = lauf({"lastschrift", datei, "--faellig", "2026-03-18", "--vorschau"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(dateiExistiert(xml));
    r = lauf({"lastschrift", datei, "--faellig", "2026-03-18", "--ausgabe", xml});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("3\tBöhm, Felix\tDE02120300000000202051\tZALVOR-M000001\t60.00\tFRST\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("## Ohne Mandat\n"), std::string::npos);
    EXPECT_NE(r.out.find("# Summe: 3 Lastschriften, 150.00\n"), std::string::npos) << r.out;
    EXPECT_TRUE(beideSchemasNehmen(xml));
    EXPECT_NE(lauf({"mandat", datei, "3"}).out.find("\tRCUR\n"), std::string::npos);

    const std::string statement = dir.datei("auszug.xml");
    textSchreiben(statement, auszug(textLesen(xml), 1));
    ASSERT_TRUE(xmllintNimmt(statement, "camt.053.001.08.xsd", "../schemas/camt/"));
    r = lauf({"import", datei, statement});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\tBeitrag Böhm, Felix\tgebucht\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\tRücklastschrift Fischer, Tim\tgebucht\t"), std::string::npos);
    EXPECT_EQ(bezahlt(3) + bezahlt(4) + bezahlt(6), "101");
    const auto tabelle = lauf({"tabelle", datei}).out;
    EXPECT_NE(tabelle.find("Rücklastschrift Fischer, Tim"), std::string::npos);
    EXPECT_NE(tabelle.find("\tHoffmann, Peter\t"), std::string::npos);
    // The same statement again books nothing and leaves the marks.
    r = lauf({"import", datei, statement});
    EXPECT_EQ(r.out.find("\tgebucht\t"), std::string::npos);
    EXPECT_EQ(bezahlt(3) + bezahlt(4) + bezahlt(6), "101");
}

} // namespace
} // namespace zalvor::test
