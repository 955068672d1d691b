// Booking file: next numbers, conversion on append, deletion, text bytes, a partial last
// record, failures while writing.
#include "buchungsdaten.h"

#include "core/common/fehler.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace zalvor {
namespace {

using test::Kassenbuch;
using test::Satz;

TEST(Buchungsdatei, NaechsteNummerBeimOeffnen) {
    Kassenbuch kb;
    kb.s.verein.datei.naechsteNummer = 99;
    naechsteNummerFinden(kb.s.verein.datei);
    EXPECT_EQ(kb.s.verein.datei.naechsteNummer, 1); // empty file

    kb.buchen({.bunr = "41"});
    naechsteNummerFinden(kb.s.verein.datei);
    EXPECT_EQ(kb.s.verein.datei.naechsteNummer, 42);

    kb.buchen({.bunr = "AB"});
    naechsteNummerFinden(kb.s.verein.datei);
    EXPECT_EQ(kb.s.verein.datei.naechsteNummer, 1); // last record is an opening balance
}

TEST(Buchungsdatei, NaechsteNummerNachAnhaengen) {
    Kassenbuch kb;
    kb.s.verein.datei.naechsteNummer = 5;
    kb.buchen({.bunr = "0012"});
    EXPECT_EQ(kb.s.verein.datei.naechsteNummer, 13);
    kb.buchen({.bunr = "AB"});
    EXPECT_EQ(kb.s.verein.datei.naechsteNummer, 14);
    kb.buchen({.bunr = "A1"});
    EXPECT_EQ(kb.s.verein.datei.naechsteNummer, 15);
    kb.buchen({.bunr = "3"});
    EXPECT_EQ(kb.s.verein.datei.naechsteNummer, 4); // numbers are proposals, never checked
    EXPECT_EQ(satzAnzahl(kb.datei()), 4u);
}

TEST(Buchungsdatei, UmrechnungBeimAnhaengen) {
    Kassenbuch kb; // year 26
    auto anhaengen = [&](bool umrechnen, bool inLandeswaehrung) {
        buchungAnhaengen(kb.s.verein, kb.s.person, test::buchung({.betrag = 195.58L}),
                         {umrechnen, inLandeswaehrung, false, false});
        return buchungLesen(kb.datei(), satzAnzahl(kb.datei()) - 1).betrag;
    };
    // Kurs 0: the amount stays although conversion is asked.
    EXPECT_EQ(anhaengen(true, false), Real6::aus(195.58L));

    kb.s.verein.def.waehrung.Kurs = 1.95583L; // file in Euro from 02
    EXPECT_EQ(anhaengen(true, false), Real6::aus(100));
    EXPECT_EQ(anhaengen(false, false), Real6::aus(195.58L));
    // Typed in Euro for a Euro file: nothing to convert.
    EXPECT_EQ(anhaengen(true, true), Real6::aus(195.58L));

    kb.s.verein.def.waehrung.Umstellungsjahr = "30"; // the file is not in Euro yet
    EXPECT_EQ(anhaengen(true, true), Real6::aus(382.52L));
    EXPECT_EQ(anhaengen(true, false), Real6::aus(195.58L));
}

TEST(Buchungsdatei, LoeschenSetztNurDenBetragAufNull) {
    Kassenbuch kb;
    kb.buchen({.bunr = "1"});
    kb.buchen({.bunr = "2", .text = "Strom", .betrag = 44.5L, .einnahme = true});
    const auto vorher = test::bytesLesen(kb.datei());
    buchungLoeschen(kb.datei(), 1);
    auto nachher = test::bytesLesen(kb.datei());
    ASSERT_EQ(nachher.size(), vorher.size());
    for (std::size_t i = 0; i < vorher.size(); ++i) {
        if (i >= 70 + 36 && i < 70 + 42)
            EXPECT_EQ(nachher[i], 0) << i;
        else
            EXPECT_EQ(nachher[i], vorher[i]) << i;
    }
    EXPECT_TRUE(buchungLesen(kb.datei(), 1).geloescht());
}

TEST(Buchungsdatei, BytesHinterDerTextlaengeBleibenErhalten) {
    Kassenbuch kb;
    TBuchung b = test::buchung({.text = "Abc"});
    for (std::size_t i = 4; i <= 30; ++i)
        b.text.roh[i] = static_cast<std::uint8_t>(0xA0 + i);
    b.anVon.roh[15] = 0x7F;
    b.bunr.setze("7");
    b.bunr.roh[4] = 'X';
    buchungAnhaengen(kb.s.verein, kb.s.person, b, {false, false, true, true});
    const auto roh = test::bytesLesen(kb.datei());
    ASSERT_EQ(roh.size(), 70u);
    EXPECT_EQ(roh[3], 3);
    EXPECT_EQ(roh[3 + 30], 0xA0 + 30);
    EXPECT_EQ(roh[52 + 15], 0x7F);
    EXPECT_EQ(roh[47 + 4], 'X');
    const TBuchung gelesen = buchungLesen(kb.datei(), 0);
    EXPECT_EQ(gelesen.text.text(), "Abc");
    EXPECT_EQ(gelesen, b);
    // Rewriting carries them along too.
    buchungUeberschreiben(kb.datei(), 0, gelesen);
    EXPECT_EQ(test::bytesLesen(kb.datei()), roh);
}

class UnvollstaendigeDatei : public ::testing::Test {
  protected:
    void SetUp() override {
        kb.buchen({.bunr = "1"});
        kb.buchen({.bunr = "2"});
        roh = test::bytesLesen(kb.datei());
        roh.insert(roh.end(), 30, 0xEE);
        test::bytesSchreiben(kb.datei(), roh);
        kb.person.leeren();
    }
    Kassenbuch kb;
    std::vector<std::uint8_t> roh;
};

TEST_F(UnvollstaendigeDatei, GanzeSaetzeWerdenGelesen) {
    EXPECT_EQ(satzAnzahl(kb.datei()), 2u);
    EXPECT_EQ(unvollstaendigeBytes(kb.datei()), 30u);
    const auto alle = alleBuchungenLesen(kb.datei());
    ASSERT_EQ(alle.size(), 2u);
    EXPECT_EQ(alle[1].bunr.text(), "2");
}

TEST_F(UnvollstaendigeDatei, AblehnenSchreibtNichts) {
    kb.person.antworte(Knopf::Nein);
    EXPECT_THROW(kb.buchen({.bunr = "3"}), BefehlAbgebrochen);
    EXPECT_EQ(test::bytesLesen(kb.datei()), roh);
    EXPECT_EQ(kb.eintraege(1).size(), 2u);
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    EXPECT_EQ(kb.person.meldungen()[0].titel, "Unvollständiger Datensatz");
}

TEST_F(UnvollstaendigeDatei, ZustimmenErsetztDenRest) {
    kb.person.antworte(Knopf::Ja);
    kb.buchen({.bunr = "3"});
    EXPECT_EQ(test::bytesLesen(kb.datei()).size(), 210u);
    EXPECT_EQ(buchungLesen(kb.datei(), 2).bunr.text(), "3");
    EXPECT_EQ(kb.eintraege(4), (std::vector<std::uint16_t>{0, 1, 2}));
}

TEST(Buchungsdatei, SchreibfehlerErreichtDenAufrufer) {
    Kassenbuch kb;
    kb.buchen({.bunr = "1"});
    const auto vorher = test::bytesLesen(kb.datei());

    testhaken::schreibfehlerNach(0, ENOSPC);
    try {
        kb.buchen({.bunr = "2"});
        ADD_FAILURE() << "kein Fehler gemeldet";
    } catch (const EAFehler& e) {
        EXPECT_EQ(e.nummer(), ENOSPC);
    }
    testhaken::zuruecksetzen();
    EXPECT_EQ(test::bytesLesen(kb.datei()), vorher);

    // The record is written, then filing it before Miete fails: the record stays, the failure still
    // reaches the caller, and the index that could not be written keeps its old content.
    testhaken::schreibfehlerNach(1, EIO);
    EXPECT_THROW(kb.buchen({.bunr = "0", .text = "Abc"}), EAFehler);
    testhaken::zuruecksetzen();
    EXPECT_EQ(satzAnzahl(kb.datei()), 2u);
    EXPECT_EQ(kb.eintraege(1), (std::vector<std::uint16_t>{0}));
}

TEST(Buchungsdatei, VolleDateiNimmtNichtsMehrAuf) {
    Kassenbuch kb;
    const auto satz = test::buchung({}).packen();
    std::vector<std::uint8_t> roh;
    roh.reserve(std::size_t{kMaxSaetze} * 70);
    for (std::uint32_t i = 0; i < kMaxSaetze; ++i)
        roh.insert(roh.end(), satz.begin(), satz.end());
    test::bytesSchreiben(kb.datei(), roh);
    EXPECT_THROW(kb.buchen({}), BefehlAbgebrochen);
    EXPECT_EQ(satzAnzahl(kb.datei()), kMaxSaetze);
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    EXPECT_EQ(kb.person.meldungen()[0].titel, "Fehler!");
}

} // namespace
} // namespace zalvor
