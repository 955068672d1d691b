// Markup label layout: translation of the switches, line breaking, block placement.
#include "core/common/auszeichnungslayout.h"

#include <gtest/gtest.h>

namespace zalvor::xa {
namespace {

// Every character 10 wide, bold ones 12: so a wrong style shows in the widths.
int messen(const std::u32string& t, const Stil& s) {
    return static_cast<int>(t.size()) * (s.fett ? 12 : 10);
}

Satz brechen(const std::u32string& text, int breite, Horz h = Horz::Links) {
    return umbrechen(uebersetzen(text), breite, 10, h, Stil{}, messen);
}

std::u32string zeilentext(const Zeile& z) {
    std::u32string t;
    for (const auto& s : z.stuecke)
        t += s.text;
    return t;
}

std::vector<std::u32string> texte(const Satz& s) {
    std::vector<std::u32string> aus;
    for (const auto& z : s.zeilen)
        aus.push_back(zeilentext(z));
    return aus;
}

TEST(XaLayout, FettesWortMittenImSatz) {
    const Satz s = brechen(U"Es ist \\Bwichtig\\b, daß Sie", 1000);
    ASSERT_EQ(s.zeilen.size(), 1u);
    const auto& st = s.zeilen[0].stuecke;
    ASSERT_EQ(st.size(), 3u);
    EXPECT_EQ(st[0].text, U"Es ist ");
    EXPECT_FALSE(st[0].stil.fett);
    EXPECT_EQ(st[1].text, U"wichtig");
    EXPECT_TRUE(st[1].stil.fett);
    EXPECT_EQ(st[1].x, 70);
    EXPECT_EQ(st[1].breite, 84);
    EXPECT_EQ(st[2].text, U", daß Sie");
    EXPECT_FALSE(st[2].stil.fett);
    EXPECT_EQ(s.zeilen[0].breite, 70 + 84 + 90);
}

TEST(XaLayout, FarbschalterInJederSchreibweise) {
    for (const std::u32string sw : {U"\\cRed", U"\\cred", U"\\CRED", U"\\cRED"}) {
        const Satz s = brechen(U"a" + sw + U"b\\cNc", 1000);
        const auto& st = s.zeilen.at(0).stuecke;
        ASSERT_EQ(st.size(), 3u);
        EXPECT_FALSE(st[0].farbe);
        EXPECT_EQ(st[1].farbe, std::optional<std::uint32_t>(0xFF0000));
        EXPECT_FALSE(st[2].farbe);
        EXPECT_EQ(zeilentext(s.zeilen[0]), U"abc");
    }
    // The longest colour name wins over the colour reset "\cN".
    const Satz navy = brechen(U"\\cNavyx", 1000);
    EXPECT_EQ(navy.zeilen.at(0).stuecke.at(0).farbe, std::optional<std::uint32_t>(0x000080));
    EXPECT_EQ(zeilentext(navy.zeilen[0]), U"x");
    EXPECT_EQ(brechen(U"\\cDkGrayx", 1000).zeilen[0].stuecke[0].farbe,
              std::optional<std::uint32_t>(0x808080));
}

TEST(XaLayout, StilschalterNurInIhrerSchreibweise) {
    // "\b" switches bold off, never on; "\I" then "\B" combine; "\b" leaves italic.
    const Satz s = brechen(U"\\ba\\Ib\\Bc\\bd\\Ne", 1000);
    const auto& st = s.zeilen.at(0).stuecke;
    ASSERT_EQ(st.size(), 5u);
    EXPECT_EQ(st[0].stil, (Stil{false, false, false}));
    EXPECT_EQ(st[1].stil, (Stil{false, true, false}));
    EXPECT_EQ(st[2].stil, (Stil{true, true, false}));
    EXPECT_EQ(st[3].stil, (Stil{false, true, false}));
    EXPECT_EQ(st[4].stil, (Stil{false, false, false}));
    // "\n" in lower case still resets: that switch ignores case.
    const Satz u = brechen(U"\\Ux\\nY\\uz", 1000);
    EXPECT_TRUE(u.zeilen[0].stuecke[0].stil.unterstrichen);
    EXPECT_FALSE(u.zeilen[0].stuecke[1].stil.unterstrichen);
}

TEST(XaLayout, ZweiRueckstricheVorB) {
    const Satz s = brechen(U"a\\\\b", 1000);
    ASSERT_EQ(s.zeilen.size(), 1u);
    ASSERT_EQ(s.zeilen[0].stuecke.size(), 1u);
    EXPECT_EQ(s.zeilen[0].stuecke[0].text, U"a\\b");
    EXPECT_FALSE(s.zeilen[0].stuecke[0].stil.fett);
    // Three backslashes: one literal, then a real switch.
    const Satz t = brechen(U"\\\\\\Bx", 1000);
    ASSERT_EQ(t.zeilen[0].stuecke.size(), 2u);
    EXPECT_EQ(t.zeilen[0].stuecke[0].text, U"\\");
    EXPECT_TRUE(t.zeilen[0].stuecke[1].stil.fett);
}

TEST(XaLayout, ZeilenumbruchDurchLbUndZeilenenden) {
    EXPECT_EQ(texte(brechen(U"eins\\lbzwei drei", 1000)),
              (std::vector<std::u32string>{U"eins", U"zwei drei"}));
    EXPECT_EQ(texte(brechen(U"a\\LBb", 1000)), (std::vector<std::u32string>{U"a", U"b"}));
    EXPECT_EQ(texte(brechen(U"a\r\nb\n\rc\rd\ne", 1000)),
              (std::vector<std::u32string>{U"a", U"b", U"c", U"d", U"e"}));
    // A text that starts with a line break shows an empty first line.
    const Satz s = brechen(U"\r\rText", 1000);
    EXPECT_EQ(texte(s), (std::vector<std::u32string>{U"", U"", U"Text"}));
    EXPECT_EQ(s.hoehe, 30);
    EXPECT_EQ(s.zeilen[2].y, 20);
}

TEST(XaLayout, WoerterWerdenUmbrochenUndEndleerzeichenFallenWeg) {
    // "aaa bbb" is 70 wide, the line 60: "bbb" goes to the next line.
    EXPECT_EQ(texte(brechen(U"aaa bbb cc", 60)), (std::vector<std::u32string>{U"aaa", U"bbb cc"}));
    // A word that just fits without its closing blank still fits.
    EXPECT_EQ(texte(brechen(U"aaa bb cc", 60)), (std::vector<std::u32string>{U"aaa bb", U"cc"}));
}

TEST(XaLayout, ZuBreitesWortWirdGeteiltOhneSchalterZuTeilen) {
    EXPECT_EQ(texte(brechen(U"abcdefgh ij", 30)),
              (std::vector<std::u32string>{U"abc", U"def", U"gh", U"ij"}));
    // The bold switch stays with its character: "ab" + bold "cd" (24) in a line of 30.
    const Satz s = brechen(U"ab\\Bcdef", 30);
    EXPECT_EQ(texte(s), (std::vector<std::u32string>{U"ab", U"cd", U"ef"}));
    EXPECT_TRUE(s.zeilen[1].stuecke[0].stil.fett);
    EXPECT_TRUE(s.zeilen[2].stuecke[0].stil.fett);
    for (const auto& z : s.zeilen)
        EXPECT_LE(z.breite, 30);
}

TEST(XaLayout, EinZeichenBreitesLabelZeigtJedesZeichen) {
    EXPECT_EQ(texte(brechen(U"ab c", 10)), (std::vector<std::u32string>{U"a", U"b", U"c"}));
    // Narrower than one character: each word stands alone, nothing is lost.
    EXPECT_EQ(texte(brechen(U"ab c", 5)), (std::vector<std::u32string>{U"ab", U"c"}));
    EXPECT_EQ(texte(brechen(U"\\Bab", 10)), (std::vector<std::u32string>{U"ab"}));
}

TEST(XaLayout, AusrichtungDerZeilen) {
    const Satz r = brechen(U"aa bbbb", 50, Horz::Rechts);
    ASSERT_EQ(r.zeilen.size(), 2u);
    EXPECT_EQ(r.zeilen[0].x, 30);
    EXPECT_EQ(r.zeilen[1].x, 10);
    const Satz m = brechen(U"aaa", 55, Horz::Mitte);
    EXPECT_EQ(m.zeilen[0].x, 55 / 2 - 30 / 2);
}

TEST(XaLayout, BlockWirdImLabelPlatziert) {
    // Block 70 x 20 in 200 x 100, centred both ways.
    const Satz s =
        anordnen(U"aaaaaaa\\lbbbb", 200, 100, Horz::Mitte, Vert::Mitte, 10, Stil{}, messen);
    ASSERT_EQ(s.zeilen.size(), 2u);
    EXPECT_EQ(s.breite, 70);
    EXPECT_EQ(s.hoehe, 20);
    EXPECT_EQ(s.zeilen[0].x, 100 - 35);
    EXPECT_EQ(s.zeilen[0].y, 50 - 10);
    EXPECT_EQ(s.zeilen[1].x, 100 - 35 + 35 - 15);
    EXPECT_EQ(s.zeilen[1].y, 50);
    const Satz u = anordnen(U"ab", 200, 100, Horz::Rechts, Vert::Unten, 10, Stil{}, messen);
    EXPECT_EQ(u.zeilen[0].x, 180);
    EXPECT_EQ(u.zeilen[0].y, 90);
    EXPECT_TRUE(
        anordnen(U"", 200, 100, Horz::Links, Vert::Oben, 10, Stil{}, messen).zeilen.empty());
}

TEST(XaLayout, GrundstilGiltBisZumSchalter) {
    const Satz s = umbrechen(uebersetzen(U"a\\bb\\Nc"), 1000, 10, Horz::Links,
                             Stil{true, false, false}, messen);
    const auto& st = s.zeilen.at(0).stuecke;
    ASSERT_EQ(st.size(), 3u);
    EXPECT_TRUE(st[0].stil.fett);
    EXPECT_FALSE(st[1].stil.fett);
    EXPECT_TRUE(st[2].stil.fett);
}

} // namespace
} // namespace zalvor::xa
