// zalvor-cli buchen, umbuchen, loeschen, mwst, waehrung and eurosymbol, run in-process.
#include "aufzeichnendeperson.h"
#include "cli/common/lauf.h"
#include "core/common/dateisystem.h"
#include "core/files/definitionen.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zalvor {
namespace {

struct Lauf {
    int status = -1;
    std::string out;
    std::string err;
};

// An empty Verein.26 with its nine indexes; accounts 1 "Kasse" and 3 "Bank", type 21
// of the expenses "Porto".
class EingabeCli : public ::testing::Test {
  protected:
    void SetUp() override {
        basis = dir.datei("Verein");
        datei = basis + ".26";
        leereDateiAnlegen(datei);
        for (int k = 1; k <= 9; ++k)
            leereDateiAnlegen(datei + std::to_string(k));
        TDefinitionen d;
        for (int k = 1; k <= 9; ++k)
            d.konten[static_cast<std::size_t>(k)] = "unbenannt";
        d.konten[1] = "Kasse";
        d.konten[3] = "Bank";
        d.typen.setzeTypName(Seite::Ausgabe, 21, "Porto");
        test::AufzeichnendePerson p;
        ASSERT_TRUE(definitionenSchreiben(basis, d, p));
    }

    Lauf cli(std::vector<std::string> args, const std::string& antworten = {}) {
        std::vector<std::string> alle{"--heute", "2026-03-05", "--antworten", antworten};
        alle.insert(alle.end(), args.begin(), args.end());
        std::ostringstream out, err;
        Lauf l;
        l.status = cli::ausfuehren(alle, out, err, dir.pfad());
        l.out = out.str();
        l.err = err.str();
        return l;
    }

    // The data row of a command's output (after the title and the header).
    static std::string zeile(const Lauf& l) {
        auto ende = l.out.rfind('\n', l.out.size() - 2);
        return l.out.substr(ende + 1, l.out.size() - ende - 2);
    }

    test::TempVerzeichnis dir;
    std::string basis;
    std::string datei;
};

TEST_F(EingabeCli, BuchenMitAllenFeldernUndNaechsterNummer) {
    auto l = cli({"buchen",
                  datei,
                  "--ausgabe",
                  "--betrag",
                  "12,5",
                  "--konto",
                  "3",
                  "--typ",
                  "21",
                  "--text",
                  "Briefmarken für Post",
                  "--an-von",
                  "Deutsche Post",
                  "--bunr",
                  "17",
                  "--beleg",
                  "B7",
                  "--tag",
                  "31",
                  "--monat",
                  "1"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_NE(l.out.find("Satz\tBuNr\tDatum\tTyp\tBuchungstext\tBetrag (DM)\tE/A\tKto\n"),
              std::string::npos);
    EXPECT_EQ(zeile(l), "0\t17\t31. 1.\tPorto\tBriefmarken für Post\t    12.50\t A\t 3");
    EXPECT_EQ(dateiGroesse(datei), 70u);
    EXPECT_EQ(dateiGroesse(datei + "4"), 2u);

    l = cli({"buchen", datei, "--einnahme", "--betrag", "3", "--planen"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(zeile(l), "1\t18\t 5. 3.\tSonstige\t\t     3.00\t E\t(1)");
}

TEST_F(EingabeCli, FrageEinnahmeOderAusgabe) {
    auto l = cli({"buchen", datei, "--betrag", "1"}, "Einnahme");
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_NE(l.err.find("[Buchen: E/A?] Wollen Sie eine Einnahme oder eine Ausgabe buchen?"),
              std::string::npos);
    EXPECT_NE(zeile(l).find("\t E\t"), std::string::npos);

    l = cli({"buchen", datei, "--betrag", "1"});
    EXPECT_EQ(l.status, 1) << "question closed: nothing happens";
    EXPECT_EQ(dateiGroesse(datei), 70u);
}

TEST_F(EingabeCli, AbgelehntePruefungen) {
    auto l = cli({"buchen", datei, "--ausgabe", "--betrag", "12,345"});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err, "[Fehler!] 12.345 hat kein gültiges Betragsformat!\n");
    l = cli({"buchen", datei, "--ausgabe", "--betrag", "1", "--tag", "0"});
    EXPECT_EQ(l.err, "[Fehler!] 0 ist kein Tag eines Monats!\n");
    l = cli({"buchen", datei, "--ausgabe"});
    EXPECT_EQ(l.err, "[Fehler!] Kein Betrag angegeben!\n");
    l = cli({"buchen", datei, "--ausgabe", "--betrag", "1", "--konto", ""});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err, "[Fehler!] Kein Konto angegeben!\n");
    EXPECT_EQ(dateiGroesse(datei), 0u);
}

TEST_F(EingabeCli, FalscheAufrufe) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--typ", "51"},
                                                                  {"--konto", "2"},
                                                                  {"--euro"},
                                                                  {"--bunr", "12345"},
                                                                  {"--einnahme"},
                                                                  {"--aendern", "1"}}) {
        std::vector<std::string> a{"buchen", datei, "--ausgabe", "--betrag", "1"};
        a.insert(a.end(), args.begin(), args.end());
        auto l = cli(a);
        EXPECT_EQ(l.status, 2) << args[0] << "\n" << l.err;
    }
    EXPECT_EQ(dateiGroesse(datei), 0u);
}

TEST_F(EingabeCli, EuroImUebergangszeitraumUndAenderung) {
    auto l = cli({"waehrung", datei, "--waehrung", "DM", "--umstellungsjahr", "27",
                  "--umstellung-bis", "27"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, "Waehrung\tDM\nKurs\t1.955830\nUmstellungsjahr\t27\nUmstellungBis\t27\n");

    l = cli({"buchen", datei, "--ausgabe", "--betrag", "51,13", "--euro"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_NE(zeile(l).find("\t   100.00\t"), std::string::npos) << zeile(l);

    l = cli({"buchen", datei, "--aendern", "0", "--betrag", "7", "--euro"});
    EXPECT_EQ(l.status, 2) << "a change offers no currency choice";
    l = cli({"buchen", datei, "--aendern", "0", "--betrag", "7"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(zeile(l), "0\t1\t 5. 3.\tSonstige\t\t     7.00\t A\t 1");
    EXPECT_EQ(dateiGroesse(datei), 70u);
}

TEST_F(EingabeCli, Umbuchen) {
    auto l = cli({"umbuchen", datei, "--von", "3", "--nach", "3", "--betrag", "5"});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err, "[Fehler!] Quell- und Zielkonto sind identisch!\n");
    l = cli({"umbuchen", datei, "--nach", "3", "--betrag", "5"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(zeile(l), "0\t1\t 5. 3.\tUmbuchung\tUmbuchung \t     5.00\t -\t1»3");

    l = cli({"buchen", datei, "--aendern", "0", "--konto", "1"});
    EXPECT_EQ(l.status, 2) << "a transfer has no single account";
    l = cli({"buchen", datei, "--aendern", "0", "--betrag", "6"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_NE(zeile(l).find("     6.00"), std::string::npos);
    l = cli({"umbuchen", datei, "--aendern", "0", "--von", "3", "--nach", "1"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_NE(zeile(l).find("\t3»1"), std::string::npos);

    cli({"buchen", datei, "--ausgabe", "--betrag", "1"});
    EXPECT_EQ(cli({"umbuchen", datei, "--aendern", "1", "--betrag", "2"}).status, 2);
}

TEST_F(EingabeCli, LoeschenMitBestaetigung) {
    cli({"buchen", datei, "--ausgabe", "--betrag", "9"});
    auto l = cli({"loeschen", datei, "0"});
    EXPECT_EQ(l.status, 1);
    EXPECT_NE(l.err.find("[Löschen!] Satz wirklich löschen?"), std::string::npos);
    l = cli({"loeschen", datei, "0"}, "ja");
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(zeile(l), "0\t1\t--.--.\t* gelöscht *\t\t -------\t -\t---");
    EXPECT_EQ(dateiGroesse(datei), 70u);

    l = cli({"loeschen", datei, "1"}, "ja");
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.out, "") << "the empty last row: nothing asked, nothing deleted";
    EXPECT_EQ(l.err.find("[L"), std::string::npos);
    EXPECT_EQ(cli({"loeschen", datei, "2"}).status, 2);
}

TEST_F(EingabeCli, Mehrwertsteuer) {
    auto l = cli({"mwst", datei, "--satz", "16,5"});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err, "[Fehler] Ungültige Eingabe als Steuersatz: Zahl eingeben!\n");
    l = cli({"mwst", datei, "--satz", "16.5"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, "Steuersatz\t16.50\nAktiv\tja\n");
    l = cli({"mwst", datei, "--aus"});
    EXPECT_EQ(l.out, "Steuersatz\t0.00\nAktiv\tnein\n");
    EXPECT_EQ(cli({"mwst", datei}).status, 2);
}

TEST_F(EingabeCli, WaehrungMitWarnungenUndPruefungen) {
    auto l = cli({"waehrung", datei, "--waehrung", "SFr"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.err, "") << "no rate, no Euro file: no warning";
    EXPECT_EQ(l.out, "Waehrung\tSFr\nKurs\t0.000000\nUmstellungsjahr\t89\nUmstellungBis\t03\n");

    l = cli({"waehrung", datei, "--umstellungsjahr", "1"});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err, "[Fehler] Ungültige Eingabe als Umstellungsjahr: 2stellige Zahl eingeben!\n");

    // "89" is 2089: a changeover year still ahead may only move to future years.
    l = cli({"waehrung", datei, "--umstellungsjahr", "26"});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err, "[Fehler] Sie können das Umstellungsjahr nur auf ZUKÜNFTIGE Jahre setzen!!\n");
}

TEST_F(EingabeCli, WaehrungWarntWennDerEuroSchonGilt) {
    auto l = cli({"waehrung", datei, "--waehrung", "\xC3\x96S", "--umstellungsjahr", "26"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out,
              "Waehrung\t\xC3\x96S\nKurs\t13.760300\nUmstellungsjahr\t26\nUmstellungBis\t03\n");
    l = cli({"waehrung", datei, "--kurs", "abc"});
    EXPECT_EQ(l.status, 1);
    EXPECT_NE(l.err.find("[W A R N U N G ! ! !] Sie haben bereits einen Wechselkurs"),
              std::string::npos);
    EXPECT_NE(l.err.find("[W A R N U N G ! ! !] Das eingestellte Euro-Umstellungsjahr wurde "
                         "erreicht"),
              std::string::npos);
    EXPECT_NE(l.err.find("[Fehler] Ungültige Eingabe als EuroKurs: Zahl eingeben!"),
              std::string::npos);
}

TEST_F(EingabeCli, EuroSymbol) {
    const std::string symb = dir.datei("EUROSYMB");
    auto l = cli({"eurosymbol", "--ja"});
    ASSERT_EQ(l.status, 0) << l.err;
    EXPECT_EQ(l.out, "€\n");
    EXPECT_EQ(test::textLesen(symb), "\x80\r\n");
    l = cli({"eurosymbol", "--nein"});
    EXPECT_EQ(l.out, "EUR\n");
    EXPECT_EQ(test::textLesen(symb), "EUR\r\n");
    EXPECT_EQ(cli({"eurosymbol"}).status, 2);
    EXPECT_EQ(test::textLesen(symb), "EUR\r\n");
}

} // namespace
} // namespace zalvor
