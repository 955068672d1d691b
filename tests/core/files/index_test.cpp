// Index files: the nine orders on tricky data, the first record, missing indexes, re-filing,
// the check at open with its three messages.
#include "buchungsdaten.h"

#include "core/common/fehler.h"
#include "core/files/indexdatei.h"
#include "core/files/oeffnen.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace zalvor {
namespace {

using test::Art;
using test::Kassenbuch;
using test::Satz;
using E = std::vector<std::uint16_t>;

std::vector<std::uint8_t> le(const E& e) {
    std::vector<std::uint8_t> b;
    for (auto v : e) {
        b.push_back(static_cast<std::uint8_t>(v & 0xFF));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    return b;
}

// Seven records whose keys tie, differ only in the high bytes of the DOS form, are negative,
// zero, not numbers. The orders below were worked out by hand from the keys in the comments.
void trickreichBuchen(Kassenbuch& kb) {
    // bunr, text, amount, income, type code (order number), day, month
    kb.buchen({"0012", "Miete", 50, false, 1, 5, 3});        // 0: nr 12, typ 1
    kb.buchen({"AB", "Anfangsbestand", 100, true, 0, 1, 1}); // 1: nr 0, typ 0
    kb.buchen({"A1", "Miete", -20, false, 23, 5, 3});        // 2: nr 0, typ 21
    kb.buchen({"3", "M\x81ll", 0, true, 22, 2, 1});          // 3: "Müll", typ 90
    kb.buchen({"2", "Mie", 50, true, 1, 31, 12});            // 4: typ 1
    kb.buchen({"12", "Zins", 0.01L, false, 21, 1, 6});       // 5: typ 80
    kb.buchen({"", "", 1000, false, 0, 5, 3});               // 6: nr 0, typ 0
}

const std::array<E, 10> kErwartet{{
    {},
    {6, 1, 4, 0, 2, 3, 5}, // text: "" < "Anf" < "Mie" < "Miete" = "Miete" < "M\x81ll" < "Zins"
    {2, 3, 5, 0, 4, 1, 6}, // amount: -20 < 0 < 0.01 < 50 = 50 < 100 < 1000
    {6, 1, 0, 4, 2, 5, 3}, // type order, expenses first on a tie: 0A 0E 1A 1E 21 80 90
    {2, 6, 0, 5, 1, 4, 3}, // A: 0 0 12 12 | E: 0 2 3
    {6, 0, 2, 5, 1, 4, 3}, // A: "" Miete Miete Zins | E: Anf Mie M\x81ll
    {2, 5, 0, 6, 3, 4, 1}, // A: -20 0.01 50 1000 | E: 0 50 100
    {6, 0, 2, 5, 1, 4, 3}, // A: 0 1 21 80 | E: 0 1 90
    {1, 3, 0, 2, 6, 5, 4}, // date by month first: 1.1 2.1 5.3 5.3 5.3 1.6 31.12
    {0, 2, 6, 5, 1, 3, 4}, // A: 5.3 5.3 5.3 1.6 | E: 1.1 2.1 31.12
}};

TEST(Index, NeunReihenfolgenByteGenau) {
    Kassenbuch kb;
    trickreichBuchen(kb);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(test::bytesLesen(kb.index(k)), le(kErwartet[static_cast<std::size_t>(k)]))
            << "Index " << k;
    EXPECT_TRUE(kb.person.meldungen().empty());
    EXPECT_FALSE(dateiExistiert(kb.s.verein.datei.basisname + ".tmp"));
}

TEST(Index, VergleichNachSchluesseln) {
    auto b = [](Satz s) { return test::buchung(s); };
    // A booking number that is not a number counts as 0, "0012" as 12.
    EXPECT_TRUE(sortiertVorOderGleich(4, b({.bunr = "A1"}), b({.bunr = "0"})));
    EXPECT_TRUE(sortiertVorOderGleich(4, b({.bunr = "0"}), b({.bunr = "A1"})));
    EXPECT_FALSE(sortiertVorOderGleich(4, b({.bunr = "0012"}), b({.bunr = "11"})));
    // An expense sorts before every income whatever its other keys.
    EXPECT_TRUE(sortiertVorOderGleich(9, b({.einnahme = false, .tag = 31, .monat = 12}),
                                      b({.einnahme = true, .tag = 1, .monat = 1})));
    // Byte-wise: the DOS "ä" (0x84) sorts after "z".
    EXPECT_FALSE(sortiertVorOderGleich(1, b({.text = "\x84"}), b({.text = "z"})));
    // Transfer (80) and contribution (90) come after all user types.
    EXPECT_TRUE(sortiertVorOderGleich(3, b({.typ = 52}), b({.typ = 21})));
    EXPECT_TRUE(sortiertVorOderGleich(3, b({.typ = 21}), b({.typ = 22})));
}

TEST(Index, ErsteBuchungLegtAlleNeunAn) {
    Kassenbuch kb;
    kb.buchen({});
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(test::bytesLesen(kb.index(k)), le({0}));
}

TEST(Index, AngelegterIndexNenntDenWirklichenSatz) {
    // Created later than for the first record, the index holds the record's own number
    // and not a 0 that would point at another booking.
    Kassenbuch kb;
    kb.buchen({.bunr = "1"});
    kb.buchen({.bunr = "2"});
    dateiLoeschen(kb.index(5));
    kb.buchen({.bunr = "3"});
    EXPECT_EQ(kb.eintraege(5), (E{2}));
    EXPECT_TRUE(kb.person.meldungen().empty());
}

TEST(Index, LeererIndexBekommtDenSatzAlsEinzigenEintrag) {
    Kassenbuch kb;
    kb.buchen({});
    test::bytesSchreiben(kb.index(2), {});
    kb.buchen({.bunr = "2"});
    EXPECT_EQ(kb.eintraege(2), (E{1}));
    EXPECT_EQ(kb.eintraege(1), (E{0, 1}));
}

TEST(Index, FehlenderIndexWirdGemeldetUndDieBuchungBleibt) {
    Kassenbuch kb;
    kb.buchen({.bunr = "1"});
    dateiLoeschen(kb.index(5));
    dateiLoeschen(kb.index(8));
    buchungAnhaengen(kb.s.verein, kb.s.person, test::buchung({.bunr = "2"}),
                     {false, false, true, false});
    auto m = kb.person.meldungen();
    ASSERT_EQ(m.size(), 2u);
    for (const auto& e : m) {
        EXPECT_EQ(e.titel, "Fehler");
        EXPECT_EQ(e.text, "Eine Indexdatei fehlt! Bitte Reorganisieren!");
        EXPECT_EQ(e.symbol, Symbol::Fehler);
    }
    EXPECT_EQ(satzAnzahl(kb.datei()), 2u);
    EXPECT_FALSE(dateiExistiert(kb.index(5)));
    EXPECT_EQ(kb.eintraege(9), (E{0, 1}));
    EXPECT_EQ(kb.s.verein.datei.naechsteNummer, 3);
}

TEST(Index, UngeordneterIndexWirdNurBisZumErstenGroesserenKopiert) {
    Kassenbuch kb;
    kb.buchen({.betrag = 30});
    kb.buchen({.betrag = 10});
    kb.buchen({.betrag = 20});
    // Damaged by hand: 30 10 20 instead of 10 20 30.
    test::bytesSchreiben(kb.index(2), le({0, 1, 2}));
    kb.buchen({.betrag = 15});
    // The last entry (20) sorts after 15, so the index is copied; copying stops at 30 at
    // once, 15 goes first and the rest keeps its order.
    EXPECT_EQ(kb.eintraege(2), (E{3, 0, 1, 2}));
}

TEST(Index, AlteArbeitskopieWirdErsetztUndEntfernt) {
    Kassenbuch kb;
    test::textSchreiben(kb.s.verein.datei.basisname + ".tmp", "alt");
    kb.buchen({.bunr = "5"});
    kb.buchen({.bunr = "4"});
    EXPECT_EQ(kb.eintraege(4), (E{1, 0}));
    EXPECT_FALSE(dateiExistiert(kb.s.verein.datei.basisname + ".tmp"));
}

TEST(Index, NeuEinordnenBewegtNurWoSichSchluesselAendern) {
    Kassenbuch kb;
    kb.buchen({"1", "Beitrag", 10, true, 2, 3, 2});
    kb.buchen({"2", "Miete", 40, false, 1, 5, 2});
    kb.buchen({"3", "Strom", 20, false, 3, 9, 2});
    std::array<E, 10> vorher;
    for (int k = 1; k <= 9; ++k)
        vorher[static_cast<std::size_t>(k)] = kb.eintraege(k);

    // Record 1 gets a smaller amount: only indexes 2 and 6 change.
    TBuchung b = buchungLesen(kb.datei(), 1);
    b.betrag = Real6::aus(5);
    buchungUeberschreiben(kb.datei(), 1, b);
    for (int k = 1; k <= 9; ++k)
        indexNeuEinordnen(kb.s.verein.datei, kb.s.person, k, 1, b, false);
    for (int k = 1; k <= 9; ++k) {
        if (k == 2 || k == 6) continue;
        EXPECT_EQ(kb.eintraege(k), vorher[static_cast<std::size_t>(k)]) << "Index " << k;
    }
    EXPECT_EQ(kb.eintraege(2), (E{1, 0, 2}));
    EXPECT_EQ(kb.eintraege(6), (E{1, 2, 0}));

    // Made an income: every E/A-first order moves it behind the expense 2.
    b.einnahme = 1;
    buchungUeberschreiben(kb.datei(), 1, b);
    for (int k = 1; k <= 9; ++k)
        indexNeuEinordnen(kb.s.verein.datei, kb.s.person, k, 1, b, false);
    EXPECT_EQ(kb.eintraege(4), (E{2, 0, 1}));
    EXPECT_EQ(kb.eintraege(9), (E{2, 0, 1}));
    EXPECT_EQ(kb.eintraege(6), (E{2, 1, 0}));
    EXPECT_EQ(kb.eintraege(1), vorher[1]);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(kb.eintraege(k).size(), 3u);
    EXPECT_FALSE(dateiExistiert(kb.s.verein.datei.basisname + ".tmp"));
}

TEST(Index, NeuEinordnenMitGleichemSchluesselGehtHinterDieGleichen) {
    // A re-filed record is filed like a new one: behind every record with an equal key.
    Kassenbuch kb;
    kb.buchen({.bunr = "1", .text = "Miete"});
    kb.buchen({.bunr = "2", .text = "Miete"});
    TBuchung b = buchungLesen(kb.datei(), 0);
    indexNeuEinordnen(kb.s.verein.datei, kb.s.person, 1, 0, b, false);
    EXPECT_EQ(kb.eintraege(1), (E{1, 0}));
}

TEST(Index, NeuEinordnenOhneIndexMeldetWieBeimEinordnen) {
    Kassenbuch kb;
    kb.buchen({});
    dateiLoeschen(kb.index(3));
    indexNeuEinordnen(kb.s.verein.datei, kb.s.person, 3, 0, buchungLesen(kb.datei(), 0), false);
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    EXPECT_EQ(kb.person.meldungen()[0].text, "Eine Indexdatei fehlt! Bitte Reorganisieren!");
}

TEST(Index, LoeschenLaesstIndizesUnveraendert) {
    Kassenbuch kb;
    trickreichBuchen(kb);
    buchungLoeschen(kb.datei(), 4);
    EXPECT_EQ(satzAnzahl(kb.datei()), 7u);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(kb.eintraege(k), kErwartet[static_cast<std::size_t>(k)]) << "Index " << k;
    EXPECT_EQ(indizesPruefen(kb.s.verein.datei), IndexBefund::InOrdnung);
}

TEST(Index, IndexPaareDerSortierungen) {
    EXPECT_EQ(indexPaar(Sortierung::Nummer), (std::pair{0, 4}));
    EXPECT_EQ(indexPaar(Sortierung::Typ), (std::pair{3, 7}));
    EXPECT_EQ(indexPaar(Sortierung::Text), (std::pair{1, 5}));
    EXPECT_EQ(indexPaar(Sortierung::Betrag), (std::pair{2, 6}));
    EXPECT_EQ(indexPaar(Sortierung::Datum), (std::pair{8, 9}));
}

// The check at open.

std::string frageText(const std::string& befund) {
    return befund + "\rWollen Sie zur Reparatur eine Reorganisation starten?";
}

void pruefeFrage(const test::Eintrag& e, const std::string& befund) {
    EXPECT_EQ(e.art, Art::Frage);
    EXPECT_EQ(e.titel, "Index-Datei-Check");
    EXPECT_EQ(e.text, frageText(befund));
    EXPECT_EQ(e.symbol, Symbol::Fehler);
    EXPECT_EQ(e.knoepfe, (std::vector<Knopf>{Knopf::Ja, Knopf::Nein}));
}

TEST(IndexCheck, StimmigeIndizesFragenNichts) {
    Kassenbuch kb;
    trickreichBuchen(kb);
    EXPECT_EQ(indexCheckBeimOeffnen(kb.s), IndexBefund::InOrdnung);
    EXPECT_TRUE(kb.person.eintraege().empty());
}

TEST(IndexCheck, LeereDateiWirdNichtGeprueft) {
    Kassenbuch kb;
    EXPECT_EQ(indizesPruefen(kb.s.verein.datei), IndexBefund::Fehlt);
    EXPECT_EQ(indexCheckBeimOeffnen(kb.s), IndexBefund::InOrdnung);
    EXPECT_TRUE(kb.person.eintraege().empty());
}

TEST(IndexCheck, EinEintragZuWenigIstBeschaedigt) {
    Kassenbuch kb;
    trickreichBuchen(kb);
    auto bytes = test::bytesLesen(kb.index(6));
    bytes.resize(bytes.size() - 2);
    test::bytesSchreiben(kb.index(6), bytes);
    kb.person.antworte(Knopf::Nein);
    EXPECT_EQ(indexCheckBeimOeffnen(kb.s), IndexBefund::Beschaedigt);
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    pruefeFrage(kb.person.meldungen()[0], "Min. eine Indexdatei ist beschädigt!");
    // No: nothing is touched.
    EXPECT_EQ(test::bytesLesen(kb.index(6)), bytes);
    EXPECT_FALSE(dateiExistiert(kb.dir.datei("~erein.26")));
}

TEST(IndexCheck, FehlenderIndexHatVorrang) {
    Kassenbuch kb;
    trickreichBuchen(kb);
    test::bytesSchreiben(kb.index(2), {});
    dateiLoeschen(kb.index(7));
    EXPECT_EQ(indizesPruefen(kb.s.verein.datei), IndexBefund::Fehlt);
    kb.person.antworte(Knopf::Nein);
    indexCheckBeimOeffnen(kb.s);
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    pruefeFrage(kb.person.meldungen()[0], "Min. eine Indexdatei fehlt!");
}

TEST(IndexCheck, ZugriffsfehlerBeimOeffnen) {
    Kassenbuch kb;
    kb.buchen({});
    // A running program cannot be opened for writing, not even by the administrator.
    const int probe = ::open("/proc/self/exe", O_RDWR | O_CLOEXEC);
    if (probe >= 0) {
        ::close(probe);
        GTEST_SKIP() << "this system lets a running program be opened for writing";
    }
    dateiLoeschen(kb.index(4));
    ASSERT_EQ(::symlink("/proc/self/exe", kb.index(4).c_str()), 0);
    kb.person.antworte(Knopf::Nein);
    EXPECT_EQ(indexCheckBeimOeffnen(kb.s), IndexBefund::Zugriffsfehler);
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    pruefeFrage(kb.person.meldungen()[0], "Fehler beim Zugriff auf eine Indexdatei!");
}

TEST(IndexCheck, AnzahlenZaehlenModulo65536) {
    Kassenbuch kb;
    kb.buchen({});
    // 65537 entries for one record: equal modulo 65536.
    std::vector<std::uint8_t> gross(65537 * 2, 0);
    for (int k = 1; k <= 9; ++k)
        test::bytesSchreiben(kb.index(k), gross);
    EXPECT_EQ(indizesPruefen(kb.s.verein.datei), IndexBefund::InOrdnung);
    test::bytesSchreiben(kb.index(9), std::vector<std::uint8_t>(65536 * 2, 0));
    EXPECT_EQ(indizesPruefen(kb.s.verein.datei), IndexBefund::Beschaedigt);
}

TEST(IndexCheck, UnvollstaendigerSatzZaehltNicht) {
    Kassenbuch kb;
    kb.buchen({});
    kb.buchen({.bunr = "2"});
    auto bytes = test::bytesLesen(kb.datei());
    bytes.resize(bytes.size() + 30, 0xEE);
    test::bytesSchreiben(kb.datei(), bytes);
    EXPECT_EQ(indizesPruefen(kb.s.verein.datei), IndexBefund::InOrdnung);
}

TEST(IndexCheck, JaStartetDieReorganisation) {
    Kassenbuch kb;
    trickreichBuchen(kb);
    dateiLoeschen(kb.index(1));
    kb.person.antworte(Knopf::Ja);
    EXPECT_EQ(indexCheckBeimOeffnen(kb.s), IndexBefund::Fehlt);
    // The deleted record 3 is gone, the indexes are whole again.
    EXPECT_EQ(satzAnzahl(kb.datei()), 6u);
    EXPECT_EQ(indizesPruefen(kb.s.verein.datei), IndexBefund::InOrdnung);
    EXPECT_TRUE(dateiExistiert(kb.dir.datei("~erein.26")));
    EXPECT_EQ(kb.person.meldungen().back().titel, "Fertig");
}

} // namespace
} // namespace zalvor
