// Readers wait for a change in progress, writers for readers and for each other.
#include "tempverzeichnis.h"

#include "core/common/sperre.h"

#include <gtest/gtest.h>

#include <thread>

namespace zalvor {
namespace {

class SperreTest : public ::testing::Test {
  protected:
    void SetUp() override { Sperre::wartezeit = std::chrono::milliseconds(100); }
    void TearDown() override { Sperre::wartezeit = std::chrono::milliseconds(10000); }
    test::TempVerzeichnis dir;
    std::string datei = dir.datei("v.26.lck");
};

TEST_F(SperreTest, LeserUndSchreiberSchliessenSichAus) {
    Sperre schreiber;
    ASSERT_TRUE(schreiber.nehmen(datei));
    Sperre leser;
    EXPECT_TRUE(leser.lesen(datei));   // the owner alone does not keep readers out
    EXPECT_FALSE(schreiber.aendern()); // a change waits for the reader
    leser.freigeben();
    ASSERT_TRUE(schreiber.aendern());
    EXPECT_FALSE(leser.lesen(datei)); // a reader waits for the change
    Sperre zweiter;
    EXPECT_FALSE(zweiter.nehmen(datei));
    schreiber.aenderungBeendet();
    EXPECT_TRUE(leser.lesen(datei));
}

TEST_F(SperreTest, EinSchreiberWartetAufDenAnderen) {
    Sperre erster;
    ASSERT_TRUE(erster.nehmen(datei));
    std::thread t([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        erster.freigeben();
    });
    Sperre zweiter;
    EXPECT_TRUE(zweiter.nehmen(datei, std::chrono::milliseconds(2000)));
    t.join();
}

TEST_F(SperreTest, LeserOhneSperrdateiLegtKeineAn) {
    Sperre leser;
    EXPECT_TRUE(leser.lesen(datei));
    EXPECT_FALSE(leser.offen());
}

} // namespace
} // namespace zalvor
