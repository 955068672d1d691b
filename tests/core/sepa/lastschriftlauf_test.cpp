// The direct-debit run: who is debited, the file through both schemas, the first debit
// becoming a recurring one, and a refusal that writes and stores nothing.
#include "core/database/lastschriften.h"
#include "core/sepa/lastschriftlauf.h"
#include "sepaverein.h"
#include "xmlschema.h"

namespace zalvor::test {
namespace {

using namespace zalvor::sepa;

class Lastschriftlauf : public SepaVerein {
  protected:
    void SetUp() override {
        SepaVerein::SetUp();
        ASSERT_TRUE(mandat(0, "DE89370400440532013000"));
        ASSERT_TRUE(mandat(3, "AT611904300234573201"));
    }
    Ergebnis<Lastschrifteinreichung> schreiben(const std::string& datei, Datum faellig) {
        return lastschriftdateiSchreiben(db, lastschriftenVorschlagen(k.s.verein, db), faellig,
                                         {k.uhr.heute(), {9, 30, 0}}, datei);
    }
    static std::size_t vorkommen(const std::string& text, const std::string& teil) {
        std::size_t n = 0;
        for (auto p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1))
            ++n;
        return n;
    }
};

TEST_F(Lastschriftlauf, OwingMembersWithMandateAreDebitedTheOthersListedApart) {
    const auto l = lastschriftenVorschlagen(k.s.verein, db);
    EXPECT_EQ(
        lastschriftRaster(l).zeilen,
        (std::vector<std::vector<std::string>>{
            {"0", "Abel, Anna", "DE89370400440532013000", "ZALVOR-M000001", "50.00", "FRST"},
            {"3", A("Dorn, Dörte"), "AT611904300234573201", "ZALVOR-M000002", "25.00", "FRST"}}));
    EXPECT_EQ(ohneMandatRaster(l).zeilen,
              (std::vector<std::vector<std::string>>{{"1", "Berg, Bernd", "25.00"}}));
    EXPECT_EQ(summenText(l), "Summe: 2 Lastschriften, 75.00");
    EXPECT_EQ(l.posten[1].verwendungszweck, "Beitrag 2026 Dörte Dorn");
}

TEST_F(Lastschriftlauf, TheFileValidatesAndTheFirstDebitBecomesRecurring) {
    const std::string erste = k.dir.datei("erste.xml");
    const auto r = schreiben(erste, {2026, 3, 16});
    ASSERT_TRUE(r) << r.meldung();
    EXPECT_EQ(r->anzahl, 2u);
    EXPECT_TRUE(beideSchemasNehmen(erste));
    const std::string xml = textLesen(erste);
    EXPECT_EQ(vorkommen(xml, "<SeqTp>FRST</SeqTp>"), 1u);
    EXPECT_EQ(vorkommen(xml, "<SeqTp>RCUR</SeqTp>"), 0u);
    EXPECT_NE(xml.find("<Ustrd>Beitrag 2026 Doerte Dorn</Ustrd>"), std::string::npos);
    const auto eingereicht = lastschriftSuchen(db, r->nachricht.substr(7) + "-2");
    ASSERT_TRUE(eingereicht);
    EXPECT_EQ(eingereicht->lastschrift.betrag, 2500);

    for (const auto& p : lastschriftenVorschlagen(k.s.verein, db).posten)
        EXPECT_EQ(p.sequenz, sepa::Sequenz::Folge) << p.name;
    const std::string zweite = k.dir.datei("zweite.xml");
    const auto r2 = schreiben(zweite, {2026, 3, 16});
    ASSERT_TRUE(r2) << r2.meldung();
    EXPECT_NE(r2->nachricht, r->nachricht);
    EXPECT_TRUE(beideSchemasNehmen(zweite));
    EXPECT_EQ(vorkommen(textLesen(zweite), "<SeqTp>RCUR</SeqTp>"), 1u);
}

TEST_F(Lastschriftlauf, ARefusalWritesAndStoresNothing) {
    struct Fall {
        Datum faellig;
        const char* meldung;
    };
    // Friday the 13th: the bank takes the file in today, so Monday is the earliest.
    const Fall faelle[] = {
        {{2026, 3, 13},
         "Das Fälligkeitsdatum muß mindestens einen TARGET2-Geschäftstag nach heute liegen "
         "(frühestens 16.03.2026)!"},
        {{2026, 2, 30},
         "Das Fälligkeitsdatum muß mindestens einen TARGET2-Geschäftstag nach heute liegen "
         "(frühestens 16.03.2026)!"},
    };
    const std::string datei = k.dir.datei("nie.xml");
    for (const Fall& f : faelle) {
        const auto r = schreiben(datei, f.faellig);
        EXPECT_EQ(ansiNachUtf8(r.meldung()), f.meldung);
    }
    // The bank refuses a debtor name without any character of its set.
    Transaktion t(db);
    auto m = *mandatLesen(db, {"Abel", "Anna", 0});
    m.inhaber = "€";
    ASSERT_TRUE(mandatSetzen(t, {"Abel", "Anna", 0}, m));
    t.festschreiben();
    EXPECT_FALSE(schreiben(datei, {2026, 3, 16}));
    EXPECT_FALSE(dateiExistiert(datei));
    for (const auto& mandat : mandateLesen(db))
        EXPECT_FALSE(mandat.eingezogen);
}

TEST_F(SepaVerein, WithoutCreditorOrDebitNoFile) {
    const auto l = lastschriftenVorschlagen(k.s.verein, db);
    EXPECT_EQ(ansiNachUtf8(lastschriftHindernis(db, l, {2026, 3, 16}, k.uhr.heute()).value()),
              "Keine Lastschrift zu erstellen!");
    Datenbank leer = Datenbank::lesen(k.dir.datei("Leer.zdb")).wert();
    EXPECT_EQ(ansiNachUtf8(lastschriftHindernis(leer, l, {2026, 3, 16}, k.uhr.heute()).value()),
              "Keine Gläubigerdaten erfaßt!");
}

} // namespace
} // namespace zalvor::test
