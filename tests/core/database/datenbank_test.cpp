// Opening the club database: made only by writers, migrated in order, newer or foreign files
// refused untouched, changes only through a committed transaction.
#include "ordnerbild.h"
#include "tempverzeichnis.h"

#include "core/common/fehler.h"
#include "core/database/datenbank.h"
#include "core/database/inhalt.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zalvor::test {
namespace {

// Three versions; each migration logs its number, so the order they ran in is visible.
constexpr std::array kDrei{
    Migration{"CREATE TABLE log (nr INTEGER PRIMARY KEY, v INTEGER) STRICT;"
              "INSERT INTO log (v) VALUES (1); PRAGMA application_id = 1514952260;"
              "PRAGMA user_version = 1;"},
    Migration{"INSERT INTO log (v) VALUES (2); PRAGMA user_version = 2;"},
    Migration{"INSERT INTO log (v) VALUES (3); PRAGMA user_version = 3;"}};

std::int64_t zahl(const Datenbank& db, const char* sql) {
    auto a = db.verbindung().anweisung(sql);
    return a.zeile() ? a.zahl(0) : -1;
}

std::vector<std::int64_t> protokoll(const Datenbank& db) {
    std::vector<std::int64_t> v;
    auto a = db.verbindung().anweisung("SELECT v FROM log ORDER BY nr");
    while (a.zeile())
        v.push_back(a.zahl(0));
    return v;
}

struct Ordner {
    TempVerzeichnis dir;
    std::string pfad = dir.datei("Verein.zdb");
};

// Without a file, and with SQLite's empty database (0 bytes).
TEST(Datenbank, AReaderNeverMakesTheFileAndSeesTheSchemaEmpty) {
    for (bool leereDatei : {false, true}) {
        Ordner o;
        if (leereDatei) bytesSchreiben(o.pfad, {});
        const auto vorher = ordnerbild(o.dir.pfad());
        auto db = Datenbank::lesen(o.pfad);
        ASSERT_TRUE(db) << db.meldung();
        EXPECT_TRUE(db->imSpeicher());
        EXPECT_FALSE(db->schreibbar());
        EXPECT_EQ(zahl(*db, "SELECT count(*) FROM bankkonto"), 0);
        EXPECT_EQ(ordnerbild(o.dir.pfad()), vorher);
    }
}

TEST(Datenbank, AReaderSeesWhatWasCommittedWhileAWriterIsAtWork) {
    Ordner o;
    auto schreiber = Datenbank::schreiben(o.pfad);
    ASSERT_TRUE(schreiber);
    Transaktion t(*schreiber);
    t.zumSchreiben().anweisung("INSERT INTO zaehler (name, wert) VALUES ('x', 1)").ausfuehren();
    auto leser = Datenbank::lesen(o.pfad);
    ASSERT_TRUE(leser);
    EXPECT_EQ(zahl(*leser, "SELECT count(*) FROM zaehler"), 0);
}

TEST(Datenbank, AWriterMakesItWithTheCurrentVersionAndItsSettings) {
    Ordner o;
    auto db = Datenbank::schreiben(o.pfad);
    ASSERT_TRUE(db) << db.meldung();
    EXPECT_EQ(zahl(*db, "PRAGMA user_version"), static_cast<std::int64_t>(vereinsschema().size()));
    EXPECT_EQ(zahl(*db, "PRAGMA application_id"), kAnwendungsKennung);
    EXPECT_EQ(zahl(*db, "PRAGMA foreign_keys"), 1);
    EXPECT_EQ(zahl(*db, "PRAGMA synchronous"), 3); // EXTRA
    auto modus = db->verbindung().anweisung("PRAGMA journal_mode");
    ASSERT_TRUE(modus.zeile());
    EXPECT_EQ(modus.text(0), "delete");
    EXPECT_TRUE(std::filesystem::exists(o.pfad));
}

TEST(Datenbank, MigratesFromEveryEarlierVersionInOrder) {
    for (std::size_t von = 0; von < kDrei.size(); ++von) {
        Ordner o;
        if (von > 0) {
            ASSERT_TRUE(Datenbank::schreiben(o.pfad, Schema(kDrei).first(von)));
        }
        auto db = Datenbank::schreiben(o.pfad, kDrei);
        ASSERT_TRUE(db) << db.meldung();
        EXPECT_EQ(zahl(*db, "PRAGMA user_version"), 3);
        EXPECT_EQ(protokoll(*db), (std::vector<std::int64_t>{1, 2, 3})) << "von " << von;
    }
}

TEST(Datenbank, AReaderBringsAnOlderVersionUpToDate) {
    Ordner o;
    ASSERT_TRUE(Datenbank::schreiben(o.pfad, Schema(kDrei).first(1)));
    auto db = Datenbank::lesen(o.pfad, kDrei);
    ASSERT_TRUE(db) << db.meldung();
    EXPECT_FALSE(db->imSpeicher());
    EXPECT_EQ(protokoll(*db), (std::vector<std::int64_t>{1, 2, 3}));
}

TEST(Datenbank, AFailingMigrationLeavesTheEarlierVersionWhole) {
    Ordner o;
    ASSERT_TRUE(Datenbank::schreiben(o.pfad, Schema(kDrei).first(1)));
    const auto vorher = datenbankInhalt(o.pfad);
    const std::array kaputt{kDrei[0], kDrei[1], Migration{"INSERT INTO fehlt VALUES (1);"}};
    EXPECT_THROW(Datenbank::schreiben(o.pfad, kaputt), EAFehler);
    EXPECT_EQ(datenbankInhalt(o.pfad), vorher);
}

TEST(Datenbank, ANewerDatabaseIsRefusedAndNeverChanged) {
    Ordner o;
    ASSERT_TRUE(Datenbank::schreiben(o.pfad, kDrei));
    const auto bytes = bytesLesen(o.pfad);
    const auto schreiben = Datenbank::schreiben(o.pfad, Schema(kDrei).first(2));
    const auto lesen = Datenbank::lesen(o.pfad, Schema(kDrei).first(2));
    EXPECT_FALSE(schreiben);
    EXPECT_FALSE(lesen);
    EXPECT_NE(schreiben.meldung().find("neueren"), std::string::npos);
    EXPECT_EQ(bytesLesen(o.pfad), bytes);
}

TEST(Datenbank, RefusesFilesThatAreNotItsOwn) {
    struct Fall {
        const char* name;
        std::function<void(const std::string&)> machen;
    };
    const std::vector<Fall> faelle{
        {"Text", [](const std::string& p) { textSchreiben(p, std::string(4096, 'x')); }},
        {"fremde Tabellen",
         [](const std::string& p) {
             Verbindung::oeffnen(p, true).ausfuehren("CREATE TABLE t (x)");
         }},
        {"fremde Kennung",
         [](const std::string& p) {
             Verbindung::oeffnen(p, true).ausfuehren("PRAGMA application_id = 7");
         }},
    };
    for (const auto& f : faelle) {
        Ordner o;
        f.machen(o.pfad);
        const auto bytes = bytesLesen(o.pfad);
        EXPECT_FALSE(Datenbank::schreiben(o.pfad)) << f.name;
        EXPECT_FALSE(Datenbank::lesen(o.pfad)) << f.name;
        EXPECT_EQ(bytesLesen(o.pfad), bytes) << f.name;
    }
}

TEST(Datenbank, APipeInItsPlaceIsNeverOpened) {
    Ordner o;
    ASSERT_EQ(::mkfifo(o.pfad.c_str(), 0600), 0);
    EXPECT_THROW(Datenbank::lesen(o.pfad), KeineDateiFehler);
    EXPECT_THROW(Datenbank::schreiben(o.pfad), KeineDateiFehler);
}

TEST(Transaktion, KeepsOnlyWhatWasCommitted) {
    Ordner o;
    auto db = Datenbank::schreiben(o.pfad);
    ASSERT_TRUE(db);
    const char* einfuegen = "INSERT INTO zaehler (name, wert) VALUES (?1, 1)";
    {
        Transaktion t(*db);
        t.zumSchreiben().anweisung(einfuegen).mit("verworfen").ausfuehren();
    }
    {
        Transaktion t(*db);
        t.zumSchreiben().anweisung(einfuegen).mit("behalten").ausfuehren();
        t.festschreiben();
    }
    auto a = db->verbindung().anweisung("SELECT group_concat(name) FROM zaehler");
    ASSERT_TRUE(a.zeile());
    EXPECT_EQ(a.text(0), "behalten");
}

TEST(Transaktion, AReaderHasNoConnectionToChange) {
    Ordner o;
    ASSERT_TRUE(Datenbank::schreiben(o.pfad));
    auto db = Datenbank::lesen(o.pfad);
    ASSERT_TRUE(db);
    Transaktion t(*db);
    EXPECT_THROW(t.zumSchreiben(), std::logic_error);
}

// Reading takes no write lock (another writer may begin), and inside a transaction already
// open it neither ends nor commits it.
TEST(Lesetransaktion, TakesNoWriteLockAndLeavesAnOpenTransactionAlone) {
    Ordner o;
    auto db = Datenbank::schreiben(o.pfad);
    auto anderer = Datenbank::schreiben(o.pfad);
    ASSERT_TRUE(db && anderer);
    {
        const Lesetransaktion lesen(*db);
        EXPECT_TRUE(db->verbindung().inTransaktion());
        EXPECT_EQ(zahl(*db, "SELECT count(*) FROM zaehler"), 0);
        EXPECT_NO_THROW(Transaktion{*anderer});
    }
    EXPECT_FALSE(db->verbindung().inTransaktion());
    Transaktion t(*db);
    t.zumSchreiben().anweisung("INSERT INTO zaehler (name, wert) VALUES ('x', 1)").ausfuehren();
    { const Lesetransaktion lesen(*db); }
    EXPECT_TRUE(db->verbindung().inTransaktion());
    t.festschreiben();
    EXPECT_EQ(zahl(*db, "SELECT count(*) FROM zaehler"), 1);
}

TEST(Transaktion, RecordsTheJournalOfTheCommandItCommits) {
    Ordner o;
    EXPECT_FALSE(journalFestgeschrieben(o.pfad, "1"));
    auto db = Datenbank::schreiben(o.pfad);
    ASSERT_TRUE(db);
    {
        Transaktion t(*db);
        t.festschreiben("Lauf 1");
    }
    {
        Transaktion t(*db); // rolled back: its journal is not done
        t.zumSchreiben().anweisung("DELETE FROM schreibvorgang").ausfuehren();
    }
    EXPECT_TRUE(journalFestgeschrieben(o.pfad, "Lauf 1"));
    EXPECT_FALSE(journalFestgeschrieben(o.pfad, "Lauf 2"));
}

} // namespace
} // namespace zalvor::test
