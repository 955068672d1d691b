// Every write path of zalvor-cli with each of its file operations failing in turn: the club
// stays whole, and a run that reports success has done all of its work.
#include "clihilfe.h"
#include "fehlerlauf.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
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

    bool lauf(std::vector<std::string> args, const std::string& antworten = {},
              const std::string& heute = "2026-03-05") {
        std::vector<std::string> alle{"--heute", heute, "--antworten", antworten};
        alle.insert(alle.end(), args.begin(), args.end());
        const auto e = cli(alle, dir.pfad());
        // A failure is reported as I/O failure 3 or refused save 1; a read that fails while
        // the dialog lists are filled makes an argument unknown (2).
        if (e.status < 0 || e.status > 3) ADD_FAILURE() << "Status " << e.status << ": " << e.err;
        return e.status == 0;
    }

    // Every command is all or nothing: after a failure at any step, and after the program
    // was killed at any step and the club opened again, the club is as before or as after.
    void pruefen(const std::string& pfad, const std::function<bool()>& befehl,
                 const test::Pruefung& pruefung = test::ganzOderGarNicht) {
        // A full disk, once for a single failing step and once for it and every later one;
        // the other error numbers take the same paths (ZALVOR_ALLE_FEHLER=1 runs them all).
        test::Fehlerplan plan{{ENOSPC}, true};
        if (std::getenv("ZALVOR_ALLE_FEHLER")) plan = test::Fehlerplan{};
        plan.oeffnen = [&] { lauf({"tabelle", datei}); };
        const auto bericht = test::fehlerlaeufe(dir.pfad(), befehl, pruefung, plan);
        std::cout << "[ Fehlerläufe ] " << pfad << ": " << bericht.schritte << " Schritte, "
                  << bericht.laeufe << " Läufe, " << bericht.abbrueche << " Abbrüche\n";
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

TEST_F(Fehlerlauf, Mitglieder) {
    pruefen("mitglied", [&] {
        return lauf({"mitglied", datei, "--nachname", "Neumann", "--vorname", "Nina"});
    });
    pruefen("mitglied --aendern", [&] {
        return lauf({"mitglied", datei, "--aendern", "2", "--feld", "4=0170 1234", "--satz", "2"});
    });
    pruefen("mitglied --aendern --nachname", [&] {
        return lauf({"mitglied", datei, "--aendern", "0", "--nachname", "Zorn"});
    });
    pruefen("mitglied-entfernen", [&] { return lauf({"mitglied-entfernen", datei, "4"}, "ja"); });
    pruefen("mitglieder-einstellungen", [&] {
        return lauf({"mitglieder-einstellungen", datei, "--betrag", "72,5", "--feld", "4=Handy"});
    });
    pruefen("beitragssaetze", [&] {
        return lauf({"beitragssaetze", datei, "--satz", "3=Familie:90,5"});
    });
}

// In this order: the demo has members who have not paid, the first reset plans them, after
// the second every member is open for booking.
TEST_F(Fehlerlauf, BeitraegeBuchenUndZuruecksetzen) {
    // Planning the outstanding contributions books them in one batch, then clears the marks.
    pruefen("beitraege-reset (planen)", [&] { return lauf({"beitraege-reset", datei}, "ok,ja"); });
    pruefen("beitraege-reset (ohne Planung)", [&] {
        return lauf({"beitraege-reset", datei}, "ok,nein,ok");
    });
    pruefen("beitraege-buchen", [&] { return lauf({"beitraege-buchen", datei, "--alle"}); });
}

TEST_F(Fehlerlauf, OeffnenMitAutomatischenBuchungenUndImport) {
    // Two months of the hall rent are due in April: the second may fail after the first.
    pruefen("oeffnen (automatische Buchungen)", [&] {
        return lauf({"oeffnen", datei}, {}, "2026-04-10");
    });
    // The register in its old form only: opening imports it.
    const auto karte = test::bytesLesen(basis + ".MGB");
    std::vector<std::uint8_t> alt;
    for (std::size_t i = 0; i + 174 <= karte.size() && i < 3 * 174; i += 174)
        alt.insert(alt.end(), karte.begin() + static_cast<std::ptrdiff_t>(i),
                   karte.begin() + static_cast<std::ptrdiff_t>(i + 173));
    test::bytesSchreiben(basis + ".MGL", alt);
    std::filesystem::remove(basis + ".MGB");
    pruefen("oeffnen (Import der alten Kartei)", [&] { return lauf({"oeffnen", datei}); });
}

TEST_F(Fehlerlauf, Dateilisten) {
    const std::string jugend = dir.datei("Jugendabteilung.26");
    pruefen("dateiliste --neu", [&] {
        return lauf({"dateiliste", dir.datei("Neu.FL"), "--neu", "--hinzufuegen", datei});
    });
    pruefen("dateiliste --hinzufuegen", [&] {
        return lauf(
            {"dateiliste", dir.datei("Vereine.FL"), "--entfernen", "1", "--hinzufuegen", jugend});
    });
    pruefen("dateiliste --entfernen", [&] {
        return lauf({"dateiliste", dir.datei("Vereine.FL"), "--entfernen", "0"});
    });
    pruefen("dateiliste (Jahreskorrektur)", [&] {
        return lauf({"dateiliste", dir.datei("Vereine-Vorjahr.FL")}, "Ja");
    });
}

// A rewrite that cannot be made (a folder holds the name of its temporary file) is an
// input/output failure: status 3 with the message of the file, the old file whole.
TEST_F(Fehlerlauf, GescheiterteSpeicherungEndetMitStatus3) {
    struct Fall {
        const char* blockiert; // temporary file made impossible
        std::vector<std::string> args;
        const char* heute;
        const char* meldung;
        const char* ganz; // file that must stay as it was
    };
    const std::vector<Fall> faelle{
        {"Sportverein.BTR.zlv-neu",
         {"mitglieder-einstellungen", datei, "--betrag", "70"},
         "2026-03-05",
         "[Fehler] Fehler beim Speichern der Beitragssätze!",
         "Sportverein.BTR"},
        {"Sportverein.BTR.zlv-neu",
         {"beitragssaetze", datei, "--satz", "3=Familie:90"},
         "2026-03-05",
         "[Fehler] Fehler beim Speichern der Beitragssätze!",
         "Sportverein.BTR"},
        {"Sportverein.MGB.zlv-neu",
         {"mitglied", datei, "--aendern", "0", "--nachname", "Zorn"},
         "2026-03-05",
         "[Schreibfehler] Datensatz konnte nicht geschrieben werden!",
         "Sportverein.MGB"},
        {"Sportverein.tmp", {"oeffnen", datei}, "2026-04-10", "E/A-Fehler", "Sportverein.SBD"},
    };
    for (const Fall& f : faelle) {
        const auto ganz = test::bytesLesen(dir.datei(f.ganz));
        std::filesystem::create_directory(dir.datei(f.blockiert));
        std::vector<std::string> alle{"--heute", f.heute};
        alle.insert(alle.end(), f.args.begin(), f.args.end());
        const auto e = cli(alle, dir.pfad());
        std::filesystem::remove(dir.datei(f.blockiert));
        EXPECT_EQ(e.status, 3) << f.args[0] << ": " << e.err;
        EXPECT_NE(e.err.find(f.meldung), std::string::npos) << f.args[0] << ": " << e.err;
        if (f.args[0] != "oeffnen") {
            EXPECT_EQ(test::bytesLesen(dir.datei(f.ganz)), ganz) << f.args[0];
        }
    }
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
    pruefen("neu", [&] {
        return lauf({"neu", dir.datei("Club.26"), "--waehrung", "DM", "--konto", "1=Kasse",
                     "--anfangsbestand", "1=100"});
    });
    pruefen("naechstes-jahr", [&] { return lauf({"naechstes-jahr", datei}); });
}

TEST_F(Fehlerlauf, Zuordnungsregeln) {
    pruefen("regeln", [&] {
        return lauf({"regeln", datei, "--hinzufuegen", "halle", "--typ", "1", "--seite", "A"});
    });
}

TEST_F(Fehlerlauf, GlaeubigerMandatLastschrift) {
    ASSERT_TRUE(lauf({"bankkonto", datei, "--konto", "2", "--iban", "DE89370400440532013000"}));
    pruefen("glaeubiger", [&] {
        return lauf({"glaeubiger", datei, "--id", "DE98ZZZ09999999999", "--name", "SV Lindenau",
                     "--konto", "2"});
    });
    pruefen("mandat", [&] {
        return lauf(
            {"mandat", datei, "3", "--iban", "DE02120300000000202051", "--datum", "2025-06-01"});
    });
    // The file and the ids it leaves in the database carry the time of day: after a
    // success they differ from the run without a fault.
    pruefen(
        "lastschrift",
        [&] {
            return lauf({"lastschrift", datei, "--faellig", "2026-03-09", "--ausgabe",
                         dir.datei("Lastschrift.xml")});
        },
        [](const test::Laufbefund& b) {
            auto probleme = test::ganzOderGarNicht(b);
            if (b.gemeldetFertig)
                std::erase_if(probleme, [&](const std::string& p) {
                    return p.rfind("Lastschrift.xml: verändert", 0) == 0 ||
                           (p.rfind("Sportverein.zdb", 0) == 0 && b.jetzt.count("Lastschrift.xml"));
                });
            return probleme;
        });
    EXPECT_TRUE(std::filesystem::exists(dir.datei("Lastschrift.xml")));
}

} // namespace
} // namespace zalvor
