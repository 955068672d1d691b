// Type store: names, item numbers, type codes, compact texts, roll-up and cycle message.
#include "aufzeichnendeperson.h"

#include "core/common/typverwaltung.h"
#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace zalvor
