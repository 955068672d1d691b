// Stored texts with TAB, CR or LF survive every output format.
#include "clihilfe.h"
#include "tempverzeichnis.h"

#include <gtest/gtest.h>

namespace zalvor::test {

TEST(Ausgabeformate, SteuerzeichenImTextTeilenKeineZeilen) {
    TempVerzeichnis t;
    ASSERT_EQ(cli({"--heute", "2026-05-01", "demo", t.pfad()}).status, 0);
    const std::string datei = t.datei("Sportverein.26");
    auto b = cli({"--heute", "2026-05-01", "--antworten", "Einnahme", "buchen", datei, "--betrag",
                  "5", "--typ", "1", "--konto", "1", "--text", "a\tb\rc\nd"});
    ASSERT_EQ(b.status, 0) << b.err;

    auto tsv = cli({"tabelle", datei});
    ASSERT_EQ(tsv.status, 0);
    EXPECT_NE(tsv.out.find("a b c d"), std::string::npos);
    // Every TSV row of the table has the header's seven cells.
    std::size_t zeilen = 0, start = 0;
    while (start < tsv.out.size()) {
        const auto ende = tsv.out.find('\n', start);
        const std::string z = tsv.out.substr(start, ende - start);
        if (z.rfind("## ", 0) != 0) {
            EXPECT_EQ(std::count(z.begin(), z.end(), '\t'), 6) << z;
            ++zeilen;
        }
        start = ende + 1;
    }
    EXPECT_GT(zeilen, 70u);

    auto csv = cli({"--format", "csv", "tabelle", datei});
    EXPECT_NE(csv.out.find("\"a\tb\rc\nd\""), std::string::npos);
    auto json = cli({"--format", "json", "tabelle", datei});
    EXPECT_NE(json.out.find("\"a\\tb\\rc\\nd\""), std::string::npos);
}

} // namespace zalvor::test
