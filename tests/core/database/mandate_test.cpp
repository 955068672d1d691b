// Creditor and mandates: the mandate stays with its member through every change of the
// register, its reference is never given twice.
#include "datenbankhilfe.h"

#include "core/database/bankkonten.h"
#include "core/database/lastschriften.h"
#include "core/database/mandate.h"

namespace zalvor::test {
namespace {

constexpr const char* kIban = "DE02120300000000202051";

TMitglied mitglied(const char* nach, const char* vor) {
    TMitglied m;
    m.nachname.setze(nach);
    m.vorname.setze(vor);
    return m;
}

Mitgliedsschluessel schluessel(const char* nach, const char* vor, int vorkommen = 0) {
    return {nach, vor, vorkommen};
}

Mandat mandat(const std::string& referenz, const char* iban = kIban) {
    Mandat m;
    m.iban = iban;
    m.inhaber = "Anna Abel";
    m.referenz = referenz;
    m.unterschrieben = {2025, 12, 1};
    return m;
}

// The references of the members' mandates in key order, with their keys.
std::vector<std::pair<Mitgliedsschluessel, std::string>> mandate(const Datenbank& db) {
    std::vector<std::pair<Mitgliedsschluessel, std::string>> r;
    for (const auto& m : mandateLesen(db))
        r.emplace_back(*m.mitglied, m.referenz);
    return r;
}

TEST(Mitgliedsschluessel, NamesAMemberAmongEqualNames) {
    const std::vector<TMitglied> kartei{mitglied("Abel", "Anna"), mitglied("Abel", "Anna"),
                                        mitglied("Berg", "Bernd"), mitglied("Abel", "Anna")};
    EXPECT_EQ(mitgliedsschluessel(kartei, 1), schluessel("Abel", "Anna", 1));
    EXPECT_EQ(mitgliedsschluessel(kartei, 2), schluessel("Berg", "Bernd", 0));
    for (std::size_t i = 0; i < kartei.size(); ++i)
        EXPECT_EQ(mitgliedsnummer(kartei, mitgliedsschluessel(kartei, i)), i);
    EXPECT_EQ(mitgliedsnummer(kartei, schluessel("Abel", "Anna", 3)), std::nullopt);
}

TEST(Mandate, ReplacingKeepsTheIdAndAReferenceIsGivenOnce) {
    Vereinsdatenbank v;
    const auto id = v.aendern(
        [](Transaktion& t) { return mandatSetzen(t, schluessel("Abel", "Anna"), mandat("M1")); });
    ASSERT_TRUE(id);
    Mandat neu = mandat("M1", "de02 1203 0000 0000 2020 51");
    neu.bic = "bylade m1001";
    neu.eingezogen = true;
    EXPECT_EQ(*v.aendern(
                  [&](Transaktion& t) { return mandatSetzen(t, schluessel("Abel", "Anna"), neu); }),
              *id);
    const auto gelesen = mandatLesen(v.db, schluessel("Abel", "Anna"));
    ASSERT_TRUE(gelesen);
    EXPECT_EQ(gelesen->iban, kIban);
    EXPECT_EQ(gelesen->bic, "BYLADEM1001");
    EXPECT_TRUE(gelesen->eingezogen);
    EXPECT_EQ(mandateZurIban(v.db, kIban).size(), 1u);

    const std::vector<Mandat> abgewiesen{mandat("M1"), mandat(""), mandat(std::string(36, 'R')),
                                         mandat("M2", "DE02")};
    for (const auto& m : abgewiesen)
        EXPECT_FALSE(v.aendern([&](Transaktion& t) {
            return mandatSetzen(t, schluessel("Berg", "Bernd"), m);
        })) << m.referenz;
}

TEST(Mandate, StayWithTheirMembersThroughTheRegistersChanges) {
    Vereinsdatenbank v;
    v.aendern([](Transaktion& t) {
        ASSERT_TRUE(mandatSetzen(t, schluessel("Abel", "Anna", 0), mandat("erste")));
        ASSERT_TRUE(mandatSetzen(t, schluessel("Abel", "Anna", 1), mandat("zweite")));
        ASSERT_TRUE(mandatSetzen(t, schluessel("Berg", "Bernd"), mandat("Bernd")));
        // A new Abel Anna is filed before those of equal name.
        mitgliedEingefuegt(t, schluessel("Abel", "Anna", 0));
    });
    using Liste = std::vector<std::pair<Mitgliedsschluessel, std::string>>;
    EXPECT_EQ(mandate(v.db), (Liste{{schluessel("Abel", "Anna", 1), "erste"},
                                    {schluessel("Abel", "Anna", 2), "zweite"},
                                    {schluessel("Berg", "Bernd"), "Bernd"}}));

    // The first with a mandate becomes Zorn Anna; a second Berg Bernd joins before the first.
    v.aendern([](Transaktion& t) {
        mitgliedUmbenannt(t, schluessel("Abel", "Anna", 1), schluessel("Zorn", "Anna"));
        mitgliedEingefuegt(t, schluessel("Berg", "Bernd"));
    });
    EXPECT_EQ(mandate(v.db), (Liste{{schluessel("Abel", "Anna", 1), "zweite"},
                                    {schluessel("Berg", "Bernd", 1), "Bernd"},
                                    {schluessel("Zorn", "Anna"), "erste"}}));

    v.aendern([](Transaktion& t) { mitgliedEntfernt(t, schluessel("Abel", "Anna", 0)); });
    EXPECT_EQ(mandate(v.db)[0], (std::pair{schluessel("Abel", "Anna", 0), std::string("zweite")}));
}

TEST(Mandate, ASubmittedMandateEndsWithoutMemberAndKeepsItsReference) {
    Vereinsdatenbank v;
    v.aendern([](Transaktion& t) {
        const auto eingereicht = mandatSetzen(t, schluessel("Abel", "Anna"), mandat("M1"));
        ASSERT_TRUE(eingereicht);
        ASSERT_TRUE(mandatSetzen(t, schluessel("Berg", "Bernd"), mandat("M2")));
        Lastschriftdatei d{"lastschrift.xml", "MSG-1", "2026-03-01T09:00:00", {}};
        d.lastschriften.push_back(
            {*eingereicht, "Anna Abel", "M1", 5000, "E2E-1", "PMT-1", Sequenz::Erst, {2026, 3, 5}});
        ASSERT_TRUE(lastschriftdateiEintragen(t, d));
        mitgliedEntfernt(t, schluessel("Abel", "Anna"));
        mandatEntfernen(t, schluessel("Berg", "Bernd", 0));
    });
    EXPECT_TRUE(mandate(v.db).empty());
    const auto e = lastschriftSuchen(v.db, "E2E-1");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->mitglied, std::nullopt);
    // M1 stays taken; M2 was never submitted and is free again.
    EXPECT_FALSE(v.aendern(
        [](Transaktion& t) { return mandatSetzen(t, schluessel("Cord", "Cora"), mandat("M1")); }));
    EXPECT_TRUE(v.aendern(
        [](Transaktion& t) { return mandatSetzen(t, schluessel("Cord", "Cora"), mandat("M2")); }));
}

TEST(Glaeubiger, HasOneRowAndACollectingAccountWithIban) {
    Vereinsdatenbank v;
    const Glaeubiger g{"de98 zzz0 9999 9999 99", "Sportverein", 1};
    EXPECT_FALSE(v.aendern([&](Transaktion& t) { return glaeubigerSetzen(t, g); }));
    v.aendern([&](Transaktion& t) {
        ASSERT_TRUE(bankkontoSetzen(t, 1, kIban, ""));
        ASSERT_TRUE(glaeubigerSetzen(t, g));
        ASSERT_TRUE(glaeubigerSetzen(t, {"DE98ZZZ09999999999", "TSV", 1}));
    });
    EXPECT_EQ(glaeubigerLesen(v.db), (Glaeubiger{"DE98ZZZ09999999999", "TSV", 1}));
    for (const Glaeubiger& falsch :
         {Glaeubiger{"DE98", "TSV", 1}, Glaeubiger{"DE98ZZZ09999999999", "", 1},
          Glaeubiger{"DE98ZZZ09999999999", std::string(71, 'x'), 1}})
        EXPECT_FALSE(v.aendern([&](Transaktion& t) { return glaeubigerSetzen(t, falsch); }));
}

} // namespace
} // namespace zalvor::test
