// Roll-up of type sums through nested groups and the cycle message.
#include "aufzeichnendeperson.h"

#include "core/closing/gruppensumme.h"
#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

#include <map>

namespace zalvor {
namespace {

using test::AufzeichnendePerson;

class Rollup : public ::testing::Test {
  protected:
    Typverwaltung t;
    Gruppenrechnung rechnung{t};
    AufzeichnendePerson person;
    std::map<int, Tripel> typSummen;
    int aufrufe = 0;

    Tripel summe(Seite s, int gruppe) {
        return rechnung.gruppenSumme(
            s, gruppe,
            [this](int typ) {
                ++aufrufe;
                auto it = typSummen.find(typ);
                return it == typSummen.end() ? Tripel{} : it->second;
            },
            person);
    }
};

TEST_F(Rollup, VerschachtelteGruppenSummierenTripel) {
    // Group 1 holds types 1 and 2 and group 2; group 2 holds type 3 and group 3 (type 50).
    typSummen = {{1, {10, 1, 11}},
                 {2, {20, 2, 22}},
                 {3, {30, 3, 33}},
                 {50, {5, 0.5L, 5.5L}},
                 {4, {1000, 0, 1000}}};
    t.setzeGruppeVon(Seite::Ausgabe, 1, 1);
    t.setzeGruppeVon(Seite::Ausgabe, 2, 1);
    t.setzeGruppeVon(Seite::Ausgabe, 52, 1);
    t.setzeGruppeVon(Seite::Ausgabe, 3, 2);
    t.setzeGruppeVon(Seite::Ausgabe, 53, 2);
    t.setzeGruppeVon(Seite::Ausgabe, 50, 3);
    t.setzeGruppeVon(Seite::Einnahme, 4, 1); // the other side never mixes in
    rechnung.cacheLeeren();
    Tripel g1 = summe(Seite::Ausgabe, 1);
    EXPECT_EQ(g1.real, 65.0L);
    EXPECT_EQ(g1.geplant, 6.5L);
    EXPECT_EQ(g1.summe, 71.5L);
    const int nachErstem = aufrufe;
    Tripel g2 = summe(Seite::Ausgabe, 2);
    EXPECT_EQ(g2.real, 35.0L);
    EXPECT_EQ(aufrufe, nachErstem); // cached
    Tripel e1 = summe(Seite::Einnahme, 1);
    EXPECT_EQ(e1.real, 1000.0L);
    EXPECT_EQ(summe(Seite::Ausgabe, 4).summe, 0.0L); // empty group
    EXPECT_TRUE(person.meldungen().empty());

    // After clearing the cache changed sums are seen.
    typSummen[3] = {0, 0, 0};
    EXPECT_EQ(summe(Seite::Ausgabe, 2).real, 35.0L);
    rechnung.cacheLeeren();
    EXPECT_EQ(summe(Seite::Ausgabe, 2).real, 5.0L);
}

TEST_F(Rollup, ZyklusMeldetSichEinmalProGruppeUndRechnetWeiter) {
    t.setzeGruppenName(Seite::Einnahme, 1, "Feste");
    t.setzeGruppenName(Seite::Einnahme, 2, "Sommerfest");
    t.setzeGruppeVon(Seite::Einnahme, 51, 2); // A under B
    t.setzeGruppeVon(Seite::Einnahme, 52, 1); // B under A
    t.setzeGruppeVon(Seite::Einnahme, 7, 2);
    typSummen = {{7, {100, 0, 100}}};
    rechnung.cacheLeeren();
    Tripel a = summe(Seite::Einnahme, 1);
    auto m = person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "Zyklische Einnahme-Typengruppen gefunden, Ergebnisse undefiniert!");
    EXPECT_EQ(m[0].text, "Gruppe Feste wurde einer Gruppe untergeordnet, die ihr selbst "
                         "untergeordnet ist. Ihre Gesamtsumme fließt somit in sich selbst ein, "
                         "und das ist unmöglich!");
    EXPECT_EQ(m[0].symbol, Symbol::Stopp);
    EXPECT_EQ(a.real, 100.0L); // B's type counts, the cycling A is zero inside B
    // The rest of the section uses the cache: no second message.
    EXPECT_EQ(summe(Seite::Einnahme, 2).real, 100.0L);
    EXPECT_EQ(summe(Seite::Einnahme, 1).real, 100.0L);
    EXPECT_EQ(person.meldungen().size(), 1u);

    // The next section starts afresh and meets the cycle again.
    rechnung.cacheLeeren();
    person.leeren();
    summe(Seite::Einnahme, 2);
    m = person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text.substr(0, 17), "Gruppe Sommerfest");
}

TEST_F(Rollup, ZweiZyklenGebenZweiMeldungenMitAusgabeTitel) {
    t.setzeGruppenName(Seite::Ausgabe, 3, A("Büro"));
    t.setzeGruppenName(Seite::Ausgabe, 5, "Reisen");
    t.setzeGruppeVon(Seite::Ausgabe, 53, 4);
    t.setzeGruppeVon(Seite::Ausgabe, 54, 3);
    t.setzeGruppeVon(Seite::Ausgabe, 55, 6);
    t.setzeGruppeVon(Seite::Ausgabe, 56, 5);
    rechnung.cacheLeeren();
    for (int g = 1; g <= kGruppen; ++g)
        summe(Seite::Ausgabe, g);
    const auto m = person.meldungen();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].titel, "Zyklische Ausgabe-Typengruppen gefunden, Ergebnisse undefiniert!");
    EXPECT_EQ(m[0].text.substr(0, 13), "Gruppe Büro "); // ü is two bytes in UTF-8
    EXPECT_EQ(m[1].text.substr(0, 14), "Gruppe Reisen ");
}

TEST_F(Rollup, EigeneGruppeZaehltNichtAlsMitglied) {
    t.setzeGruppeVon(Seite::Ausgabe, 51, 1);
    t.setzeGruppeVon(Seite::Ausgabe, 9, 1);
    typSummen = {{9, {4, 0, 4}}};
    rechnung.cacheLeeren();
    EXPECT_EQ(summe(Seite::Ausgabe, 1).real, 4.0L);
    EXPECT_TRUE(person.meldungen().empty());
    EXPECT_EQ(summe(Seite::Ausgabe, 0).real, 0.0L);
    EXPECT_EQ(summe(Seite::Ausgabe, 50).real, 0.0L);
}

} // namespace
} // namespace zalvor
