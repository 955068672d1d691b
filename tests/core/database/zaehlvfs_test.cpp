// SQLite's file steps count as the engine's: each kind can be made to fail through the test
// hooks, and the failure reaches the caller with the hooks' error number.
#include "tempverzeichnis.h"

#include "core/common/dateisystem.h"
#include "core/database/datenbank.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace zalvor::test {
namespace {

using testhaken::Vorgang;

// Makes the database, grows it, shrinks it again (VACUUM truncates the file): every kind of
// step SQLite takes.
void arbeiten(const std::string& pfad) {
    auto db = Datenbank::schreiben(pfad);
    ASSERT_TRUE(db) << db.meldung();
    const auto& v = db->verbindung();
    {
        Transaktion t(*db);
        t.zumSchreiben()
            .anweisung("INSERT INTO zaehler (name, wert) VALUES (?1, 1)")
            .mit(std::string(20000, 'x'))
            .ausfuehren();
        t.festschreiben();
    }
    {
        Transaktion t(*db);
        t.zumSchreiben().anweisung("DELETE FROM zaehler").ausfuehren();
        t.festschreiben();
    }
    v.ausfuehren("VACUUM");
}

TEST(ZaehlVfs, EveryKindOfStepFailsWithTheHooksNumber) {
    TempVerzeichnis dir;
    const std::string pfad = dir.datei("Verein.zdb");
    testhaken::zuruecksetzen();
    testhaken::ohneSynchronisation(true);
    arbeiten(pfad);
    const std::uint64_t schritte = testhaken::schritte();
    ASSERT_GT(schritte, 10u);

    for (int nummer : {EACCES, ENOSPC}) {
        std::set<Vorgang> gescheitert;
        for (std::uint64_t n = 1; n <= schritte; ++n) {
            std::filesystem::remove(pfad);
            std::filesystem::remove(pfad + "-journal");
            testhaken::fehlerBeiSchritt(n, nummer);
            try {
                arbeiten(pfad);
            } catch (const EAFehler& e) {
                const auto art = testhaken::ausgeloesterFehler();
                ASSERT_TRUE(art) << "Schritt " << n << ": " << e.what();
                EXPECT_EQ(e.nummer(), nummer) << "Schritt " << n << ": " << e.what();
                gescheitert.insert(*art);
            }
            testhaken::zuruecksetzen();
        }
        for (Vorgang v : {Vorgang::Oeffnen, Vorgang::Lesen, Vorgang::Schreiben, Vorgang::Kuerzen,
                          Vorgang::Sichern, Vorgang::Loeschen, Vorgang::Sperren})
            EXPECT_TRUE(gescheitert.count(v))
                << "Art " << static_cast<int>(v) << " bei Fehler " << nummer;
    }
    testhaken::ohneSynchronisation(false);
}

} // namespace
} // namespace zalvor::test
