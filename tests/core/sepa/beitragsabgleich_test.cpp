// Statement lines matched to contributions: by end-to-end id, by mandate account and
// amount, returns; each member's contribution taken once.
#include "core/sepa/beitragsabgleich.h"
#include "core/sepa/lastschriftlauf.h"
#include "sepaverein.h"

namespace zalvor::test {
namespace {

using namespace zalvor::sepa;

constexpr const char* kFamilie = "DE89370400440532013000";

class Abgleich : public SepaVerein {
  protected:
    void SetUp() override {
        SepaVerein::SetUp();
        // Anna (50.00) and Dörte (25.00) pay from one account, Bernd (25.00) from another.
        ASSERT_TRUE(mandat(0, kFamilie));
        ASSERT_TRUE(mandat(1, "AT611904300234573201"));
        ASSERT_TRUE(mandat(3, kFamilie));
        const auto r =
            lastschriftdateiSchreiben(db, lastschriftenVorschlagen(k.s.verein, db), {2026, 3, 16},
                                      {k.uhr.heute(), {9, 0, 0}}, k.dir.datei("l.xml"));
        ASSERT_TRUE(r) << r.meldung();
        e2e = r->nachricht.substr(7) + "-";
    }
    static bank::Auszugszeile zeile(bank::Richtung r, std::int64_t cent, std::string iban,
                                    std::string id = {}) {
        bank::Auszugszeile z;
        z.richtung = r;
        z.cent = cent;
        z.iban = std::move(iban);
        z.endToEndId = std::move(id);
        return z;
    }
    std::string e2e;
};

TEST_F(Abgleich, EachLineToItsMemberAndEachContributionOnce) {
    using bank::Richtung;
    auto ruecklastschrift = zeile(Richtung::Soll, 2500, "AT611904300234573201");
    ruecklastschrift.rueckgabegrund = "AC04";
    ruecklastschrift.mandatsreferenz = "ZALVOR-M000002";
    auto storno = zeile(Richtung::Haben, 2500, "AT611904300234573201", e2e + "2");
    storno.storno = true;
    struct Fall {
        bank::Auszugszeile z;
        const char* anzeige; // UTF-8; nullptr: left to the rules
    };
    const Fall faelle[] = {
        {zeile(Richtung::Haben, 2500, "XX", e2e + "2"), "Beitrag Berg, Bernd"},
        {zeile(Richtung::Haben, 2500, "AT611904300234573201", e2e + "2"), nullptr}, // paid now
        {storno, nullptr},
        {zeile(Richtung::Haben, 4000, kFamilie), nullptr}, // no member owes 40.00
        {zeile(Richtung::Haben, 2500, "de89 3704 0044 0532 0130 00"), "Beitrag Dorn, Dörte"},
        {zeile(Richtung::Haben, 5000, kFamilie), "Beitrag Abel, Anna"},
        {zeile(Richtung::Haben, 5000, kFamilie), nullptr},
        {zeile(Richtung::Soll, 5000, kFamilie), nullptr}, // a debit without return marks
        {ruecklastschrift, "Rücklastschrift Berg, Bernd"},
        {zeile(Richtung::Soll, 5000, "XX", e2e + "1"), "Rücklastschrift Abel, Anna"},
        {zeile(Richtung::Haben, 5000, kFamilie), "Beitrag Abel, Anna"},
    };
    Beitragsabgleich a(k.s.verein, db);
    for (std::size_t i = 0; i < std::size(faelle); ++i) {
        const auto t = a.zuordnen(faelle[i].z);
        EXPECT_EQ(t ? ansiNachUtf8(t->anzeige) : "-", faelle[i].anzeige ? faelle[i].anzeige : "-")
            << i;
    }
    std::string marken;
    for (const auto& m : a.kartei())
        marken += std::to_string(m.bezahlt);
    EXPECT_EQ(marken, "1011");
}

TEST_F(Abgleich, TheBookingIsTheContributionsBooking) {
    Beitragsabgleich a(k.s.verein, db);
    const auto t = a.zuordnen(zeile(bank::Richtung::Soll, 2500, "", e2e + "3"));
    ASSERT_TRUE(t);
    TBuchung b;
    b.typcode = 0;
    b.text.setze("Lastschrift");
    b = Beitragsabgleich::alsBeitragsbuchung(b, *t);
    EXPECT_EQ(b.typcode, kCodeBeitrag);
    EXPECT_EQ(ansiNachUtf8(OemNachAnsi(b.text.text())), "Rücklastschrift Dorn, Dörte");
}

} // namespace
} // namespace zalvor::test
