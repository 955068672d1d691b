// Every write path of zalvor-cli with each of its file operations failing in turn: the club
// stays whole, and a run that reports success has done all of its work.
#include "clihilfe.h"
#include "fehlerlauf.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>

namespace zalvor {
namespace {

using test::cli;

// The demo club of 2026 in a folder of its own; the program folder is the same folder, so
// that the Euro label is written there too.
class Fehlerlauf : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"--heute", "2026-03-05", "demo", dir.pfad()}, dir.pfad()).status, 0);
        basis = dir.datei("Sportverein");
        datei = basis + ".26";
    }

    bool lauf(std::vector<std::string> args, const std::string& antworten = {}) {
        std::vector<std::string> alle{"--heute", "2026-03-05", "--antworten", antworten};
        alle.insert(alle.end(), args.begin(), args.end());
        const auto e = cli(alle, dir.pfad());
        // A failure is reported as I/O failure 3 or refused save 1; a read that fails while
        // the dialog lists are filled makes an argument unknown (2).
        if (e.status < 0 || e.status > 3) ADD_FAILURE() << "Status " << e.status << ": " << e.err;
        return e.status == 0;
    }

    void pruefen(const std::string& pfad, const std::function<bool()>& befehl,
                 const std::string& jahr = "26", const std::string& verein = {},
                 const test::Pruefung& pruefung = {}) {
        // A full disk, once for a single failing step and once for it and every later one;
        // the other error numbers take the same paths (ZALVOR_ALLE_FEHLER=1 runs them all).
        test::Fehlerplan plan{{ENOSPC}, true};
        if (std::getenv("ZALVOR_ALLE_FEHLER")) plan = test::Fehlerplan{};
        const auto bericht = test::fehlerlaeufe(
            dir.pfad(), befehl,
            pruefung ? pruefung : test::vereinspruefung(verein.empty() ? basis : verein, jahr),
            plan);
        std::cout << "[ Fehlerläufe ] " << pfad << ": " << bericht.schritte << " Schritte, "
                  << bericht.laeufe << " Läufe\n";
        EXPECT_GT(bericht.schritte, 0u);
        for (std::size_t i = 0; i < bericht.probleme.size() && i < 10; ++i)
            ADD_FAILURE() << bericht.probleme[i];
        EXPECT_TRUE(bericht.probleme.empty()) << bericht.probleme.size() << " Probleme";
    }

    test::TempVerzeichnis dir;
    std::string basis;
    std::string datei;
};

TEST_F(Fehlerlauf, BuchenUmbuchenAendernLoeschen) {
    pruefen("buchen", [&] {
        return lauf({"buchen", datei, "--einnahme", "--betrag", "12,5", "--konto", "1", "--text",
                     "Spende"});
    });
    pruefen("umbuchen", [&] {
        return lauf({"umbuchen", datei, "--von", "1", "--nach", "2", "--betrag", "5"});
    });
    pruefen("buchen --aendern", [&] {
        return lauf({"buchen", datei, "--aendern", "12", "--betrag", "99999", "--text", "AAA"});
    });
    pruefen("loeschen", [&] { return lauf({"loeschen", datei, "12"}, "ja"); });
}

TEST_F(Fehlerlauf, Reorganisation) {
    pruefen("reorganisieren", [&] { return lauf({"reorganisieren", datei}, "ja"); });
}

TEST_F(Fehlerlauf, Einstellungen) {
    pruefen("definitionen --neu-schreiben", [&] {
        return lauf({"definitionen", "--neu-schreiben", datei});
    });
    pruefen("mwst", [&] { return lauf({"mwst", datei, "--satz", "7"}); });
    pruefen("waehrung", [&] { return lauf({"waehrung", datei, "--kurs", "1.9"}, "ok,ok,ok"); });
    pruefen("eurosymbol", [&] { return lauf({"eurosymbol", "--ja"}); });
}

// The member card's saves; the settings, rates and contributions paths still report success
// after a failed save and are not in this run yet.
TEST_F(Fehlerlauf, Mitglieder) {
    pruefen("mitglied", [&] {
        return lauf({"mitglied", datei, "--nachname", "Neumann", "--vorname", "Nina"});
    });
    pruefen("mitglied-entfernen", [&] { return lauf({"mitglied-entfernen", datei, "4"}, "ja"); });
}

TEST_F(Fehlerlauf, SchablonenPlanwerteGruppenCodewort) {
    pruefen("schablone-buchen", [&] { return lauf({"schablone-buchen", datei, "0"}); });
    pruefen("schablone-loeschen", [&] { return lauf({"schablone-loeschen", datei, "0"}, "ja"); });
    pruefen("schablone-wiederholung", [&] {
        return lauf({"schablone-wiederholung", datei, "0", "monatlich"});
    });
    pruefen("planvorgaben", [&] {
        return lauf({"planvorgaben", datei, "--einnahme", "--setzen", "1=500"});
    });
    pruefen("typengruppen", [&] {
        return lauf({"typengruppen", datei, "--ausgabe", "--zuordnen", "1=2"});
    });
    pruefen("codeschutz", [&] { return lauf({"codeschutz", datei}, "geheim,geheim,nein"); });
}

TEST_F(Fehlerlauf, NeueDateiUndNaechstesJahr) {
    pruefen(
        "neu",
        [&] {
            return lauf({"neu", dir.datei("Club.26"), "--waehrung", "DM", "--konto", "1=Kasse",
                         "--anfangsbestand", "1=100"});
        },
        "26", {},
        [&](const test::Laufbefund& b) {
            // The new club is made in several saves: a failure leaves the files made so far,
            // each of them whole, and nothing of the demo club is touched.
            std::vector<std::string> probleme;
            for (const auto& [name, inhalt] : b.jetzt) {
                // "~lub.26" is the backup the reorganisation at its end makes.
                if (name.rfind("Club", 0) == 0 || name.rfind("~lub", 0) == 0) {
                    if ((name == "Club.26" || name == "~lub.26") && inhalt.size() % 70 != 0)
                        probleme.push_back(name + ": unvollständiger Datensatz");
                    if (name.find(".zlv-neu") != std::string::npos &&
                        b.vorgang != testhaken::Vorgang::Loeschen && !b.dauerhaft)
                        probleme.push_back(name + ": unerklärt");
                    continue;
                }
                auto alt = b.vorher.find(name);
                if (alt == b.vorher.end() || alt->second != inhalt)
                    probleme.push_back(name + ": verändert");
            }
            return probleme;
        });
    pruefen(
        "naechstes-jahr",
        [&] {
            return lauf({"naechstes-jahr", datei});
        },
        "27");
}

} // namespace
} // namespace zalvor
