// Type store: names, item numbers, type codes, compact texts, roll-up and cycle message.
#include "aufzeichnendeperson.h"

#include "common/typverwaltung.h"
#include "common/zeichensatz.h"

#include <gtest/gtest.h>

#include <map>

namespace zalvor {
namespace {

using test::AufzeichnendePerson;

TEST(Typverwaltung, NamenWerdenAuf15ZeichenGekuerztUndSeitenGetrennt) {
    Typverwaltung t;
    t.setzeTypName(Seite::Ausgabe, 1, "Verwaltungskosten");
    t.setzeTypName(Seite::Einnahme, 50, "Spenden");
    t.setzeGruppenName(Seite::Ausgabe, 49, "Sachkosten insgesamt");
    EXPECT_EQ(t.typName(Seite::Ausgabe, 1), "Verwaltungskost");
    EXPECT_EQ(t.typName(Seite::Einnahme, 1), "");
    EXPECT_EQ(t.typName(Seite::Einnahme, 50), "Spenden");
    EXPECT_EQ(t.typName(Seite::Ausgabe, 50), "");
    EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 49), "Sachkosten insg");
    EXPECT_EQ(t.postenName(Seite::Ausgabe, 99), "Sachkosten insg");
    EXPECT_EQ(t.postenName(Seite::Ausgabe, 1), "Verwaltungskost");
    // Out-of-range numbers neither crash nor store.
    t.setzeTypName(Seite::Ausgabe, 51, "x");
    t.setzeGruppenName(Seite::Ausgabe, 0, "x");
    EXPECT_EQ(t.typName(Seite::Ausgabe, 0), "");
    EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 50), "");
    t.setzeGruppenName(Seite::Ausgabe, 49, "");
    EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 49), "");

    t.setzeGruppeVon(Seite::Ausgabe, 1, 49);
    t.setzeGruppeVon(Seite::Ausgabe, 2, 50); // no such group: ignored
    t.namenLeeren();
    EXPECT_EQ(t.typName(Seite::Ausgabe, 1), "");
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 1), 49);
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 2), 0);
    t.zuordnungenLeeren();
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 1), 0);
}

TEST(Typverwaltung, PostennummernUndTypcodes) {
    EXPECT_FALSE(Typverwaltung::istGruppe(50));
    EXPECT_TRUE(Typverwaltung::istGruppe(51));
    EXPECT_EQ(Typverwaltung::gruppeZuPosten(1), 51);
    EXPECT_EQ(Typverwaltung::gruppeZuPosten(49), 99);
    EXPECT_EQ(Typverwaltung::postenZuGruppe(99), 49);
    EXPECT_EQ(Typverwaltung::postenZuGruppe(50), 0);

    const std::map<int, int> codeZuPosten{{0, 0},   {1, 1},   {20, 20}, {21, 80}, {22, 90},
                                          {23, 21}, {52, 50}, {53, 0},  {255, 0}};
    for (auto [code, posten] : codeZuPosten)
        EXPECT_EQ(Typverwaltung::typcodeZuPosten(code), posten) << code;
    const std::map<int, int> postenZuCode{{0, 0},  {1, 1},  {20, 20}, {21, 23}, {50, 52},
                                          {51, 0}, {79, 0}, {80, 21}, {90, 22}, {99, 0}};
    for (auto [posten, code] : postenZuCode)
        EXPECT_EQ(Typverwaltung::postenZuTypcode(posten), code) << posten;
    // Every user type survives the way through the code and back.
    for (int posten = 1; posten <= 50; ++posten)
        EXPECT_EQ(Typverwaltung::typcodeZuPosten(Typverwaltung::postenZuTypcode(posten)), posten);
}

TEST(Typverwaltung, NamenVonTypcodes) {
    Typverwaltung t;
    t.setzeTypName(Seite::Einnahme, 21, "Zuschuss");
    t.setzeTypName(Seite::Ausgabe, 20, "Porto");
    for (Seite s : {Seite::Ausgabe, Seite::Einnahme}) {
        EXPECT_EQ(t.typcodeName(s, 21), "Umbuchung");
        EXPECT_EQ(t.typcodeName(s, 22), "Beitrag");
        EXPECT_EQ(t.typcodeName(s, 0), "Sonstige");
        EXPECT_EQ(t.typcodeName(s, 53), "Sonstige");
        EXPECT_EQ(t.postenAlsTypName(s, 51), "Sonstige");
        EXPECT_EQ(t.postenAlsTypName(s, 81), "Sonstige");
    }
    EXPECT_EQ(t.typcodeName(Seite::Einnahme, 23), "Zuschuss");
    EXPECT_EQ(t.typcodeName(Seite::Ausgabe, 23), "");
    EXPECT_EQ(t.typcodeName(Seite::Ausgabe, 20), "Porto");
}

TEST(Typverwaltung, KompakttexteInBeideRichtungen) {
    Typverwaltung t;
    t.setzeGruppeVon(Seite::Ausgabe, 1, 1);
    t.setzeGruppeVon(Seite::Ausgabe, 20, 19);
    t.setzeGruppeVon(Seite::Ausgabe, 51, 2);
    t.setzeGruppeVon(Seite::Ausgabe, 69, 9);
    t.setzeGruppeVon(Seite::Ausgabe, 21, 5); // not part of the compact text
    t.setzeGruppeVon(Seite::Einnahme, 10, 3);
    const std::string aus = t.kompakttext(Seite::Ausgabe);
    EXPECT_EQ(aus, "1000000000000000000C"
                   "2" +
                       std::string(17, '0') + "9");
    EXPECT_EQ(aus.size(), 39u);
    EXPECT_EQ(t.kompakttext(Seite::Einnahme), "000000000300000000000000000000000000000");

    Typverwaltung u;
    u.setzeGruppeVon(Seite::Ausgabe, 21, 7);
    u.setzeGruppeVon(Seite::Einnahme, 5, 4);
    u.kompakttexteLaden(aus, "00000000030");
    EXPECT_EQ(u.kompakttext(Seite::Ausgabe), aus);
    EXPECT_EQ(u.gruppeVon(Seite::Ausgabe, 69), 9);
    EXPECT_EQ(u.gruppeVon(Seite::Ausgabe, 21), 7); // untouched
    EXPECT_EQ(u.gruppeVon(Seite::Einnahme, 10), 3);
    EXPECT_EQ(u.gruppeVon(Seite::Einnahme, 5), 0);  // loaded as "0"
    EXPECT_EQ(u.gruppeVon(Seite::Einnahme, 69), 0); // missing characters: no group
    // A character outside the group range means no group.
    u.kompakttexteLaden(std::string(39, '/'), std::string(39, 'z'));
    EXPECT_EQ(u.gruppeVon(Seite::Ausgabe, 1), 0);
    EXPECT_EQ(u.gruppeVon(Seite::Einnahme, 1), 0);
    u.kompakttexteLaden(std::string(39, 'a'), "");
    EXPECT_EQ(u.gruppeVon(Seite::Ausgabe, 1), 49);
}

class Rollup : public ::testing::Test {
  protected:
    Typverwaltung t;
    AufzeichnendePerson person;
    std::map<int, Tripel> typSummen;
    int aufrufe = 0;

    Tripel summe(Seite s, int gruppe) {
        return t.gruppenSumme(
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
    t.cacheLeeren();
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
    t.cacheLeeren();
    EXPECT_EQ(summe(Seite::Ausgabe, 2).real, 5.0L);
}

TEST_F(Rollup, ZyklusMeldetSichEinmalProGruppeUndRechnetWeiter) {
    t.setzeGruppenName(Seite::Einnahme, 1, "Feste");
    t.setzeGruppenName(Seite::Einnahme, 2, "Sommerfest");
    t.setzeGruppeVon(Seite::Einnahme, 51, 2); // A under B
    t.setzeGruppeVon(Seite::Einnahme, 52, 1); // B under A
    t.setzeGruppeVon(Seite::Einnahme, 7, 2);
    typSummen = {{7, {100, 0, 100}}};
    t.cacheLeeren();
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
    t.cacheLeeren();
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
    t.cacheLeeren();
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
    t.cacheLeeren();
    EXPECT_EQ(summe(Seite::Ausgabe, 1).real, 4.0L);
    EXPECT_TRUE(person.meldungen().empty());
    EXPECT_EQ(summe(Seite::Ausgabe, 0).real, 0.0L);
    EXPECT_EQ(summe(Seite::Ausgabe, 50).real, 0.0L);
}

} // namespace
} // namespace zalvor
