// Opening a booking file: name checks, the order of the steps, an incomplete file.
#include "aufzeichnendeperson.h"
#include "tempverzeichnis.h"

#include "core/common/dateisystem.h"
#include "core/files/buchungsdatei.h"
#include "core/files/dateiname.h"
#include "core/files/definitionen.h"
#include "core/files/indexdatei.h"
#include "core/files/oeffnen.h"
#include "core/mainwindow/statuszeile.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

using test::Art;

// Records what the engine asks of the front end, in order.
class ProtokollOberflaeche : public Oberflaeche {
  public:
    std::vector<std::string> schritte;
    void tabelleFuellen(TabellenModus m) override {
        schritte.push_back(m == TabellenModus::Voll ? "tabelle voll" : "tabelle");
    }
    void statuszeileAktualisieren() override { schritte.push_back("status"); }
    void nachDemOeffnenFreigeben() override { schritte.push_back("freigeben"); }
    void tabellenTitel(const std::string& t) override { schritte.push_back("titel " + t); }
};

class OeffnenTest : public ::testing::Test {
  protected:
    test::TempVerzeichnis dir;
    test::AufzeichnendePerson person;
    FesteUhr uhr{Datum{2026, 12, 7}};
    Sitzung s{person, uhr};
    ProtokollOberflaeche ui;

    void SetUp() override {
        s.verein.datei.jahr = "26";
        s.oberflaeche = &ui;
    }

    // A file with n bookings, consistent indexes and a definitions file.
    void anlegen(const std::string& name, int n) {
        Sitzung a{person, uhr};
        a.verein.datei.basisname = dir.datei(name);
        a.verein.datei.jahr = "26";
        a.verein.def.konten[1] = "Kasse";
        definitionenSchreiben(a.verein.datei.basisname, a.verein.def, person);
        leereDateiAnlegen(a.verein.datei.dateiname());
        for (int i = 0; i < n; ++i) {
            TBuchung b;
            b.betrag = Real6::aus(i + 1);
            b.bunr.setze(std::to_string(i + 1));
            buchungAnhaengen(a.verein, a.person, b, {false, false, true, true});
        }
        person.leeren();
    }
};

TEST_F(OeffnenTest, NameOhneEndungBekommtDasAktiveJahr) {
    anlegen("Verein", 2);
    EXPECT_EQ(dateiOeffnenBefehl(s, dir.datei("Verein")), OeffnenErgebnis::Geoeffnet);
    EXPECT_EQ(s.verein.datei.basisname, dir.datei("Verein"));
    EXPECT_EQ(s.verein.datei.jahr, "26");
    EXPECT_EQ(s.verein.datei.naechsteNummer, 3);
    EXPECT_EQ(s.verein.def.konten[1], "Kasse");
    EXPECT_TRUE(s.dateiOffen);
    EXPECT_TRUE(person.meldungen().empty());
    std::vector<std::string> erwartet{"freigeben", "titel " + dir.datei("Verein.26"),
                                      "tabelle voll", "status"};
    EXPECT_EQ(ui.schritte, erwartet);
}

TEST_F(OeffnenTest, SicherungskopieWirdAbgelehntAuchWennSieExistiert) {
    anlegen("Verein", 1);
    test::textSchreiben(dir.datei("~erein.26"), "");
    EXPECT_EQ(dateiOeffnenBefehl(s, dir.datei("~erein.26")), OeffnenErgebnis::NameAbgelehnt);
    auto m = person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "Fehler!");
    EXPECT_EQ(m[0].text, "Dateien, die mit ~ beginnen, können nicht geladen werden! Sie sind "
                         "i.A. Sicherungskopien einer Reorganisation, für die keine "
                         "Definitionsdatei besteht!");
    EXPECT_EQ(m[0].symbol, Symbol::Fehler);
    EXPECT_FALSE(s.verein.datei.aktiv());
}

TEST_F(OeffnenTest, TildeNurInDenLetzten13Zeichen) {
    // "~" far before the end (a folder name) does not count.
    Dateiwahl erwartet{"/a~b/sehr-langer-Vereinsname", "26"};
    auto w = dateinamePruefen("/a~b/sehr-langer-Vereinsname.26", s.verein.datei.jahr, s.person);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->basisname, erwartet.basisname);
    EXPECT_FALSE(dateinamePruefen("/x/Verei~n.26", s.verein.datei.jahr, s.person));
}

TEST_F(OeffnenTest, NichtNumerischeEndungIstKeineBuchungsdatei) {
    for (const char* name : {"Verein.a1", "Verein.2b", "Verein.xy"}) {
        person.leeren();
        EXPECT_FALSE(dateinamePruefen(name, s.verein.datei.jahr, s.person)) << name;
        ASSERT_EQ(person.meldungen().size(), 1u);
        EXPECT_EQ(person.meldungen()[0].text, "Es handelt sich hier NICHT um eine Buchungsdatei!");
    }
}

TEST_F(OeffnenTest, FehlendeDateiLaesstAllesUnveraendert) {
    s.verein.datei.basisname = "vorher";
    EXPECT_EQ(dateiOeffnenBefehl(s, dir.datei("Nichts.26")), OeffnenErgebnis::NichtVorhanden);
    EXPECT_EQ(s.verein.datei.basisname, "vorher");
    EXPECT_TRUE(ui.schritte.empty());
}

TEST_F(OeffnenTest, FehlenderIndexFragtNachReorganisation) {
    anlegen("Verein", 3);
    dateiLoeschen(dir.datei("Verein.265"));
    person.antworte(Knopf::Nein);
    EXPECT_EQ(dateiOeffnenBefehl(s, dir.datei("Verein.26")), OeffnenErgebnis::Geoeffnet);
    auto m = person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "Index-Datei-Check");
    EXPECT_EQ(m[0].text, "Min. eine Indexdatei fehlt!\rWollen Sie zur Reparatur eine "
                         "Reorganisation starten?");
}

TEST_F(OeffnenTest, LeereDateiPrueftKeineIndizes) {
    anlegen("Leer", 0);
    EXPECT_EQ(dateiOeffnenBefehl(s, dir.datei("Leer.26")), OeffnenErgebnis::Geoeffnet);
    EXPECT_TRUE(person.meldungen().empty());
    EXPECT_EQ(s.verein.datei.naechsteNummer, 1);
}

TEST_F(OeffnenTest, UnvollstaendigeDateiWirdEinmalGemeldetUndGelesen) {
    anlegen("Kaputt", 2);
    auto bytes = test::bytesLesen(dir.datei("Kaputt.26"));
    bytes.resize(bytes.size() + 11, 0xAB);
    test::bytesSchreiben(dir.datei("Kaputt.26"), bytes);

    EXPECT_EQ(dateiOeffnenBefehl(s, dir.datei("Kaputt.26")), OeffnenErgebnis::Geoeffnet);
    auto m = person.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].titel, "Achtung!");
    EXPECT_NE(m[0].text.find("endet mit 11 Bytes"), std::string::npos);
    EXPECT_EQ(satzAnzahl(dir.datei("Kaputt.26")), 2u);
    EXPECT_EQ(statuszeilenTexte(s.verein)[3], "  2 Datens\xE4tze");
    // The loose bytes are still there: opening wrote nothing.
    EXPECT_EQ(test::bytesLesen(dir.datei("Kaputt.26")).size(), 2 * 70u + 11);
}

TEST_F(OeffnenTest, StatuszeileZeigtDateienUndAnzahl) {
    anlegen("Verein", 3);
    ASSERT_EQ(dateiOeffnenBefehl(s, dir.datei("Verein.26")), OeffnenErgebnis::Geoeffnet);
    auto t = statuszeilenTexte(s.verein);
    EXPECT_EQ(t[0], "");
    EXPECT_EQ(t[1], "");
    EXPECT_EQ(t[2], "");
    EXPECT_EQ(t[3], "  3 Datens\xE4tze");

    test::textSchreiben(dir.datei("Verein.SBD"), "");
    test::textSchreiben(dir.datei("Verein.pwd"), "x\r\n");
    test::textSchreiben(dir.datei("Verein.26s"), "");
    ASSERT_EQ(dateiOeffnenBefehl(s, dir.datei("Verein.26")), OeffnenErgebnis::Geoeffnet);
    t = statuszeilenTexte(s.verein);
    EXPECT_EQ(t[0], "Planvorgaben");
    EXPECT_EQ(t[1], "Schablonen");
    EXPECT_EQ(t[2], "Code");
}

TEST(NeuerDateiname, JahrNurAusZweiZiffern) {
    EXPECT_EQ(neuerDateiname("Verein.98", "26").jahr, "98");
    EXPECT_EQ(neuerDateiname("Verein.98", "26").basisname, "Verein");
    EXPECT_EQ(neuerDateiname("Verein", "26").jahr, "26");
    EXPECT_EQ(neuerDateiname("Kasse.ab", "26").basisname, "Kasse.ab");
    EXPECT_EQ(neuerDateiname("Kasse.ab", "26").jahr, "26");
}

} // namespace
} // namespace zalvor

namespace zalvor {
namespace {

TEST_F(OeffnenTest, DefinitionenDesVorigenVereinsBleibenNichtHaengen) {
    anlegen("Verein", 1);
    // A definitions file of the oldest format: no currency lines.
    std::string alt;
    for (int i = 0; i < 46; ++i)
        alt += (i >= 30 && i < 39 ? "Konto\r\n"
                                  : (i == 39 ? "1\r\n" : (i == 40 ? "0.00\r\n" : "\r\n")));
    test::textSchreiben(dir.datei("Verein.def"), alt);
    s.verein.def.waehrung.Waehrung = "CHF";
    person.antworte({});
    EXPECT_EQ(dateiOeffnenBefehl(s, dir.datei("Verein.26")), OeffnenErgebnis::Geoeffnet);
    EXPECT_EQ(s.verein.def.waehrung.Waehrung, "DM");
    EXPECT_EQ(s.verein.def.konten[1], "Konto");
}

} // namespace
} // namespace zalvor
