// The assignment dialog's checks, questions and messages, in their order.
#include "aufzeichnendeperson.h"

#include "core/closing/typgruppenzuordnung.h"
#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::AufzeichnendePerson;
using Ergebnis = TypgruppenZuordnung::Ergebnis;

class Zuordnung : public ::testing::Test {
  protected:
    void SetUp() override {
        t.setzeTypName(Seite::Ausgabe, 1, "Miete");
        t.setzeTypName(Seite::Ausgabe, 2, "Strom");
        t.setzeTypName(Seite::Ausgabe, 30, "Porto");
        t.setzeGruppenName(Seite::Ausgabe, 1, "Haus");
        t.setzeGruppeVon(Seite::Ausgabe, 1, 1);
        t.setzeGruppeVon(Seite::Ausgabe, 2, 1);
    }
    Ergebnis zuordnen(int posten, std::optional<int> ziel, std::optional<std::string> name = {}) {
        return z.zuordnen(person, posten, ziel, [&] { return name; });
    }
    Typverwaltung t;
    TypgruppenZuordnung z{t, Seite::Ausgabe};
    AufzeichnendePerson person;
};

TEST_F(Zuordnung, RasterUndListeZeigenBenannteEintraege) {
    EXPECT_EQ(z.titel(), "Ausgabe-Typen-Gruppen-Zuordnung");
    const Raster r = z.raster();
    EXPECT_EQ(r.kopf, (std::vector<std::string>{"Typ/Gruppe", "akt. Zuordnung"}));
    EXPECT_EQ(z.zeilenPosten(), (std::vector<int>{1, 2, 30, 51}));
    EXPECT_EQ(r.zeilen[0], (std::vector<std::string>{"Miete", "Haus"}));
    EXPECT_EQ(r.zeilen[2], (std::vector<std::string>{"Porto", ""}));
    EXPECT_EQ(z.listenEintraege(), (std::vector<std::string>{"( neu... )", "( keine )", "Haus"}));
    EXPECT_EQ(z.listenZiele(), (std::vector<int>{kZielNeu, kZielKeine, 1}));
}

TEST_F(Zuordnung, AblehnungenInIhrerReihenfolge) {
    EXPECT_EQ(zuordnen(1, std::nullopt), Ergebnis::Abgelehnt);
    EXPECT_EQ(zuordnen(51, 1), Ergebnis::Abgelehnt);
    const auto m = person.meldungen();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].text, "Sie haben keine Zielgruppe ausgewählt!");
    EXPECT_EQ(m[1].text, "Sie können eine Gruppe nicht sich selbst zuordnen!");
    EXPECT_EQ(m[1].symbol, Symbol::Warnung);
    EXPECT_FALSE(z.geaendert());
}

TEST_F(Zuordnung, AufhebenFragtUndNeinLaesstAlles) {
    person.antworte(Knopf::Nein);
    EXPECT_EQ(zuordnen(1, kZielKeine), Ergebnis::Abgelehnt);
    const auto m = person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "Bestätigung!");
    EXPECT_EQ(m[0].text, "Der gewählte Typ bzw. die gewählte Gruppe ist bereits der Gruppe "
                         "\"Haus\" untergeordnet.\rWollen Sie diese Zuordnung wirklich aufheben?");
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 1), 1);
    EXPECT_FALSE(z.geaendert());
    // "( keine )" for an item without a group changes nothing.
    EXPECT_EQ(zuordnen(30, kZielKeine), Ergebnis::Zugeordnet);
    EXPECT_FALSE(z.geaendert());
}

TEST_F(Zuordnung, LetztesMitgliedLoeschtGruppeSamtEigenerZuordnung) {
    t.setzeGruppenName(Seite::Ausgabe, 2, "Oben");
    t.setzeGruppeVon(Seite::Ausgabe, 51, 2);
    person.antworte({Knopf::Ja, Knopf::Ja});
    EXPECT_EQ(zuordnen(1, kZielKeine), Ergebnis::Zugeordnet);
    EXPECT_TRUE(z.geaendert());
    EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 1), "Haus");
    EXPECT_EQ(zuordnen(2, kZielKeine), Ergebnis::Zugeordnet);
    EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 1), "");
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 51), 0); // the deleted group left its parent
    // "Oben" stays, now without members.
    EXPECT_EQ(z.listenEintraege().size(), 3u);
    // The freed lowest slot is the first to be reused.
    EXPECT_EQ(zuordnen(30, kZielNeu, A("Sehr langer Gruppenname")), Ergebnis::Zugeordnet);
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 30), 1);
    EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 1), "Sehr langer Gru");
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 51), 0);
}

TEST_F(Zuordnung, NeueGruppeAbgebrochenOderLeerUndVoll) {
    for (const std::optional<std::string>& name :
         {std::optional<std::string>{}, std::optional<std::string>{"   "}}) {
        person.leeren();
        EXPECT_EQ(zuordnen(30, kZielNeu, name), Ergebnis::Abgelehnt);
        const auto m = person.meldungen();
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].titel, "Sie haben abgebrochen!");
        EXPECT_EQ(t.gruppenName(Seite::Ausgabe, 2), "");
        EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 30), 0);
    }
    for (int g = 2; g <= kGruppen; ++g)
        t.setzeGruppenName(Seite::Ausgabe, g, "G" + std::to_string(g));
    person.leeren();
    EXPECT_EQ(zuordnen(30, kZielNeu, std::string("X")), Ergebnis::Abgelehnt);
    ASSERT_EQ(person.meldungen().size(), 1u);
    EXPECT_EQ(person.meldungen()[0].titel, "FEHLER!");
    EXPECT_EQ(person.meldungen()[0].text, "Maximale Gruppenanzahl erreicht!");
    EXPECT_FALSE(z.geaendert());
    EXPECT_EQ(zuordnen(30, 49), Ergebnis::Zugeordnet);
    EXPECT_EQ(t.gruppeVon(Seite::Ausgabe, 30), 49);
    EXPECT_TRUE(z.geaendert());
}

TEST(Typengruppen, SeitenfrageUndErsterTyp) {
    Typverwaltung t;
    t.setzeTypName(Seite::Ausgabe, 1, "Miete");
    AufzeichnendePerson p;
    p.antworte({Knopf::Eigen1, Knopf::Eigen2, std::nullopt});
    EXPECT_EQ(typengruppenSeite(p, t), std::nullopt);
    EXPECT_EQ(typengruppenSeite(p, t), Seite::Ausgabe);
    EXPECT_EQ(typengruppenSeite(p, t), Seite::Ausgabe); // closed another way: expenses
    const auto m = p.meldungen();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].titel, "Typen-Gruppen-Zuordnung: E/A?");
    EXPECT_EQ(m[1].titel, "FEHLER");
    EXPECT_EQ(m[1].text, "\r\rSie haben noch keinen ersten Typen deklariert!");
}

} // namespace
} // namespace zalvor
