// File lists: the name rule, the checks of adding in their order, saving, the year question
// and the correction, also under failing file operations.
#include "aufzeichnendeperson.h"
#include "fehlerlauf.h"
#include "tempverzeichnis.h"

#include "core/closing/dateilisteoeffnen.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/files/dateisatz.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::AufzeichnendePerson;

const FesteUhr kUhr(Datum{2026, 12, 7});

TEST(Dateiliste, NamensregelHaengtFlNurOhneZweistelligeEndungAn) {
    const std::pair<const char*, const char*> faelle[] = {
        {"Liste", "Liste.FL"},
        {"Liste.fl", "Liste.fl"},
        {"Verein.26", "Verein.26"},
        {"Liste.txt", "Liste.txt.FL"},
        {"x", "x.FL"},
        {"a.b", "a.b.FL"},
    };
    for (const auto& [eingabe, name] : faelle)
        EXPECT_EQ(Dateisatz::listenname(eingabe), name) << eingabe;
}

class Liste : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name :
             {"Verein.26", "Jugend.26", "Verein.25", "Jugend.25", "Kasse.txt", "~erein.26"})
            test::textSchreiben(dir.datei(name), "");
        liste = Dateiliste{dir.datei("Vereine.FL"), {dir.datei("Verein.26")}};
    }
    std::string erste(const std::string& titel) {
        const auto m = person.meldungen();
        for (const auto& e : m)
            if (e.titel == titel) return e.text;
        return "(keine Meldung " + titel + ")";
    }
    test::TempVerzeichnis dir;
    AufzeichnendePerson person;
    Dateiliste liste;
};

TEST_F(Liste, HinzufuegenPrueftInDerFolgeDerBeschreibung) {
    struct Fall {
        std::string datei;
        const char* titel;
        const char* text;
    };
    const Fall faelle[] = {
        {dir.datei("Fehlt.26"), "Fehler!", "existiert nicht!"},
        {dir.datei("Kasse.txt"), "Fehler!", "Es handelt sich hier NICHT um eine Buchungsdatei!"},
        {dir.datei("~erein.26"), "Fehler!", "Dateien, die mit ~ beginnen"},
        {dir.datei("Verein.26"), "Info", "Die Datei steht bereits in der Liste!"},
        {dir.datei("Verein.25"), "Problem", "Die Dateien müssen alle für dasselbe Jahr sein!"},
    };
    for (const Fall& f : faelle) {
        person.leeren();
        EXPECT_FALSE(dateiHinzufuegen(liste, festeWahl(f.datei), person)) << f.datei;
        EXPECT_NE(erste(f.titel).find(f.text), std::string::npos) << f.datei;
        EXPECT_EQ(liste.dateien.size(), 1u);
    }
    // A file of another letter case is the same file.
    EXPECT_FALSE(dateiHinzufuegen(liste, festeWahl(dir.datei("verein.26")), person));
    // A missing file asks again; the second choice is taken.
    int wahl = 0;
    const Dateiwaehler zweimal = [&]() -> std::optional<std::string> {
        return ++wahl == 1 ? dir.datei("Fehlt.26") : dir.datei("Jugend.26");
    };
    EXPECT_TRUE(dateiHinzufuegen(liste, zweimal, person));
    EXPECT_EQ(liste.dateien.back(), dir.datei("Jugend.26"));
}

TEST_F(Liste, LeereListeSpeichernEntfernenUndSchliessen) {
    Dateiliste leer{dir.datei("Leer.FL"), {}};
    EXPECT_EQ(leer.anzeige(), std::vector<std::string>{" (leer)"});
    EXPECT_FALSE(dateiEntfernen(leer, 0, person));
    test::textSchreiben(leer.pfad, "alt\r\n");
    ASSERT_TRUE(dateilisteSpeichern(leer, person));
    EXPECT_EQ(test::textLesen(leer.pfad), "");
    EXPECT_TRUE(dateilisteLesen(leer.pfad).dateien.empty());

    person.antworte({Knopf::Nein, Knopf::Ja});
    EXPECT_FALSE(dateiEntfernen(liste, 0, person));
    EXPECT_FALSE(dateiEntfernen(liste, std::nullopt, person));
    EXPECT_TRUE(dateiEntfernen(liste, 0, person));
    EXPECT_TRUE(liste.dateien.empty());
    EXPECT_EQ(person.meldungen().size(), 2u);

    // A list that cannot be written says so.
    Dateiliste ordner{dir.pfad(), {"x"}};
    EXPECT_FALSE(dateilisteSpeichern(ordner, person));
    EXPECT_EQ(erste("FEHLER"), "Datei konnte nicht geschrieben werden!");
}

TEST_F(Liste, NeueListeFragtVorDemUeberschreiben) {
    test::textSchreiben(dir.datei("Alt.FL"), "x.26\r\n");
    int n = 0;
    const Dateiwaehler namen = [&]() -> std::optional<std::string> {
        return ++n == 1 ? dir.datei("Alt") : dir.datei("Neu.fl");
    };
    person.antworte(Knopf::Nein);
    const auto l = neueDateiliste(namen, person);
    ASSERT_TRUE(l);
    EXPECT_EQ(l->pfad, dir.datei("Neu.fl"));
    EXPECT_EQ(test::textLesen(dir.datei("Alt.FL")), "x.26\r\n");
    EXPECT_EQ(test::textLesen(dir.datei("Neu.fl")), "");
    EXPECT_NE(erste("Achtung!").find("existiert bereits!\rÜberschreiben ?"), std::string::npos);
}

TEST_F(Liste, OeffnenMitJahresfrageUndKorrektur) {
    const std::string pfad = dir.datei("Vorjahr.FL");
    const std::string inhalt = dir.datei("Verein.25") + "\r\n" + dir.datei("Weg.25") + "\r\n" +
                               dir.datei("Jugend.25") + "\r\n";
    struct Fall {
        std::vector<AufzeichnendePerson::Antwort> antworten;
        bool geoeffnet;
        std::vector<std::string> dateien; // empty: the list as it was
    };
    const Fall faelle[] = {
        {{Knopf::Abbruch}, false, {}},
        {{Knopf::Nein}, true, {}},
        {{Knopf::Ja, Knopf::Abbruch}, true, {}},
        {{Knopf::Ja, Knopf::Ok}, true, {dir.datei("Verein.26"), dir.datei("Jugend.26")}},
    };
    for (const Fall& f : faelle) {
        test::textSchreiben(pfad, inhalt);
        AufzeichnendePerson p;
        for (const auto& a : f.antworten)
            p.antworte(a);
        const auto l = dateilisteOeffnen(festeWahl(pfad), kUhr, p);
        ASSERT_EQ(l.has_value(), f.geoeffnet);
        EXPECT_TRUE(p.antwortenAufgebraucht());
        EXPECT_FALSE(dateiExistiert(Dateisatz::listenKopie(pfad)));
        EXPECT_FALSE(dateiExistiert("~FL.Tmp"));
        if (!l) continue;
        if (f.dateien.empty()) {
            EXPECT_EQ(test::textLesen(pfad), inhalt);
            EXPECT_EQ(l->dateien.size(), 3u);
        } else {
            EXPECT_EQ(l->dateien, f.dateien);
            EXPECT_EQ(dateilisteLesen(pfad).dateien, f.dateien);
        }
    }
    // A list of this year opens without a question; other names are no list.
    AufzeichnendePerson p;
    test::textSchreiben(pfad, dir.datei("Verein.26") + "\r\n");
    EXPECT_TRUE(dateilisteOeffnen(festeWahl(pfad), kUhr, p));
    EXPECT_FALSE(dateilisteOeffnen(festeWahl(dir.datei("Leer.FL")), kUhr, p));
    EXPECT_FALSE(dateilisteOeffnen(festeWahl(dir.datei("Verein.26")), kUhr, p));
    const auto m = p.meldungen();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_NE(m[0].text.find("Leer.FL existiert nicht!"), std::string::npos);
    EXPECT_EQ(m[1].text, "Es handelt sich hier NICHT um eine Dateiliste!");
}

TEST_F(Liste, SpeichernUndKorrekturLassenDieListeUnterFehlernGanz) {
    const std::string pfad = dir.datei("Vorjahr.FL");
    test::textSchreiben(pfad, dir.datei("Verein.25") + "\r\n" + dir.datei("Jugend.25") + "\r\n");
    const std::vector<std::string> korrigiert{dir.datei("Verein.26"), dir.datei("Jugend.26")};
    auto korrektur = [&] {
        AufzeichnendePerson p;
        p.antworte(Knopf::Ja);
        try {
            const auto l = dateilisteOeffnen(festeWahl(pfad), kUhr, p);
            return l && l->dateien == korrigiert;
        } catch (const EAFehler&) {
            return false;
        }
    };
    auto bericht = test::fehlerlaeufe(
        dir.pfad(), korrektur, [](const test::Laufbefund& b) { return test::dateienGanz(b); });
    EXPECT_GT(bericht.laeufe, 0u);
    EXPECT_TRUE(bericht.probleme.empty()) << bericht.probleme.front();

    auto speichern = [&] {
        AufzeichnendePerson p;
        return dateilisteSpeichern(Dateiliste{pfad, {dir.datei("Verein.26")}}, p);
    };
    bericht = test::fehlerlaeufe(dir.pfad(), speichern,
                                 [](const test::Laufbefund& b) { return test::dateienGanz(b); });
    EXPECT_GT(bericht.laeufe, 0u);
    EXPECT_TRUE(bericht.probleme.empty()) << bericht.probleme.front();
}

} // namespace
} // namespace zalvor
