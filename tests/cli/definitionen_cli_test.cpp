// zalvor-cli definitionen: key/value output, notices of old formats, rewriting.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include "core/common/dateisystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

namespace zalvor {
namespace {

using test::cli;

// A V3.01 file: 97 lines, DOS bytes in a type and an account name.
std::string v301Datei() {
    std::string s;
    auto zeile = [&](const std::string& z) { s += z + "\r\n"; };
    zeile("B\x81"
          "cher");
    for (int n = 2; n <= 20; ++n)
        zeile("Aus" + std::to_string(n));
    for (int n = 1; n <= 10; ++n)
        zeile("Ein" + std::to_string(n));
    zeile("Kasse \x84");
    for (int k = 2; k <= 9; ++k)
        zeile("Konto" + std::to_string(k));
    zeile("13");
    zeile("12.50");
    for (int f = 1; f <= 5; ++f)
        zeile("Feld" + std::to_string(f));
    zeile("1" + std::string(38, '0'));
    zeile(std::string(38, '0') + "4");
    for (int g = 1; g <= 19; ++g)
        zeile("AGr" + std::to_string(g));
    for (int g = 1; g <= 19; ++g)
        zeile("EGr" + std::to_string(g));
    for (int n = 11; n <= 20; ++n)
        zeile("Ein" + std::to_string(n));
    zeile("7.00");
    return s;
}

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        z.push_back(l);
    return z;
}

std::vector<std::string> erwarteteSchluessel() {
    std::vector<std::string> k;
    auto reihe = [&](const std::string& vor, int bis, const std::string& nach = "") {
        for (int n = 1; n <= bis; ++n)
            k.push_back(vor + "." + std::to_string(n) + nach);
    };
    reihe("Ausgabetyp", 50);
    reihe("Einnahmetyp", 50);
    reihe("Ausgabegruppe", 49);
    reihe("Einnahmegruppe", 49);
    reihe("Ausgabetyp", 50, ".Gruppe");
    reihe("Ausgabegruppe", 49, ".Gruppe");
    reihe("Einnahmetyp", 50, ".Gruppe");
    reihe("Einnahmegruppe", 49, ".Gruppe");
    reihe("Konto", 9);
    k.push_back("Mitgliedseinstellung");
    k.push_back("Standardbeitrag");
    reihe("FreiesFeld", 5);
    for (const char* s : {"MwSt", "Waehrung", "Kurs", "Umstellungsjahr", "UmstellungBis"})
        k.push_back(s);
    return k;
}

class DefinitionenCli : public ::testing::Test {
  protected:
    test::TempVerzeichnis tmp;
    std::string datei = tmp.datei("Verein.26");
    void SetUp() override { test::textSchreiben(datei, ""); }
    // The V3.01 file is guarded (13): its code word file holds "x", which is stored as is.
    test::CliErgebnis mitCode(std::vector<std::string> args) {
        test::textSchreiben(tmp.datei("Verein.PWD"), "x\r\n");
        args.insert(args.begin(), {"--antworten", "x"});
        return cli(args);
    }
};

const char* const kCodeAbfrage = "[Bitte Codewort eingeben!] Hier Passwort eingeben:\n-> #\n";

TEST_F(DefinitionenCli, AlleSchluesselInFesterReihenfolge) {
    test::textSchreiben(tmp.datei("Verein.def"), v301Datei());
    auto e = mitCode({"definitionen", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    const auto z = zeilen(e.out);
    const auto schluessel = erwarteteSchluessel();
    ASSERT_EQ(z.size(), schluessel.size());
    std::map<std::string, std::string> werte;
    for (std::size_t i = 0; i < z.size(); ++i) {
        const auto tab = z[i].find('\t');
        ASSERT_NE(tab, std::string::npos) << z[i];
        EXPECT_EQ(z[i].substr(0, tab), schluessel[i]);
        werte[z[i].substr(0, tab)] = z[i].substr(tab + 1);
    }
    EXPECT_EQ(werte["Ausgabetyp.1"], "Bücher");
    EXPECT_EQ(werte["Einnahmetyp.20"], "Ein20");
    EXPECT_EQ(werte["Einnahmetyp.21"], "");
    EXPECT_EQ(werte["Einnahmegruppe.19"], "EGr19");
    EXPECT_EQ(werte["Ausgabetyp.1.Gruppe"], "1");
    EXPECT_EQ(werte["Einnahmegruppe.19.Gruppe"], "4");
    EXPECT_EQ(werte["Konto.1"], "Kasse ä");
    EXPECT_EQ(werte["Mitgliedseinstellung"], "13");
    EXPECT_EQ(werte["Standardbeitrag"], "12.50");
    EXPECT_EQ(werte["FreiesFeld.5"], "Feld5");
    EXPECT_EQ(werte["MwSt"], "7.00");
    EXPECT_EQ(werte["Waehrung"], "DM");
    EXPECT_EQ(werte["Kurs"], "0.000000");
    EXPECT_EQ(werte["Umstellungsjahr"], "02");
    EXPECT_EQ(werte["UmstellungBis"], "03");
    // Both notices of the old format, in order, on stderr; then the code entry.
    EXPECT_EQ(
        e.err,
        std::string(
            "[Bitte beachten Sie diese Versionsänderung] Die Definitionsdatei hat noch das "
            "Format der Version 3.01! Seit Version 4 werden zusätzlich Euro-Kurs, \"alte\" "
            "Währung und Euro-Startjahr gespeichert.\n"
            "[Bitte beachten Sie diese Versionsänderung!] Die Definitionsdatei hat noch das "
            "alte Format (bis V4.2), seit Version 4.5 können zusätzliche Buchungstypen und "
            "-Gruppen erstellt werden. Bei der nächsten Änderung der wird die Datei im neuen "
            "Format gespeichert. Ältere Programmversionen können die Datei dann trotzdem noch "
            "lesen, so lange Sie nicht mehr als 20 Typen für Einnahmen und Ausgaben und nicht "
            "mehr als jeweils 19 Typengruppen verwenden. Schreibzugriffe mit älteren Versionen "
            "von Zalvor können zum Verlust der nur von Version 4.5 unterstützten Informationen "
            "(Typen mit Nr. > 20, mehr als 19 Gruppen) führen!\n") +
            kCodeAbfrage);
    // Showing changes nothing.
    EXPECT_EQ(test::textLesen(tmp.datei("Verein.def")), v301Datei());
}

TEST_F(DefinitionenCli, NeuSchreibenRuestetAuf) {
    test::textSchreiben(tmp.datei("Verein.def"), v301Datei());
    auto vorher = mitCode({"definitionen", datei});
    auto e = mitCode({"definitionen", "--neu-schreiben", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out, vorher.out);
    EXPECT_EQ(textdateiLesen(tmp.datei("Verein.def")).size(), 371u);
    auto danach = mitCode({"definitionen", datei});
    EXPECT_EQ(danach.status, 0);
    EXPECT_EQ(danach.err, kCodeAbfrage);
    EXPECT_EQ(danach.out, vorher.out);
}

TEST_F(DefinitionenCli, FehlendeDefinitionsdateiZeigtVorgaben) {
    auto e = cli({"definitionen", datei});
    EXPECT_EQ(e.status, 0);
    EXPECT_EQ(e.err, "[Fehler!] Fehlende Definitionsdatei!!\n");
    EXPECT_NE(e.out.find("\nKonto.9\tunbenannt\n"), std::string::npos);
    EXPECT_NE(e.out.find("\nFreiesFeld.1\tFrei 1 ...\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(tmp.datei("Verein.def")));
}

TEST_F(DefinitionenCli, NichtSchreibbarGibtMeldungUndStatusEins) {
    std::filesystem::create_directory(tmp.datei("Verein.def"));
    auto e = cli({"definitionen", datei, "--neu-schreiben"});
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.err, "[Fehler!] Fehlende Definitionsdatei!!\n"
                     "[FEHLER!] Definitionsdatei konnte nicht neu geschrieben werden!\n");
    EXPECT_EQ(e.out, "");
}

TEST_F(DefinitionenCli, AufrufUndAndereFormate) {
    EXPECT_EQ(cli({"definitionen"}).status, 2);
    EXPECT_EQ(cli({"definitionen", tmp.datei("Fehlt.26")}).status, 2);
    EXPECT_EQ(cli({"definitionen", datei, "--unbekannt"}).status, 2);
    auto hilfe = cli({"--help"});
    EXPECT_NE(hilfe.out.find("  definitionen DATEI [--neu-schreiben]\n"), std::string::npos);
    EXPECT_NE(hilfe.out.find("Umstellungsjahr, UmstellungBis"), std::string::npos);
    auto e = cli({"--format", "csv", "definitionen", datei});
    EXPECT_EQ(e.status, 0);
    EXPECT_NE(e.out.find("Schlüssel;Wert\r\nAusgabetyp.1;\r\n"), std::string::npos);
    e = cli({"--format", "json", "definitionen", datei});
    EXPECT_EQ(e.status, 0);
    EXPECT_NE(e.out.find("\"UmstellungBis\", \"03\""), std::string::npos) << e.out;
}

} // namespace
} // namespace zalvor
