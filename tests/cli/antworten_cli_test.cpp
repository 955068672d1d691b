// The --antworten list: separators, escapes, empty items.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

namespace zalvor::test {

TEST(Antworten, KommasUndMaskierungen) {
    struct Fall {
        const char* liste;
        std::deque<std::string> erwartet;
    };
    const Fall faelle[] = {
        {"", {}},
        {"ja", {"ja"}},
        {"ja,nein", {"ja", "nein"}},
        {"a\\,b,c", {"a,b", "c"}},
        {"a\\\\,b", {"a\\", "b"}},
        {"ja,,nein", {"ja", "", "nein"}},
        {",", {"", ""}},
        {"a\\b", {"a\\b"}},
        {"ende\\", {"ende\\"}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(cli::antwortListe(f.liste), f.erwartet) << f.liste;
}

TEST(Antworten, LeererEintragNimmtDieSichereAntwort) {
    TempVerzeichnis t;
    ASSERT_EQ(cli({"--heute", "2026-05-01", "demo", t.pfad()}).status, 0);
    const std::string datei = t.datei("Sportverein.26");
    // The empty item declines the delete question; the next item would have said yes.
    auto e = cli({"--heute", "2026-05-01", "--antworten", ",ja", "loeschen", datei, "3"});
    EXPECT_EQ(e.status, 1) << e.err;
    EXPECT_NE(e.err.find("-> Nein"), std::string::npos) << e.err;
}

} // namespace zalvor::test
