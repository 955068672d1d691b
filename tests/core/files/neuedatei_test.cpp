// New file: the name rules, the overwrite question, the forms, the opening balances.
#include "aufzeichnendeperson.h"
#include "tempverzeichnis.h"
#include "testmasken.h"

#include "core/common/dateisystem.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/definitionen.h"
#include "core/files/indexdatei.h"
#include "core/files/neuedatei.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Art;

class NeueDateiTest : public ::testing::Test {
  protected:
    test::TempVerzeichnis dir;
    test::AufzeichnendePerson person;
    FesteUhr uhr{Datum{2026, 12, 7}};
    test::TestMasken masken;
    Sitzung s{person, uhr};

    void SetUp() override {
        s.masken = &masken;
        s.verein.datei.jahr = "26";
        s.vorgabeDatumZuruecksetzen();
        // The currency form confirms with the values it is shown with.
        masken.waehrung = [](Sitzung& si, bool) {
            return definitionenSchreiben(si.verein.datei.basisname, si.verein.def, si.person);
        };
    }
    std::string basis() const { return dir.datei("Verein"); }
    // Answers of the standard sequence after the name: the two overwrite-free steps need no
    // answers; the reorganisation needs none for a fresh folder.
};

TEST_F(NeueDateiTest, NameOhneJahrNimmtKalenderjahrUndLegtDateienAn) {
    person.antworte(std::string(basis()));
    masken.bestaende.push_back(test::bestaendeAus({"100", "12,5"}));
    ASSERT_TRUE(neueDatei(s));

    EXPECT_EQ(s.verein.datei.basisname, basis());
    EXPECT_EQ(s.verein.datei.jahr, "26");
    EXPECT_EQ(s.verein.datei.naechsteNummer, 1);
    EXPECT_TRUE(dateiExistiert(basis() + ".26"));
    EXPECT_TRUE(dateiExistiert(basis() + ".MGB"));
    EXPECT_TRUE(dateiExistiert(basis() + ".def"));
    for (int k = 1; k <= 9; ++k)
        EXPECT_TRUE(dateiExistiert(s.verein.datei.dateien().index(k))) << k;

    // The zero balances were dropped by the reorganisation; 12,5 became 12.50.
    auto saetze = alleBuchungenLesen(basis() + ".26");
    ASSERT_EQ(saetze.size(), 2u);
    EXPECT_EQ(saetze[0].kontoNach, 1);
    EXPECT_EQ(saetze[1].kontoNach, 2);
    EXPECT_EQ(saetze[1].betrag.wert(), durchReal6(12.5L));
    EXPECT_EQ(saetze[1].bunr.text(), "AB");
    EXPECT_EQ(saetze[1].text.text(), "Anfangsbestand");
    EXPECT_EQ(saetze[1].einnahme, 1);
    EXPECT_EQ(saetze[1].tag, 1);
    EXPECT_EQ(saetze[1].monat, 1);
    EXPECT_EQ(saetze[1].kontoVon, 0);

    // The notices come in their order, the form steps between them.
    auto m = person.meldungen();
    ASSERT_GE(m.size(), 5u);
    EXPECT_EQ(m[0].art, Art::Eingabe);
    EXPECT_EQ(m[0].titel, "Neue Datei");
    EXPECT_EQ(m[0].text, "Dateiname:");
    EXPECT_EQ(m[1].titel, "Einstellungen");
    EXPECT_TRUE(m[1].text.rfind("Legen Sie zunächst die Währungseinstellungen fest", 0) == 0);
    EXPECT_EQ(m[2].titel, "Einstellungen");
    EXPECT_EQ(m[3].titel, "Weiter...");
    EXPECT_EQ(m[3].text,
              "Nachher können Sie auch Typen zu Gruppen zusammenfassen (s. Hilfe) Außerdem legen "
              "Sie noch die Namen für die Konten fest. Diese Einstellungen können Sie jederzeit "
              "nachträglich ändern per \"Buchungen|Einstellungen\".");
    EXPECT_EQ(m[4].art, Art::Nachricht);
    EXPECT_EQ(m[4].titel, "Anmerkung");
    EXPECT_EQ(m[4].text,
              "Um die Indexdateien zu erstellen, wird nun eine Reorganisation gestartet.");
    EXPECT_EQ(masken.waehrungGezeigt, 1);
    EXPECT_EQ(masken.einstellungenGezeigt, 1);
}

TEST_F(NeueDateiTest, NameMitPunktUndJahrGiltUnabhaengigVomKalenderjahr) {
    person.antworte(std::string(basis() + ".98"));
    masken.bestaende.push_back(test::bestaendeAus({"1"}));
    ASSERT_TRUE(neueDatei(s));
    EXPECT_EQ(s.verein.datei.jahr, "98");
    EXPECT_TRUE(dateiExistiert(basis() + ".98"));
    EXPECT_FALSE(dateiExistiert(basis() + ".26"));
}

TEST_F(NeueDateiTest, LeererNameOderAbbruchEndetOhneDatei) {
    person.antworte({std::string(""), std::nullopt});
    EXPECT_FALSE(neueDatei(s));
    EXPECT_FALSE(neueDatei(s));
    EXPECT_FALSE(s.verein.datei.aktiv());
    EXPECT_EQ(masken.waehrungGezeigt, 0);
}

TEST_F(NeueDateiTest, VorhandeneDateiFragtUndNeinFuehrtZurNamenseingabeZurueck) {
    test::textSchreiben(basis() + ".DEF", "");
    person.antworte({std::string(basis()), Knopf::Nein, std::nullopt});
    EXPECT_FALSE(neueDatei(s));
    auto m = person.meldungen();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[1].art, Art::Frage);
    EXPECT_EQ(m[1].titel, "ALARM!");
    EXPECT_EQ(m[1].text, "Datei  existiert bereits!\rüberschreiben ?");
    EXPECT_EQ(m[1].symbol, Symbol::Warnung);
    EXPECT_EQ(m[2].art, Art::Eingabe);
    EXPECT_EQ(test::textLesen(basis() + ".DEF"), "");
}

TEST_F(NeueDateiTest, NullUeberallGibtLeereDatei) {
    person.antworte(std::string(basis()));
    masken.bestaende.push_back(test::bestaendeAus({}));
    ASSERT_TRUE(neueDatei(s));
    EXPECT_EQ(satzAnzahl(basis() + ".26"), 0u);
}

TEST_F(NeueDateiTest, UngueltigerBestandNenntKontoUndZeigtEingabenWieder) {
    person.antworte(std::string(basis()));
    auto falsch = test::bestaendeAus({"10", "20", "12.345"});
    masken.bestaende.push_back(falsch);
    masken.bestaende.push_back(test::bestaendeAus({"", "5"}));
    masken.bestaende.push_back(test::bestaendeAus({"10", "20", "30"}));
    ASSERT_TRUE(neueDatei(s));

    ASSERT_EQ(masken.gezeigteBestaende.size(), 3u);
    EXPECT_EQ(masken.gezeigteBestaende[0][0], "0.00");
    EXPECT_EQ(masken.gezeigteBestaende[1], falsch); // the entries are kept
    std::vector<test::Eintrag> fehler;
    for (const auto& e : person.meldungen())
        if (e.titel == "Fehler" || e.titel == "Fehler!") fehler.push_back(e);
    ASSERT_EQ(fehler.size(), 2u);
    EXPECT_EQ(fehler[0].art, Art::Nachricht);
    EXPECT_EQ(fehler[0].titel, "Fehler");
    EXPECT_EQ(fehler[0].text, "Konto 3: 12.345 hat kein gültiges Betragsformat!");
    EXPECT_EQ(fehler[1].art, Art::Meldung);
    EXPECT_EQ(fehler[1].titel, "Fehler!");
    EXPECT_EQ(fehler[1].text, "Kein Betrag angegeben!");
    EXPECT_EQ(fehler[1].symbol, Symbol::Fehler);
    // Records of the failed attempts were discarded.
    EXPECT_EQ(satzAnzahl(basis() + ".26"), 3u);
}

TEST_F(NeueDateiTest, AbbruchDerBestaendeGibtLeereDateiMitIndizes) {
    person.antworte(std::string(basis()));
    ASSERT_TRUE(neueDatei(s));
    EXPECT_EQ(satzAnzahl(basis() + ".26"), 0u);
    EXPECT_TRUE(dateiExistiert(basis() + ".MGB"));
}

TEST_F(NeueDateiTest, BeideFormulareAbgebrochenSchreibtTrotzdemDefinitionen) {
    masken.waehrung = [](Sitzung&, bool) { return false; };
    person.antworte(std::string(basis()));
    ASSERT_TRUE(neueDatei(s));
    ASSERT_TRUE(dateiExistiert(basis() + ".def"));
    TDefinitionen d;
    d = angezeigt(definitionenLaden(basis()), person);
    EXPECT_EQ(d.konten[1], "unbenannt");
}

TEST_F(NeueDateiTest, VorigerVereinWirdNichtUebernommen) {
    s.verein.def.konten[1] = "Altkasse";
    s.verein.def.typen.setzeTypName(Seite::Ausgabe, 3, "Alt");
    s.verein.def.mwstSatz = 16;
    s.verein.def.mitgliedEinstellung = 13;
    person.antworte(std::string(basis()));
    ASSERT_TRUE(neueDatei(s));
    EXPECT_EQ(s.verein.def.konten[1], "unbenannt");
    EXPECT_EQ(s.verein.def.typen.typName(Seite::Ausgabe, 3), "");
    EXPECT_EQ(s.verein.def.mwstSatz, 0);
    EXPECT_EQ(s.verein.def.mitgliedEinstellung, 1);
}

TEST_F(NeueDateiTest, VorhandeneMitgliederBleibenErhalten) {
    test::bytesSchreiben(basis() + ".MGB", std::vector<std::uint8_t>(174, 'x'));
    person.antworte({std::string(basis())});
    ASSERT_TRUE(neueDatei(s));
    EXPECT_EQ(test::bytesLesen(basis() + ".MGB").size(), 174u);
}

TEST_F(NeueDateiTest, NichtAnlegbareDateienMeldenFehlerUndLassenKeinenNamen) {
    person.antworte(std::string(dir.datei("fehlt/Verein")));
    masken.waehrung = [](Sitzung&, bool) { return false; };
    ASSERT_TRUE(neueDatei(s));
    EXPECT_FALSE(s.verein.datei.aktiv());
    bool gemeldet = false;
    for (const auto& e : person.meldungen())
        if (e.text == "Schreiben der Dateien nicht möglich!" && e.titel == "Fehler!")
            gemeldet = true;
    EXPECT_TRUE(gemeldet);
}

} // namespace
} // namespace zalvor
