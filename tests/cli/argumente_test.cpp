// Reading a command's options and its last positional argument.
#include "cli/common/befehl.h"

#include <gtest/gtest.h>

namespace zalvor::cli {
namespace {

TEST(Argumente, OptionenNehmenIhreWerteInDerGenanntenFolge) {
    // Taken the other way round, --a would take "--a" as its value and --b the "1".
    Argumente a({"--b", "--a", "--a", "1", "DATEI"});
    const auto [b, a1, c] = a.optionen<3>({"--b", "--a", "--c"});
    EXPECT_EQ(b, "--a");
    EXPECT_EQ(a1, "1");
    EXPECT_EQ(c, std::nullopt);
    EXPECT_EQ(a.letzte("DATEI"), "DATEI");
}

TEST(Argumente, NachDemLetztenBleibtNichts) {
    Argumente a({"DATEI", "--x"});
    EXPECT_THROW(a.letzte("DATEI"), Aufruffehler);
}

} // namespace
} // namespace zalvor::cli
