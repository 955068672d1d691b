// The club database under a failure at every file step: made, migrated and changed all or
// nothing.
#include "fehlerlauf.h"
#include "tempverzeichnis.h"

#include "core/database/datenbank.h"
#include "core/database/inhalt.h"

#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

void ohneProbleme(const Fehlerbericht& bericht) {
    EXPECT_GT(bericht.schritte, 5u);
    for (const auto& p : bericht.probleme)
        ADD_FAILURE() << p;
}

TEST(DatenbankFehlerlauf, MakingTheDatabase) {
    TempVerzeichnis dir;
    const std::string pfad = dir.datei("Verein.zdb");
    ohneProbleme(fehlerlaeufe(
        dir.pfad(), [&] { return Datenbank::schreiben(pfad).ok(); },
        [](const Laufbefund& b) { return dateienGanz(b); }));
    EXPECT_FALSE(datenbankInhalt(pfad).empty());
}

// SQLite's empty database (a file of 0 bytes, as an interrupted first use leaves it).
TEST(DatenbankFehlerlauf, MigratingFromAnEmptyDatabase) {
    TempVerzeichnis dir;
    const std::string pfad = dir.datei("Verein.zdb");
    bytesSchreiben(pfad, {});
    ohneProbleme(fehlerlaeufe(
        dir.pfad(), [&] { return Datenbank::schreiben(pfad).ok(); },
        [](const Laufbefund& b) { return dateienGanz(b); }));
    EXPECT_FALSE(datenbankInhalt(pfad).empty());
}

} // namespace
} // namespace zalvor::test
