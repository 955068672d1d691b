// Creditor and mandate entries: the bank's checks, the defaults, nothing stored on a
// refusal; the mandate stays with its member through the member card.
#include "core/members/karteikarte.h"
#include "core/sepa/mandatsfolge.h"
#include "sepaverein.h"

namespace zalvor::test {
namespace {

using sepa::MandatsEingabe;

TEST_F(SepaVerein, CreditorRefusalsStoreNothing) {
    struct Fall {
        sepa::GlaeubigerEingabe e;
        const char* meldung;
    };
    const Fall faelle[] = {
        {{"DE99ZZZ09999999999", {}, {}}, "Ungültige Gläubiger-ID!"},
        {{"DE98ZZZ0999999999", {}, {}}, "Ungültige Gläubiger-ID!"},
        {{{}, "€€€", {}}, "Der Name des Gläubigers hat 1 bis 70 Zeichen!"},
        {{{}, std::string(71, 'x'), {}}, "Der Name des Gläubigers hat 1 bis 70 Zeichen!"},
        {{{}, {}, 3}, "Konto 3 hat keine IBAN!"},
    };
    const auto vorher = glaeubigerLesen(db);
    for (const Fall& f : faelle) {
        const auto r = sepa::glaeubigerAendern(db, f.e);
        EXPECT_EQ(ansiNachUtf8(r.meldung()), f.meldung);
        EXPECT_EQ(glaeubigerLesen(db), vorher);
    }
    // The business code is left out of the check: another one passes with the same digits.
    EXPECT_TRUE(sepa::glaeubigerAendern(db, {"de98 abc 09999999999", {}, {}}));
    EXPECT_EQ(glaeubigerLesen(db)->kennung, "DE98ABC09999999999");
}

TEST_F(SepaVerein, ANewMandateTakesItsDefaults) {
    const auto m = mandat(3, "de89 3704 0044 0532 0130 00");
    ASSERT_TRUE(m) << m.meldung();
    EXPECT_EQ(m->iban, "DE89370400440532013000");
    EXPECT_EQ(m->inhaber, "Dörte Dorn");
    EXPECT_EQ(m->referenz, "ZALVOR-M000001");
    EXPECT_FALSE(m->eingezogen);
    const auto zweites = mandat(0, "DE89370400440532013000");
    EXPECT_EQ(zweites->referenz, "ZALVOR-M000002");
    MandatsEingabe nurIban;
    nurIban.iban = "DE89370400440532013000";
    EXPECT_EQ(sepa::mandatAendern(db, mitglieder(), 1, nurIban, k.uhr.heute())->unterschrieben,
              k.uhr.heute());
}

TEST_F(SepaVerein, MandateRefusalsStoreNothing) {
    ASSERT_TRUE(mandat(0, "DE89370400440532013000"));
    struct Fall {
        MandatsEingabe e;
        const char* meldung;
    };
    auto mit = [](auto feld, auto wert) {
        MandatsEingabe e;
        e.*feld = wert;
        return e;
    };
    const Fall faelle[] = {
        {mit(&MandatsEingabe::iban, "DE89370400440532013001"), "Ungültige IBAN!"},
        {mit(&MandatsEingabe::bic, "COBADE"), "Ungültige BIC!"},
        {mit(&MandatsEingabe::referenz, "MANDAT 1"), "Ungültige Mandatsreferenz!"},
        {mit(&MandatsEingabe::referenz, "MÜLLER"), "Ungültige Mandatsreferenz!"},
        {mit(&MandatsEingabe::datum, Datum{2026, 3, 14}), "Ungültiges Datum der Unterschrift!"},
        {mit(&MandatsEingabe::referenz, "ZALVOR-M000001"), nullptr},
    };
    const auto vorher = mandateLesen(db);
    for (const Fall& f : faelle) {
        const auto r = sepa::mandatAendern(db, mitglieder(), 0, f.e, k.uhr.heute());
        if (!f.meldung) continue;
        EXPECT_EQ(ansiNachUtf8(r.meldung()), f.meldung);
        EXPECT_EQ(mandateLesen(db), vorher);
    }
    // Without mandate a member needs the IBAN; its own reference is given to nobody else.
    EXPECT_FALSE(
        sepa::mandatAendern(db, mitglieder(), 1, mit(&MandatsEingabe::bic, ""), k.uhr.heute()));
    EXPECT_EQ(
        ansiNachUtf8(sepa::mandatAendern(db, mitglieder(), 1,
                                         {"DE89370400440532013000", {}, {}, "ZALVOR-M000001", {}},
                                         k.uhr.heute())
                         .meldung()),
        "Die Mandatsreferenz ist schon vergeben!");
}

// Renamed, re-sorted, a namesake filed before it, a member before it removed: the mandate
// is found at the member's new place each time.
TEST_F(SepaVerein, TheMandateFollowsItsMemberThroughTheCard) {
    ASSERT_TRUE(mandat(1, "DE89370400440532013000")); // Berg, Bernd
    auto umbenennen = [&](std::optional<std::uint32_t> nr, const char* nach, const char* vor) {
        return karteDialog(k.s, nr, [&](Karteikarte& c) {
            c.eingaben.nachname = A(nach);
            c.eingaben.vorname = A(vor);
            return true;
        });
    };
    auto inhaberAn = [&](std::size_t nr) {
        const auto m = sepa::mandatDes(db, mitglieder(), nr);
        return m ? m->inhaber : std::string("-");
    };
    ASSERT_EQ(umbenennen(1u, "Zorn", "Bernd"), 3u);
    EXPECT_EQ(inhaberAn(3), "Bernd Berg");
    EXPECT_EQ(inhaberAn(1), "-");
    ASSERT_EQ(umbenennen(std::nullopt, "Zorn", "Bernd"), 3u); // filed before its namesake
    EXPECT_EQ(inhaberAn(4), "Bernd Berg");
    EXPECT_EQ(inhaberAn(3), "-");
    k.person.antworte(Knopf::Ja);
    ASSERT_TRUE(mitgliedLoeschen(k.s, 0));
    EXPECT_EQ(inhaberAn(3), "Bernd Berg");
    k.person.antworte(Knopf::Ja);
    ASSERT_TRUE(mitgliedLoeschen(k.s, 3));
    EXPECT_TRUE(mandateLesen(db).empty());
}

TEST(Mandatsfolge, AClubWithoutDatabaseGetsNone) {
    TempVerzeichnis dir;
    sepa::Mandatsfolge f(dir.datei("Verein.zdb"));
    EXPECT_FALSE(f.aktiv());
    f.festschreiben();
    EXPECT_FALSE(dateiExistiert(dir.datei("Verein.zdb")));
}

} // namespace
} // namespace zalvor::test
