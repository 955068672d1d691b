// The command rules keyed by the command: every command has its own id, and the id of an
// item that is no command finds none.
#include "core/common/befehlsregeln.h"

#include <gtest/gtest.h>

#include <set>

namespace zalvor {
namespace {

TEST(Befehlsregeln, JedeArtHatIhreEigeneId) {
    std::set<std::string_view> ids;
    for (int i = 0; i <= static_cast<int>(Befehlsart::Kontoauszugsvorschau); ++i) {
        const auto art = static_cast<Befehlsart>(i);
        EXPECT_EQ(befehlsartZuId(befehlsId(art)), art) << befehlsId(art);
        EXPECT_TRUE(ids.insert(befehlsId(art)).second) << befehlsId(art);
    }
    EXPECT_EQ(befehlsartZuId("verlassen"), std::nullopt);
}

} // namespace
} // namespace zalvor
