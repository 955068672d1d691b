// zalvor-cli: conventions, tabelle, oeffnen, neu, naechstes-jahr and the demo club.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace zalvor {
namespace {

using test::cli;
using test::ohneOrdner;
using test::wieGolden;

TEST(CliKonventionen, FalscherAufrufUndHilfe) {
    auto e = cli({});
    EXPECT_EQ(e.status, 2);
    e = cli({"gibtesnicht"});
    EXPECT_EQ(e.status, 2);
    e = cli({"--format", "xml", "tabelle", "x.26"});
    EXPECT_EQ(e.status, 2);
    e = cli({"--heute", "2026-13-01", "tabelle", "x.26"});
    EXPECT_EQ(e.status, 2);
    e = cli({"--help"});
    EXPECT_EQ(e.status, 0);
    for (const char* befehl : {"tabelle", "oeffnen", "neu", "naechstes-jahr", "demo"})
        EXPECT_NE(e.out.find(std::string("  ") + befehl + " "), std::string::npos) << befehl;
    e = cli({"tabelle"});
    EXPECT_EQ(e.status, 2);
    EXPECT_NE(e.err.find("Aufruf: zalvor-cli tabelle DATEI"), std::string::npos);
}

TEST(CliKonventionen, AbgelehnterNameUndFehlendeDatei) {
    auto e = cli({"tabelle", "/tmp/~sicherung.26"});
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.err.rfind("[Fehler!] Dateien, die mit ~ beginnen", 0), 0u);
    e = cli({"tabelle", "/tmp/zalvor-gibt-es-nicht.26"});
    EXPECT_EQ(e.status, 2);
}

TEST(CliDemo, TabelleEntsprichtDerGespeichertenAusgabe) {
    test::TempVerzeichnis dir;
    auto e = cli({"--heute", "2026-12-07", "demo", dir.pfad()});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out, dir.pfad() + "/Sportverein.26\n");
    EXPECT_EQ(e.err, "");
    e = cli({"--heute", "2026-12-07", "tabelle", dir.pfad() + "/Sportverein.26"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_TRUE(wieGolden(ohneOrdner(e.out, dir.pfad()), "demo_tabelle.tsv"));

    e = cli({"--heute", "2026-12-07", "oeffnen", dir.pfad() + "/Sportverein.26"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_EQ(e.out, "Planvorgaben\nSchablonen\n\n  91 Datensätze\n")
        << "the demo club has plan values, templates and contribution bookings";
    // The demo's indexes are consistent: opening asks nothing.
    EXPECT_EQ(e.err, "");
}

TEST(CliDemo, JsonUndCsvTragenDieselbenZellen) {
    test::TempVerzeichnis dir;
    ASSERT_EQ(cli({"--heute", "2026-12-07", "demo", dir.pfad()}).status, 0);
    auto json = cli({"--format", "json", "tabelle", dir.pfad() + "/Sportverein.26"});
    ASSERT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"kopf\": [\"BuNr\", \"Datum\", \"Typ\", \"Buchungstext\", "
                            "\"Betrag(EUR)\", \"E/A\", \"Kto\"]"),
              std::string::npos);
    EXPECT_NE(json.out.find("[\"AB\", \" 1. 1.\", \"\", \"Anfangsbestand\", \"   350.00\", "
                            "\" -\", \" 1\"]"),
              std::string::npos);
    auto csv = cli({"--format", "csv", "tabelle", dir.pfad() + "/Sportverein.26"});
    ASSERT_EQ(csv.status, 0);
    EXPECT_NE(csv.out.find("AB; 1. 1.;;Anfangsbestand;   350.00; -; 1\r\n"), std::string::npos);
}

// The first day on which an account of an exported file stands below zero at the end of the
// day, planned bookings included ("Datum", "Betrag", "Konto von", "Konto nach" are the
// columns 2, 6, 9 and 10 of the export), or empty.
std::string ersterTagImMinus(const std::string& export_) {
    std::map<std::string, std::map<std::string, long long>> tage; // day -> account -> cents
    std::istringstream in(export_);
    std::string zeile;
    std::getline(in, zeile); // the header
    while (std::getline(in, zeile)) {
        std::vector<std::string> z;
        std::istringstream s(zeile);
        for (std::string c; std::getline(s, c, '\t');)
            z.push_back(c);
        const long long cent = std::llround(std::stod(z.at(6)) * 100);
        tage[z.at(2)][z.at(9)] -= cent;
        tage[z.at(2)][z.at(10)] += cent;
    }
    std::map<std::string, long long> stand;
    for (const auto& [tag, aenderungen] : tage) {
        for (const auto& [konto, cent] : aenderungen)
            stand[konto] += cent;
        for (const auto& [konto, cent] : stand)
            if (!konto.empty() && cent < 0) return tag + " " + konto;
    }
    return {};
}

TEST(CliDemo, KeinKontoStehtAnEinemTagImMinus) {
    test::TempVerzeichnis dir;
    ASSERT_EQ(cli({"--heute", "2026-12-07", "demo", dir.pfad()}).status, 0);
    for (const char* datei : {"Sportverein.26", "Jugendabteilung.26"}) {
        const auto e = cli({"export", dir.pfad() + "/" + datei});
        ASSERT_EQ(e.status, 0) << e.err;
        EXPECT_NE(e.out.find("\tja\t"), std::string::npos) << "planned bookings count too";
        EXPECT_EQ(ersterTagImMinus(e.out), "") << datei;
    }
}

TEST(CliNeu, LegtDateiMitKontenTypenUndBestaendenAn) {
    test::TempVerzeichnis dir;
    const std::string datei = dir.pfad() + "/Club.26";
    auto e = cli({"--heute",
                  "2026-03-01",
                  "neu",
                  datei,
                  "--waehrung",
                  "DM",
                  "--kurs",
                  "1.95583",
                  "--umstellungsjahr",
                  "02",
                  "--umstellung-bis",
                  "03",
                  "--konto",
                  "1=Kasse",
                  "--konto",
                  "2=Bank",
                  "--ausgabetyp",
                  "1=Miete",
                  "--einnahmetyp",
                  "1=Spenden",
                  "--anfangsbestand",
                  "1=100,50",
                  "--anfangsbestand",
                  "2=2000"});
    ASSERT_EQ(e.status, 0) << e.err;
    e = cli({"--heute", "2026-03-01", "tabelle", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    std::istringstream zeilen(e.out);
    std::string zeile;
    std::vector<std::string> alle;
    while (std::getline(zeilen, zeile))
        alle.push_back(zeile);
    ASSERT_EQ(alle.size(), 4u);
    EXPECT_EQ(alle[1], "BuNr\tDatum\tTyp\tBuchungstext\tBetrag(EUR)\tE/A\tKto");
    EXPECT_EQ(alle[2], "AB\t 1. 1.\t\tAnfangsbestand\t   100.50\t -\t 1");
    EXPECT_EQ(alle[3], "AB\t 1. 1.\t\tAnfangsbestand\t  2000.00\t -\t 2");
}

TEST(CliNeu, UngueltigerBestandWirdAbgelehnt) {
    test::TempVerzeichnis dir;
    auto e = cli({"--heute", "2026-03-01", "neu", dir.pfad() + "/Club", "--waehrung", "DM",
                  "--anfangsbestand", "3=12.345"});
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("[Fehler] Konto 3: 12.345 hat kein gültiges Betragsformat!\n"),
              std::string::npos);
}

TEST(CliNeu, VorhandeneDateiNurMitJa) {
    test::TempVerzeichnis dir;
    const std::string datei = dir.pfad() + "/Club.26";
    ASSERT_EQ(cli({"neu", datei, "--waehrung", "DM", "--anfangsbestand", "1=5"}).status, 0);
    auto e = cli({"neu", datei, "--waehrung", "DM"});
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("[ALARM!] Datei  existiert bereits!\nüberschreiben ?\n-> Nein"),
              std::string::npos);
    e = cli({"--antworten", "ja", "neu", datei, "--waehrung", "DM", "--anfangsbestand", "1=7"});
    EXPECT_EQ(e.status, 0) << e.err;
}

TEST(CliNeu, OhneWaehrungLehntDieWaehrungsmaskeAb) {
    test::TempVerzeichnis dir;
    auto e = cli({"neu", dir.pfad() + "/Club.26"});
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("[Fehler] Sie müssen eine Währung auswählen oder eingeben!\n"),
              std::string::npos);
}

TEST(CliNaechstesJahr, JahrhundertwechselMitPlanungen) {
    test::TempVerzeichnis dir;
    const std::string datei = dir.pfad() + "/Club.99";
    ASSERT_EQ(
        cli({"neu", datei, "--waehrung", "DM", "--konto", "1=Kasse", "--anfangsbestand", "1=100"})
            .status,
        0);
    auto e = cli({"naechstes-jahr", datei});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_NE(e.err.find("[Achtung!!] Wenn Sie noch Buchungen im Vorjahr durchführen, stimmen "
                         "diese neuen Anfangsbestände (00) nicht mehr!!"),
              std::string::npos);
    e = cli({"tabelle", dir.pfad() + "/Club.00"});
    ASSERT_EQ(e.status, 0);
    EXPECT_NE(e.out.find("AB\t 1. 1.\t\tAnfangsbestand\t   100.00\t -\t 1"), std::string::npos);

    e = cli({"naechstes-jahr", dir.pfad() + "/Club.00", "--jahr", "1x"});
    EXPECT_EQ(e.status, 1);
    EXPECT_NE(e.err.find("[Fehler!] \n\n1x ist kein Jahr (zweistellige Zahl!)"), std::string::npos);
}

// A refusal and a Cancel at any question of the year change end the command with 1.
TEST(CliNaechstesJahr, AbgelehntOderAbgebrochenEndetMitEins) {
    struct Fall {
        const char* was;
        const char* kurs; // the rate typed into the currency mask of the new club
        const char* antworten;
        int status;
    };
    const Fall faelle[] = {
        {"Euro-Jahr ohne Kurs", "0", "", 1},
        {"Umstellung abgebrochen", "1.95583", "abbruch", 1},
        {"Beitragssatz abgebrochen", "1.95583", "ok,abbruch", 1},
        {"Beitragssatz umgerechnet", "1.95583", "ok,ja", 0},
    };
    for (const Fall& f : faelle) {
        test::TempVerzeichnis dir;
        const std::string datei = dir.pfad() + "/Club.26";
        ASSERT_EQ(
            cli({"--antworten", "ok", "neu", datei, "--waehrung", "DM", "--kurs", f.kurs,
                 "--umstellungsjahr", "27", "--konto", "1=Kasse", "--anfangsbestand", "1=100"})
                .status,
            0)
            << f.was;
        // A standard rate, so that the year change offers it converted.
        ASSERT_EQ(cli({"mitglied", datei, "--nachname", "Meier"}).status, 0) << f.was;
        ASSERT_EQ(cli({"mitglieder-einstellungen", datei, "--konto", "1", "--betrag", "50"}).status,
                  0)
            << f.was;
        const auto e = cli({"--antworten", f.antworten, "naechstes-jahr", datei});
        EXPECT_EQ(e.status, f.status) << f.was << "\n" << e.err;
        EXPECT_EQ(std::filesystem::exists(dir.pfad() + "/Club.27"), f.status == 0) << f.was;
    }
}

TEST(CliNaechstesJahr, AbbruchBeimUeberschreibenEndetMitEins) {
    test::TempVerzeichnis dir;
    const std::string datei = dir.pfad() + "/Club.26";
    ASSERT_EQ(cli({"neu", datei, "--waehrung", "EUR", "--anfangsbestand", "1=5"}).status, 0);
    ASSERT_EQ(cli({"naechstes-jahr", datei}).status, 0);
    EXPECT_EQ(cli({"--antworten", "abbruch", "naechstes-jahr", datei}).status, 1);
    EXPECT_EQ(cli({"--antworten", "nein", "naechstes-jahr", datei}).status, 0);
}

} // namespace
} // namespace zalvor
