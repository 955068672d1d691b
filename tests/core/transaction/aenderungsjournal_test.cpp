// The journal undoes every kind of change the file layer makes, by itself and after a kill.
#include "fehlerlauf.h"
#include "tempverzeichnis.h"

#include "core/common/dateisystem.h"
#include "core/database/datenbank.h"
#include "core/transaction/aenderungsjournal.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace zalvor {
namespace {

// The journal watches the file layer as the command's scope does.
struct Beobachtung : aenderungen::Beobachter {
    explicit Beobachtung(Aenderungsjournal& j) : journal(j) { aenderungen::beobachten(this); }
    ~Beobachtung() override { aenderungen::beobachten(nullptr); }
    void vorAenderung(const std::string& p, aenderungen::Art a, std::uint64_t o,
                      std::uint64_t n) override {
        journal.vorAenderung(p, a, o, n);
    }
    std::string vorDatenbankCommit(const std::string&) override { return {}; }
    void nachDatenbankCommit() override {}
    Aenderungsjournal& journal;
};

const std::vector<std::uint8_t> kNeu{'n', 'e', 'u'};

struct Fall {
    const char* name;
    std::function<void(const std::string& ordner)> aendern;
};

const Fall kFaelle[] = {
    {"anhaengen",
     [](const std::string& o) {
         BinaerDatei d(o + "/a", BinaerDatei::Modus::LesenSchreiben);
         d.anhaengen(kNeu.data(), kNeu.size());
         d.anhaengen(kNeu.data(), kNeu.size());
     }},
    {"ueberschreiben und verlaengern",
     [](const std::string& o) {
         BinaerDatei d(o + "/a", BinaerDatei::Modus::LesenSchreiben);
         d.schreiben(1, kNeu.data(), kNeu.size());
         d.schreiben(4, kNeu.data(), kNeu.size());
     }},
    {"ersetzen",
     [](const std::string& o) {
         Ersetzung e(o + "/b", kNeu, o + "/b.tmp");
         e.umschalten();
     }},
    {"loeschen, kuerzen, neu anlegen",
     [](const std::string& o) {
         dateiLoeschen(o + "/b");
         BinaerDatei(o + "/a", BinaerDatei::Modus::LesenSchreiben).kuerzen(1);
         leereDateiAnlegen(o + "/c");
     }},
    {"umbenennen", [](const std::string& o) { dateiUmbenennen(o + "/a", o + "/b"); }},
};

class AenderungsjournalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::bytesSchreiben(dir.datei("a"), {'a', 'l', 't'});
        test::bytesSchreiben(dir.datei("b"), {'b'});
        ::chmod(dir.datei("b").c_str(), 0600);
        vorher = test::ordnerLesen(dir.pfad());
    }
    test::TempVerzeichnis dir;
    test::Ordnerstand vorher;
};

TEST_F(AenderungsjournalTest, NimmtJedeAenderungZurueckAuchNachEinemAbbruch) {
    for (const Fall& f : kFaelle) {
        for (bool abgebrochen : {false, true}) {
            test::ordnerHerstellen(dir.pfad(), vorher);
            ::chmod(dir.datei("b").c_str(), 0600);
            {
                Aenderungsjournal j(dir.datei("x.jnl"));
                {
                    Beobachtung b(j);
                    f.aendern(dir.pfad());
                }
                EXPECT_NE(test::ordnerLesen(dir.pfad()), vorher) << f.name;
                if (!abgebrochen) j.zuruecknehmen();
            }
            // Killed: the journal stays for the next opening.
            if (abgebrochen) {
                EXPECT_EQ(journalAbspielen(dir.datei("x.jnl")), Journalausgang::Zurueckgenommen)
                    << f.name;
            }
            EXPECT_EQ(test::ordnerLesen(dir.pfad()), vorher) << f.name << abgebrochen;
            struct stat st {};
            ASSERT_EQ(::stat(dir.datei("b").c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 0777, 0600u) << f.name;
        }
    }
}

TEST_F(AenderungsjournalTest, AbgeschlossenBleibtEinEintragOhneAenderungZaehltNicht) {
    {
        Aenderungsjournal j(dir.datei("x.jnl"));
        Beobachtung b(j);
        kFaelle[0].aendern(dir.pfad());
        j.abschliessen();
    }
    EXPECT_FALSE(dateiExistiert(dir.datei("x.jnl")));
    const auto neu = test::ordnerLesen(dir.pfad());
    {
        // The entry for the second change was cut short: that change was never made.
        Aenderungsjournal j(dir.datei("x.jnl"));
        Beobachtung b(j);
        kFaelle[2].aendern(dir.pfad());
    }
    auto roh = test::bytesLesen(dir.datei("x.jnl"));
    test::ordnerHerstellen(dir.pfad(), neu);
    roh.resize(roh.size() - 3);
    test::bytesSchreiben(dir.datei("x.jnl"), roh);
    EXPECT_EQ(journalAbspielen(dir.datei("x.jnl")), Journalausgang::Zurueckgenommen);
    EXPECT_EQ(test::ordnerLesen(dir.pfad()), neu);
    EXPECT_EQ(journalAbspielen(dir.datei("x.jnl")), Journalausgang::Keines);
}

// The database's commit with the journal's mark is the commit point: after it the command is
// complete, and the journal only has to go.
TEST_F(AenderungsjournalTest, NachDemCommitDerDatenbankBleibtDieAenderung) {
    auto db = Datenbank::schreiben(dir.datei("v.zdb"));
    ASSERT_TRUE(db);
    const auto ohneDb = [&](test::Ordnerstand o) {
        std::erase_if(
            o, [](const auto& e) { return e.first.rfind("v.zdb", 0) == 0 || e.first == "x.jnl"; });
        return o;
    };
    test::Ordnerstand nachher;
    {
        Aenderungsjournal j(dir.datei("x.jnl"));
        Beobachtung b(j);
        kFaelle[0].aendern(dir.pfad());
        Transaktion t(*db);
        t.festschreiben(j.datenbankVermerken(dir.datei("v.zdb")));
        nachher = ohneDb(test::ordnerLesen(dir.pfad()));
    }
    EXPECT_EQ(journalAbspielen(dir.datei("x.jnl")), Journalausgang::Abgeschlossen);
    EXPECT_EQ(ohneDb(test::ordnerLesen(dir.pfad())), nachher);
}

} // namespace
} // namespace zalvor
