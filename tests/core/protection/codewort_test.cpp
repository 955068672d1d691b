// The stored form of code words, against values worked out by hand, and the file's lines.
#include "tempverzeichnis.h"

#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/protection/codewort.h"
#include "core/protection/codewortdatei.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

struct Fall {
    const char* wozu;
    std::string klar;
    std::string gespeichert;
};

TEST(Codewort, KodierungWieVonHandGerechnet) {
    const Fall faelle[] = {
        // n = 3: k=1 odd -1+2, k=2 even +3, k=3 (n-k=0) +2.
        {"ungerade Länge", "abc", "bee"},
        // n = 4: k=1 (n-k=3) +0, k=2 even +3, k=3 odd -1, k=4 (n-k=0) +3.
        {"gerade Länge", "abcd", "aebg"},
        // n = 6, a multiple of 3: +1, +3, +2, +5, -3, +5.
        {"Vielfaches von 3", "Geheim", "Hhjjfr"},
        // 255 + 1 wraps to 0; 254 + 1 = 255.
        {"über 255 hinaus", "\xFF\xFE", std::string("\x00\xFF", 2)},
        // k=3 of n=4 is shifted by -1: 0 wraps to 255.
        {"unter 0 hinaus",
         std::string("aa\x00"
                     "a",
                     4),
         "ad\xFF"
         "d"},
        {"leer", "", ""},
        {"ein Zeichen bleibt", "\xE4", "\xE4"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(codewortKodieren(f.klar), f.gespeichert) << f.wozu;
        EXPECT_EQ(codewortDekodieren(f.gespeichert), f.klar) << f.wozu;
    }
}

TEST(Codewort, ZeilenumbruchImGespeichertenWirdErkannt) {
    // "ÿ" at k=10 of n=11: even, n-k=1, so 255 + 11 = 266 = LF.
    const std::string lf = A("abcdefghiÿj");
    EXPECT_EQ(codewortKodieren(lf)[9], '\n');
    EXPECT_FALSE(alsZeileSpeicherbar(codewortKodieren(lf)));
    // '"' (34) at k=23 of n=24: odd, n-k=1, so 34 - 23 + 2 = 13 = CR.
    const std::string cr = std::string(22, 'x') + "\"x";
    EXPECT_EQ(codewortKodieren(cr)[22], '\r');
    EXPECT_FALSE(alsZeileSpeicherbar(codewortKodieren(cr)));
    EXPECT_TRUE(alsZeileSpeicherbar(codewortKodieren("Geheim")));
}

TEST(Codewortdatei, NurCrLfTrenntDieZeilen) {
    test::TempVerzeichnis dir;
    const std::string pfad = dir.datei("v.PWD");
    struct Datei {
        std::string inhalt;
        std::string haupt;
        std::optional<std::string> nurLese;
    };
    const Datei faelle[] = {
        {"bee\r\n", "bee", std::nullopt},
        {"bee\r\naebg\r\n", "bee", "aebg"},
        {"bee", "bee", std::nullopt},
        {"a\rb\nc\r\nxy", "a\rb\nc", "xy"},
        {"bee\r\naebg\r\nrest\r\n", "bee", "aebg"},
        {"", "", std::nullopt},
    };
    for (const auto& f : faelle) {
        test::textSchreiben(pfad, f.inhalt);
        const Codewoerter c = codewortdateiLesen(pfad);
        EXPECT_EQ(c.haupt, f.haupt) << f.inhalt;
        EXPECT_EQ(c.nurLese, f.nurLese) << f.inhalt;
    }
    codewortdateiSchreiben(pfad, {"bee", "aebg"});
    EXPECT_EQ(test::textLesen(pfad), "bee\r\naebg\r\n");
    codewortdateiSchreiben(pfad, {"Hhjjfr", std::nullopt});
    EXPECT_EQ(test::textLesen(pfad), "Hhjjfr\r\n");
    EXPECT_THROW(codewortdateiLesen(dir.datei("fehlt.PWD")), EAFehler);
}

} // namespace
} // namespace zalvor
