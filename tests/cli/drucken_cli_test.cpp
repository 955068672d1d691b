// zalvor-cli druckoptionen and drucken: the dialog's checks on the stored settings, and the
// demo club's lists as PDF read back with pdftotext.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

namespace zalvor {
namespace {

using test::cli;

std::string pdfText(const std::string& pdf) {
    std::unique_ptr<FILE, int (*)(FILE*)> rohr(
        ::popen(("pdftotext -layout '" + pdf + "' - 2>/dev/null").c_str(), "r"), ::pclose);
    std::string text;
    std::array<char, 4096> puffer{};
    std::size_t n = 0;
    while (rohr && (n = std::fread(puffer.data(), 1, puffer.size(), rohr.get())) > 0)
        text.append(puffer.data(), n);
    return text;
}

class CliDrucken : public ::testing::Test {
  protected:
    // Printing reads the club only: one demo club serves every test.
    static void SetUpTestSuite() {
        demo_ = new test::TempVerzeichnis;
        ASSERT_EQ(cli({"--heute", "2026-12-07", "demo", demo_->pfad()}).status, 0);
    }
    static void TearDownTestSuite() {
        delete demo_;
        demo_ = nullptr;
    }
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(dir.datei("einstellungen")));
        datei = demo_->pfad() + "/Sportverein.26";
        liste = demo_->pfad() + "/Vereine.FL";
    }
    static inline test::TempVerzeichnis* demo_ = nullptr;
    test::TempVerzeichnis dir;
    std::string datei;
    std::string liste;
};

TEST_F(CliDrucken, DruckoptionenPruefenUndSpeichern) {
    const auto erst = cli({"druckoptionen"});
    EXPECT_EQ(erst.status, 0);
    EXPECT_NE(erst.err.find("[INFO] Es existiert noch kein Eintrag"), std::string::npos);
    EXPECT_NE(erst.out.find("Oben\t20\n"), std::string::npos);

    const auto falsch =
        cli({"druckoptionen", "--oben", "300", "--zeilenabstand", "fünf", "--spaltenabstand", "x"});
    EXPECT_EQ(falsch.status, 1);
    EXPECT_NE(falsch.err.find("[Fehler] Zeilenabstand ist keine Zahl!!!"), std::string::npos);
    EXPECT_EQ(falsch.err.find("Spaltenabstand"), std::string::npos);

    const auto gut = cli({"druckoptionen", "--oben", "300", "--seitennummern", "ja", "--anvon",
                          "nein", "--schrift2", "DejaVu Sans Mono:8"});
    EXPECT_EQ(gut.status, 0);
    EXPECT_EQ(gut.err.find("Information"), std::string::npos);
    const auto danach = cli({"druckoptionen"});
    EXPECT_NE(danach.out.find("Oben\t44\n"), std::string::npos);
    EXPECT_NE(danach.out.find("An/Von-Spalte\tnein\n"), std::string::npos);
    EXPECT_NE(danach.out.find("Schriftart 2\tDejaVu Sans Mono:8\n"), std::string::npos);

    EXPECT_EQ(cli({"druckoptionen", "--ueberschriften", "3"}).status, 2);
    EXPECT_EQ(cli({"druckoptionen", "--schrift1", "Sans"}).status, 2);
}

TEST_F(CliDrucken, ListenAlsPdf) {
    const std::string pdf = dir.datei("ea.pdf");
    const auto ea = cli({"--heute", "2026-12-07", "drucken", datei, "--pdf", pdf, "liste", "ea"});
    ASSERT_EQ(ea.status, 0) << ea.err;
    EXPECT_NE(ea.err.find("Oben\t20\n"), std::string::npos); // the settings used
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Ein/Aus - Liste für Datei:"), std::string::npos);
    EXPECT_NE(text.find("Einnahmen:"), std::string::npos);
    EXPECT_NE(text.find("Schiedsrichter Heimspiel"), std::string::npos);
    EXPECT_NE(text.find("Kreisverband"), std::string::npos);
    // With the default fonts the last column still fits across the upright page.
    EXPECT_NE(text.find("Betrag (EUR) Konto\n"), std::string::npos);

    ASSERT_EQ(cli({"druckoptionen", "--anvon", "nein"}).status, 0);
    const std::string alle = dir.datei("alle.pdf");
    ASSERT_EQ(
        cli({"--heute", "2026-12-07", "drucken", datei, "--pdf", alle, "liste", "alle"}).status, 0);
    const std::string t = pdfText(alle);
    EXPECT_NE(t.find("Auszahlungen:"), std::string::npos);
    EXPECT_EQ(t.find("Kreisverband"), std::string::npos);
    EXPECT_EQ(t.find("An/Von"), std::string::npos);

    EXPECT_EQ(cli({"drucken", datei, "--pdf", dir.datei("x/y.pdf"), "liste", "ea"}).status, 3);
    EXPECT_EQ(cli({"drucken", datei, "--pdf", pdf, "liste", "konto", "10"}).status, 2);
    EXPECT_EQ(cli({"drucken", datei, "liste", "ea"}).status, 2);
}

// Settings that cannot be stored end the command with 3, also on the very first run.
TEST_F(CliDrucken, UnspeicherbareDruckoptionenEndenMit3) {
    test::textSchreiben(dir.datei("einstellungen"), "");
    const auto r = cli({"druckoptionen", "--oben", "60"});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("[FEHLER!] Fehler beim Zugriff auf die Windows-Registrierung"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.out.find("Oben\t60"), std::string::npos) << r.out;
}

TEST_F(CliDrucken, AbschlussAlsPdf) {
    const std::string pdf = dir.datei("abschluss.pdf");
    const auto jahr = cli({"--heute", "2026-12-07", "drucken", datei, "--pdf", pdf, "abschluss"});
    ASSERT_EQ(jahr.status, 0) << jahr.err;
    const std::string t = pdfText(pdf);
    for (const char* text :
         {"Jahresabschluß 26 vom 7.12.26 (Datei: ", "Alle Beträge in EUR",
          "Kontenbestände:", "Geldbestand:", "Ausgabenbilanz:",
          "Einzelbilanz der Ausgabetypen-Gruppe(n):", "Laufender Betr.", "Einnahmenbilanz:",
          "Einzelbilanz der Einnahmetypen-Gruppe(n):", "Gewinn- / Verlustrechnung:", "(Verlust)"})
        EXPECT_NE(t.find(text), std::string::npos) << text;
    // The page count the command reports is the PDF's.
    const auto seiten = std::count(t.begin(), t.end(), '\f');
    EXPECT_NE(jahr.out.find("\t" + std::to_string(seiten) + " Seite"), std::string::npos)
        << jahr.out;

    const auto maerz =
        cli({"--heute", "2026-12-07", "drucken", datei, "--pdf", pdf, "abschluss", "--monat", "3"});
    ASSERT_EQ(maerz.status, 0) << maerz.err;
    EXPECT_NE(pdfText(pdf).find("Monatsabschluß für März"), std::string::npos);
    EXPECT_EQ(cli({"drucken", datei, "--pdf", pdf, "abschluss", "--monat", "13"}).status, 1);
    EXPECT_EQ(cli({"drucken", datei, "--pdf", pdf, "abschluss", "--umrechnen"}).status, 2);
}

TEST_F(CliDrucken, MehrdateiabschlussAlsPdf) {
    const std::string pdf = dir.datei("mehrdatei.pdf");
    const auto r = cli({"--heute", "2026-12-07", "drucken", liste, "--pdf", pdf,
                        "mehrdateiabschluss", "--monat", "3"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string t = pdfText(pdf);
    for (const char* text : {"Mehr-Datei-Monatsabschluß", " 26 vom 7.12.26\n", "Buchungs-Datei",
                             "Jugendabteilung.26", "Gewinn- / Verlustrechnung:"})
        EXPECT_NE(t.find(text), std::string::npos) << text;
    for (const char* fehlt : {"Kontenbestände:", "(Datei: ", "Typengruppe"})
        EXPECT_EQ(t.find(fehlt), std::string::npos) << fehlt;
    // Landscape pages give the wide lists room.
    ASSERT_EQ(cli({"drucken", datei, "--pdf", pdf, "--quer", "liste", "einfach"}).status, 0);
    std::unique_ptr<FILE, int (*)(FILE*)> info(::popen(("pdfinfo '" + pdf + "'").c_str(), "r"),
                                               ::pclose);
    std::array<char, 4096> puffer{};
    const std::size_t n = info ? std::fread(puffer.data(), 1, puffer.size(), info.get()) : 0;
    EXPECT_NE(std::string(puffer.data(), n).find("842 x 595"), std::string::npos);
    EXPECT_EQ(cli({"drucken", liste, "--pdf", pdf, "mehrdateiabschluss", "--monat", "0"}).status,
              1);
    EXPECT_EQ(cli({"drucken", dir.pfad() + "/Fehlt.FL", "--pdf", pdf, "mehrdateiabschluss"}).status,
              1);
    EXPECT_EQ(cli({"drucken", liste, "--pdf", pdf, "mehrdateiabschluss", "--umrechnen"}).status, 2);
}

TEST_F(CliDrucken, MitgliederlisteAlsPdf) {
    const std::string pdf = dir.datei("mitglieder.pdf");
    const auto r = cli({"--heute", "2026-12-07", "drucken", datei, "--pdf", pdf, "mitgliederliste",
                        "--spalten", "beschreibung,frei1", "--bez-stil", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\t1 Seite\n"), std::string::npos);
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Mitgliederliste für Datei:"), std::string::npos);
    EXPECT_NE(text.find("(Stand: 7.12.26)"), std::string::npos);
    EXPECT_NE(text.find("Schäfer, Ute"), std::string::npos);
    EXPECT_NE(text.find("Beitrag"), std::string::npos);
    EXPECT_NE(text.find("Straße"), std::string::npos); // free field 1
    EXPECT_NE(text.find("Hauptstraße 1"), std::string::npos);
    EXPECT_NE(text.find("[X]"), std::string::npos);
    EXPECT_NE(text.find("[ ]"), std::string::npos); // "[  ]", its blanks as pdftotext reads them
    EXPECT_EQ(text.find("Beitragssatz"), std::string::npos); // the amount was not chosen

    EXPECT_EQ(cli({"drucken", datei, "--pdf", pdf, "mitgliederliste", "--bez-stil", "4"}).status,
              2);
    EXPECT_EQ(cli({"drucken", datei, "--pdf", pdf, "mitgliederliste", "--spalten", "frei6"}).status,
              2);
}

TEST_F(CliDrucken, SollIstAlsPdf) {
    const std::string pdf = dir.datei("sollist.pdf");
    const auto e = cli({"--heute", "2026-12-07", "drucken", datei, "--pdf", pdf, "soll-ist"});
    ASSERT_EQ(e.status, 0) << e.err;
    EXPECT_NE(e.out.find("\t1 Seite\n"), std::string::npos) << e.out;
    const std::string text = pdfText(pdf);
    for (const char* t : {"Soll-Ist-Vergleich für Datei:", "Alle Beträge in EUR",
                          "Ausgabetypen:", "Einnahmetypen:", "Planv.(Soll)", "Getränkeverkauf",
                          "-339.50", "8376.75"})
        EXPECT_NE(text.find(t), std::string::npos) << t;
    EXPECT_EQ(cli({"drucken", datei, "--pdf", pdf, "soll-ist", "x"}).status, 2);
}

} // namespace
} // namespace zalvor
