// zalvor-cli bankkonto and import on the demo club: its two statements booked with the books
// agreeing with the bank, nothing booked twice, nothing written by a preview, the exit
// statuses of bad input, and the import under a failing disk.
#include "clihilfe.h"
#include "fehlerlauf.h"
#include "ordnerbild.h"

#include "core/database/kontoauszuege.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iostream>

namespace zalvor {
namespace {

using test::cli;

// The live records of a booking file, in a fixed order.
std::vector<std::vector<std::uint8_t>> lebende(const std::vector<std::uint8_t>& datei) {
    std::vector<std::vector<std::uint8_t>> saetze;
    for (std::size_t i = 0; i + TBuchung::kGroesse <= datei.size(); i += TBuchung::kGroesse)
        if (!TBuchung::entpacken(datei.data() + i).geloescht())
            saetze.emplace_back(datei.begin() + static_cast<std::ptrdiff_t>(i),
                                datei.begin() +
                                    static_cast<std::ptrdiff_t>(i + TBuchung::kGroesse));
    std::sort(saetze.begin(), saetze.end());
    return saetze;
}

class Import : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli({"--heute", "2026-03-05", "demo", dir.pfad()}, dir.pfad()).status, 0);
        datei = dir.datei("Sportverein.26");
        maerz = dir.datei("Kontoauszug-Maerz.xml");
        april = dir.datei("Kontoauszug-April.sta");
    }

    test::CliErgebnis lauf(std::vector<std::string> args) {
        args.insert(args.begin(), {"--heute", "2026-04-30"});
        return cli(args, dir.pfad());
    }

    std::size_t verknuepft() const {
        const auto db = Datenbank::lesen(dir.datei("Sportverein.zdb"));
        return db ? verknuepfungen(*db, "26").size() : 0;
    }

    test::TempVerzeichnis dir;
    std::string datei, maerz, april;
};

TEST_F(Import, TheDemoStatementsAgreeWithTheBooksAndAreBookedOnce) {
    const auto vorher = test::ordnerbild(dir.pfad());
    const auto vorschau = lauf({"import", datei, maerz, "--vorschau"});
    EXPECT_EQ(vorschau.status, 0) << vorschau.err;
    EXPECT_EQ(test::ordnerbild(dir.pfad()), vorher);
    std::string ausgabe = lauf({"bankkonto", datei}).out;
    for (const auto& auszug : {maerz, april, maerz}) {
        const auto e = lauf({"import", datei, auszug});
        EXPECT_EQ(e.status, 0) << e.err;
        ausgabe += e.out;
    }
    EXPECT_EQ(verknuepft(), 16u);
    EXPECT_TRUE(test::wieGolden(ausgabe, "import_demo.txt"));
}

TEST_F(Import, BadInputEndsWithItsStatus) {
    std::ofstream(dir.datei("kaputt.xml")) << "<?xml version=\"1.0\"?>\n<Document>\n<Stmt>\n";
    std::ofstream(dir.datei("falsch.regeln")) << "miete => A 40\n";
    const std::string jugend = dir.datei("Jugendabteilung.26");
    const struct {
        std::vector<std::string> args;
        int status;
        const char* meldung;
    } faelle[] = {
        {{"import", datei, dir.datei("kaputt.xml")}, 1, "Zeile 4"},
        {{"import", datei, dir.datei("fehlt.xml")}, 3, "E/A-Fehler"},
        {{"import", jugend, maerz}, 2, "Kein Konto hat die IBAN"},
        {{"import", datei, maerz, "--regeln", dir.datei("falsch.regeln")}, 1, "Zeile 1"},
        {{"import", datei, maerz, "--konto", "10"}, 2, "--konto"},
        {{"bankkonto", datei, "--konto", "1", "--iban", "DE89370400440532013001"},
         1,
         "Ungültige IBAN!"},
        {{"bankkonto", datei, "--iban", "DE89370400440532013000"}, 2, "--konto"},
    };
    for (const auto& f : faelle) {
        const auto vorher = test::bytesLesen(datei);
        const auto e = lauf(f.args);
        EXPECT_EQ(e.status, f.status) << f.args[2] << ": " << e.err;
        EXPECT_NE(e.err.find(f.meldung), std::string::npos) << f.args[2] << ": " << e.err;
        EXPECT_EQ(test::bytesLesen(datei), vorher) << f.args[2];
    }
    EXPECT_EQ(verknuepft(), 0u);
}

// A failure at any step leaves the club whole; the retry then books every line exactly once,
// as the run without a fault did.
TEST_F(Import, AFailedImportIsCompletedByTheRetryWithoutBookingTwice) {
    const auto retten = [&] { return lauf({"import", datei, maerz}).status == 0; };
    const std::string basis = dir.datei("Sportverein");
    const auto verein = test::vereinspruefung(basis, "26");
    const auto pruefung = [&](const test::Laufbefund& b) {
        auto probleme = test::dateienGanz(b, [](const std::string& n) {
            return n.rfind("Sportverein.26", 0) == 0 || n.rfind("Sportverein.zdb", 0) == 0;
        });
        for (auto& p : test::vereinGanz(b, basis, "26"))
            probleme.push_back(std::move(p));
        const auto e = lauf({"--antworten", "ja,ja,ja", "import", datei, maerz});
        if (e.status != 0) probleme.push_back("Wiederholung: " + e.err);
        // The retry may first repair the indexes with a reorganisation, which drops the
        // deleted records: the live ones are compared.
        if (lebende(test::bytesLesen(datei)) != lebende(b.sollNeu.at("Sportverein.26")))
            probleme.push_back("Wiederholung: andere Buchungen als ohne Fehler");
        if (verknuepft() != 9)
            probleme.push_back("Wiederholung: " + std::to_string(verknuepft()) +
                               " verknüpfte Zeilen");
        return probleme;
    };
    const auto bericht = test::fehlerlaeufe(dir.pfad(), retten, pruefung, {{ENOSPC}, true});
    std::cout << "[ Fehlerläufe ] import: " << bericht.schritte << " Schritte, " << bericht.laeufe
              << " Läufe\n";
    EXPECT_GT(bericht.schritte, 0u);
    for (std::size_t i = 0; i < bericht.probleme.size() && i < 10; ++i)
        ADD_FAILURE() << bericht.probleme[i];
}

// Booking file, indexes and database change together or not at all, also when the program is
// killed at any step and the club is opened again.
TEST_F(Import, IsAllOrNothingAlsoWhenKilled) {
    test::Fehlerplan plan{{ENOSPC}, true};
    plan.oeffnen = [&] { lauf({"tabelle", datei}); };
    const auto bericht = test::fehlerlaeufe(
        dir.pfad(),
        [&] {
            return lauf({"import", datei, maerz}).status == 0;
        },
        test::ganzOderGarNicht, plan);
    std::cout << "[ Fehlerläufe ] import: " << bericht.schritte << " Schritte, " << bericht.laeufe
              << " Läufe, " << bericht.abbrueche << " Abbrüche\n";
    for (std::size_t i = 0; i < bericht.probleme.size() && i < 10; ++i)
        ADD_FAILURE() << bericht.probleme[i];
}

} // namespace
} // namespace zalvor
