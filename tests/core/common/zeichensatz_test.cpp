// Character sets: the DOS/Windows table both ways and Windows-1252 <-> UTF-8.
#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zalvor {
namespace {

const std::vector<std::pair<unsigned char, unsigned char>> kTabelle{
    {0x81, 0xFC}, {0x82, 0xE9}, {0x83, 0xE2}, {0x84, 0xE4}, {0x85, 0xE0},
    {0x87, 0xE7}, {0x88, 0xEA}, {0x89, 0xEB}, {0x8A, 0xE8}, {0x8E, 0xC4},
    {0x94, 0xF6}, {0x99, 0xD6}, {0x9A, 0xDC}, {0xA0, 0xE1}, {0xE1, 0xDF},
};

std::string byte(int b) {
    return std::string(1, static_cast<char>(b));
}

TEST(Zeichensatz, DieFuenfzehnZeichenInBeideRichtungen) {
    for (auto [dos, win] : kTabelle) {
        EXPECT_EQ(OemNachAnsi(byte(dos)), byte(win)) << std::hex << int(dos);
        EXPECT_EQ(AnsiNachOem(byte(win)), byte(dos)) << std::hex << int(win);
    }
    EXPECT_EQ(OemNachAnsi("Gr\x81\xE1"
                          "e aus K\x94ln"),
              A("Grüße aus Köln"));
    EXPECT_EQ(AnsiNachOem(A("Übungsleiter Ärger")), "\x9A"
                                                    "bungsleiter \x8Erger");
}

TEST(Zeichensatz, AlleAnderenBytesBleiben) {
    std::set<int> dosBytes, winBytes;
    for (auto [dos, win] : kTabelle) {
        dosBytes.insert(dos);
        winBytes.insert(win);
    }
    for (int b = 0; b < 256; ++b) {
        if (!dosBytes.count(b)) {
            EXPECT_EQ(OemNachAnsi(byte(b)), byte(b)) << b;
        }
        if (!winBytes.count(b)) {
            EXPECT_EQ(AnsiNachOem(byte(b)), byte(b)) << b;
        }
    }
    // Embedded zero bytes are carried along.
    const std::string mitNull("a\0\x81", 3);
    EXPECT_EQ(OemNachAnsi(mitNull), std::string("a\0\xFC", 3));
    EXPECT_EQ(OemNachAnsi(""), "");
}

TEST(Zeichensatz, Windows1252NachUtf8UndZurueck) {
    EXPECT_EQ(ansiNachUtf8("\x80"), "€");
    EXPECT_EQ(ansiNachUtf8("\xE4\xF6\xFC\xDF"), "äöüß");
    EXPECT_EQ(ansiNachUtf8("\x84\x93\x9F"), "„“Ÿ");
    EXPECT_EQ(utf8NachAnsi("€"), "\x80");
    EXPECT_EQ(utf8NachAnsi("Grüße"), "Gr\xFC\xDF"
                                     "e");
    EXPECT_EQ(A("Währung"), "W\xE4hrung");
    // Characters Windows-1252 cannot hold, and broken UTF-8, become "?".
    EXPECT_EQ(utf8NachAnsi("漢字"), "??");
    EXPECT_EQ(utf8NachAnsi("a\xC3"), "a?");
    EXPECT_EQ(utf8NachAnsi("\xFF"
                           "b"),
              "?b");
    EXPECT_EQ(utf8NachAnsi("\xC3(x"), "?(x");
    // Every byte survives the way to UTF-8 and back, the unused ones included.
    std::string alle;
    for (int b = 1; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(utf8NachAnsi(ansiNachUtf8(alle)), alle);
}

} // namespace
} // namespace zalvor
