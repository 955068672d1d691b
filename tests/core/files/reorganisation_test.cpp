// Reorganisation: dropped records, backups, the overwrite question, templates, and the
// fast rebuild against filing record by record.
#include "buchungsdaten.h"

#include "core/common/fehler.h"
#include "core/files/reorganisation.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <dirent.h>
#include <map>
#include <random>

namespace zalvor {
namespace {

using test::Art;
using test::Kassenbuch;
using test::Satz;

std::map<std::string, std::vector<std::uint8_t>> alleDateien(const std::string& verzeichnis) {
    std::map<std::string, std::vector<std::uint8_t>> out;
    DIR* d = ::opendir(verzeichnis.c_str());
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        out[name] = test::bytesLesen(verzeichnis + "/" + name);
    }
    ::closedir(d);
    return out;
}

std::string abschluss(const Kassenbuch& kb) {
    return "Reorganisation abgeschlossen! Alte Dateien wurden unter " + kb.dir.datei("~erein.26") +
           "? gespeichert.";
}

TEST(Sicherungsname, ErstesZeichenDesDateinamens) {
    EXPECT_EQ(sicherungsname("/daten/kasse/Verein"), "/daten/kasse/~erein");
    EXPECT_EQ(sicherungsname("Verein"), "~erein");
    EXPECT_EQ(sicherungsname("/daten.alt/V"), "/daten.alt/~");
    // A character of several UTF-8 bytes is replaced whole, so the name stays valid.
    EXPECT_EQ(sicherungsname("/daten/\xC3\x84rzte"), "/daten/~rzte");
    EXPECT_EQ(sicherungsname("/daten/"), "/daten/");
}

TEST(Reorganisation, ZehnSaetzeDreiGeloescht) {
    Kassenbuch kb;
    for (int i = 1; i <= 10; ++i) {
        const bool weg = i == 2 || i == 5 || i == 10;
        kb.buchen({.bunr = std::to_string(100 + i),
                   .text = std::string(1, static_cast<char>('a' + 10 - i)),
                   .betrag = weg ? 0.0L : static_cast<long double>(i)});
    }
    const auto altDatei = test::bytesLesen(kb.datei());
    std::array<std::vector<std::uint8_t>, 10> altIndex;
    for (int k = 1; k <= 9; ++k)
        altIndex[static_cast<std::size_t>(k)] = test::bytesLesen(kb.index(k));

    ASSERT_TRUE(reorganisieren(kb.s.verein, kb.s.person, false));

    const auto neu = alleBuchungenLesen(kb.datei());
    ASSERT_EQ(neu.size(), 7u);
    const std::vector<std::string> nummern{"101", "103", "104", "106", "107", "108", "109"};
    for (std::size_t i = 0; i < neu.size(); ++i)
        EXPECT_EQ(neu[i].bunr.text(), nummern[i]);
    // Index 4 (numbers) is file order, index 1 (texts j..a) the reverse.
    EXPECT_EQ(kb.eintraege(4), (std::vector<std::uint16_t>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(kb.eintraege(1), (std::vector<std::uint16_t>{6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(kb.s.verein.datei.naechsteNummer, 110);

    const std::string b = kb.dir.datei("~erein.26");
    EXPECT_EQ(test::bytesLesen(b), altDatei);
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(test::bytesLesen(b + std::to_string(k)), altIndex[static_cast<std::size_t>(k)]);
    EXPECT_FALSE(dateiExistiert(kb.s.verein.datei.basisname + ".tmp"));

    const auto& e = kb.person.eintraege();
    ASSERT_GE(e.size(), 2u);
    EXPECT_EQ(e.front().art, Art::Fortschritt);
    EXPECT_EQ(e.front().titel, "Reorganisation...");
    EXPECT_EQ(e.front().text,
              "Datei wird neu geschrieben und Indexdateien werden neu aufgebaut...");
    EXPECT_EQ(e.back().art, Art::Meldung);
    EXPECT_EQ(e.back().titel, "Fertig");
    EXPECT_EQ(e.back().text, abschluss(kb));
    EXPECT_EQ(e.back().symbol, Symbol::Information);
    EXPECT_EQ(kb.person.prozente(), (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST(Reorganisation, FortschrittNurBeiNeuemProzent) {
    Kassenbuch kb;
    std::vector<std::uint8_t> roh;
    for (int i = 0; i < 1000; ++i) {
        auto b = test::buchung({.bunr = std::to_string(i)}).packen();
        roh.insert(roh.end(), b.begin(), b.end());
    }
    test::bytesSchreiben(kb.datei(), roh);
    ASSERT_TRUE(reorganisieren(kb.s.verein, kb.s.person, false));
    const auto p = kb.person.prozente();
    ASSERT_EQ(p.size(), 101u);
    for (std::size_t i = 0; i < p.size(); ++i)
        EXPECT_EQ(p[i], static_cast<int>(i));
}

// Filing record by record from empty indexes, as appending after a new file does.
void langsamAufbauen(Kassenbuch& ziel, const std::vector<TBuchung>& saetze) {
    for (const auto& b : saetze)
        if (!b.geloescht())
            buchungAnhaengen(ziel.s.verein, ziel.s.person, b, {false, false, true, true});
}

std::vector<TBuchung> zufallsBuchungen(unsigned saat, int anzahl) {
    std::mt19937 zufall(saat);
    auto w = [&](int n) { return static_cast<int>(zufall() % static_cast<unsigned>(n)); };
    const std::vector<std::string> texte{"",       "Miete",    "Mie",  "M\x81ll",
                                         "Miete ", "\x84pfel", "Zins", "miete"};
    const std::vector<std::string> nummern{"0012", "12", "AB", "A1", "", "-3", "7", "99"};
    const std::vector<long double> betraege{0, -20, 0.01L, 50, 50, 1000, 12.5L, -0.01L};
    std::vector<TBuchung> out;
    for (int i = 0; i < anzahl; ++i) {
        Satz s{nummern[static_cast<std::size_t>(w(8))],
               texte[static_cast<std::size_t>(w(8))],
               betraege[static_cast<std::size_t>(w(8))],
               w(2) == 1,
               static_cast<std::uint8_t>(w(4) == 0 ? 21 + w(2) : w(53)),
               static_cast<std::uint8_t>(1 + w(3)),
               static_cast<std::uint8_t>(1 + w(3)),
               static_cast<std::uint8_t>(1 + w(9)),
               w(5) == 0};
        TBuchung b = test::buchung(s);
        // Bytes after the text length must be carried along unchanged.
        b.text.roh[30] = static_cast<std::uint8_t>(w(256));
        out.push_back(b);
    }
    return out;
}

TEST(Reorganisation, GleichBytesWieSatzweisesEinordnen) {
    for (unsigned saat : {1u, 2u, 3u}) {
        const auto saetze = zufallsBuchungen(saat, 70);
        Kassenbuch schnell;
        std::vector<std::uint8_t> roh;
        for (const auto& b : saetze) {
            auto p = b.packen();
            roh.insert(roh.end(), p.begin(), p.end());
        }
        test::bytesSchreiben(schnell.datei(), roh);
        schnell.s.verein.datei.naechsteNummer = 40;
        ASSERT_TRUE(reorganisieren(schnell.s.verein, schnell.s.person, false));

        Kassenbuch langsam;
        langsam.s.verein.datei.naechsteNummer = 40;
        langsamAufbauen(langsam, saetze);

        EXPECT_EQ(test::bytesLesen(schnell.datei()), test::bytesLesen(langsam.datei()));
        for (int k = 1; k <= 9; ++k)
            EXPECT_EQ(test::bytesLesen(schnell.index(k)), test::bytesLesen(langsam.index(k)))
                << "Saat " << saat << " Index " << k;
        EXPECT_EQ(schnell.s.verein.datei.naechsteNummer, langsam.s.verein.datei.naechsteNummer);
    }
}

TEST(Reorganisation, UeberschreibenAblehnenAendertNichts) {
    Kassenbuch kb;
    kb.buchen({.bunr = "1"});
    kb.buchen({.bunr = "2", .betrag = 0});
    test::textSchreiben(kb.dir.datei("~erein.26"), "alte Sicherung");
    test::textSchreiben(kb.dir.datei("~erein.SBD"), "alte Schablonen");
    test::bytesSchreiben(kb.dir.datei("Verein.SBD"), {});
    const auto vorher = alleDateien(kb.dir.pfad());

    for (auto antwort : {test::AufzeichnendePerson::Antwort(Knopf::Nein),
                         test::AufzeichnendePerson::Antwort(std::nullopt)}) {
        kb.person.leeren();
        kb.person.antworte(antwort);
        EXPECT_FALSE(reorganisieren(kb.s.verein, kb.s.person, false));
        ASSERT_EQ(kb.person.eintraege().size(), 1u);
        const auto& f = kb.person.eintraege()[0];
        EXPECT_EQ(f.titel, "Achtung!!!");
        EXPECT_EQ(f.text, "Datei " + kb.dir.datei("~erein.26") +
                              " existiert bereits.\r\r\xC3\x9C"
                              "berschreiben?");
        EXPECT_EQ(f.symbol, Symbol::Frage);
        EXPECT_EQ(f.knoepfe, (std::vector<Knopf>{Knopf::Ja, Knopf::Nein}));
        EXPECT_EQ(alleDateien(kb.dir.pfad()), vorher);
    }
}

TEST(Reorganisation, UeberschreibenJaErsetztDieSicherung) {
    Kassenbuch kb;
    kb.buchen({.bunr = "1"});
    const auto alt = test::bytesLesen(kb.datei());
    test::textSchreiben(kb.dir.datei("~erein.26"), "alte Sicherung");
    kb.person.antworte(Knopf::Ja);
    ASSERT_TRUE(reorganisieren(kb.s.verein, kb.s.person, false));
    EXPECT_EQ(test::bytesLesen(kb.dir.datei("~erein.26")), alt);
}

TEST(Reorganisation, LeereDateiBekommtLeereIndizes) {
    Kassenbuch kb;
    kb.s.verein.datei.naechsteNummer = 17;
    ASSERT_TRUE(reorganisieren(kb.s.verein, kb.s.person, false));
    EXPECT_EQ(satzAnzahl(kb.datei()), 0u);
    for (int k = 1; k <= 9; ++k) {
        ASSERT_TRUE(dateiExistiert(kb.index(k)));
        EXPECT_TRUE(kb.eintraege(k).empty());
    }
    EXPECT_EQ(kb.s.verein.datei.naechsteNummer, 1);
    EXPECT_EQ(kb.person.prozente(), (std::vector<int>{0, 100}));
    EXPECT_EQ(kb.person.meldungen().back().text, abschluss(kb));
    // The next booking is filed without a missing-index message.
    buchungAnhaengen(kb.s.verein, kb.s.person, test::buchung({}), {false, false, true, false});
    EXPECT_TRUE(kb.person.meldungen().size() == 1u);
    EXPECT_EQ(kb.eintraege(3), (std::vector<std::uint16_t>{0}));
}

TEST(Reorganisation, AlleGeloeschtErgibtLeereDatei) {
    Kassenbuch kb;
    for (int i = 1; i <= 9; ++i)
        kb.buchen({.bunr = "AB", .betrag = 0, .konto = static_cast<std::uint8_t>(i)});
    ASSERT_TRUE(reorganisieren(kb.s.verein, kb.s.person, false));
    EXPECT_EQ(satzAnzahl(kb.datei()), 0u);
    EXPECT_EQ(satzAnzahl(kb.dir.datei("~erein.26")), 9u);
    for (int k = 1; k <= 9; ++k)
        EXPECT_TRUE(kb.eintraege(k).empty());
}

TEST(Reorganisation, UnvollstaendigerSatzBleibtInDerSicherung) {
    Kassenbuch kb;
    kb.buchen({.bunr = "1"});
    auto bytes = test::bytesLesen(kb.datei());
    bytes.resize(bytes.size() + 11, 0x55);
    test::bytesSchreiben(kb.datei(), bytes);
    ASSERT_TRUE(reorganisieren(kb.s.verein, kb.s.person, false));
    EXPECT_EQ(test::bytesLesen(kb.datei()).size(), 70u);
    EXPECT_EQ(test::bytesLesen(kb.dir.datei("~erein.26")), bytes);
}

TEST(Reorganisation, SchreibfehlerLaesstDieAltenDatenInDerSicherung) {
    Kassenbuch kb;
    for (int i = 0; i < 5; ++i)
        kb.buchen({.bunr = std::to_string(i)});
    const auto alt = test::bytesLesen(kb.datei());
    testhaken::schreibfehlerNach(1, ENOSPC);
    try {
        reorganisieren(kb.s.verein, kb.s.person, false);
        ADD_FAILURE() << "kein Fehler gemeldet";
    } catch (const EAFehler& e) {
        EXPECT_EQ(e.nummer(), ENOSPC);
    }
    testhaken::zuruecksetzen();
    EXPECT_EQ(test::bytesLesen(kb.dir.datei("~erein.26")), alt);
}

TEST(Reorganisation, DateiIstNieIhreEigeneSicherung) {
    Kassenbuch kb("~erein");
    kb.buchen({});
    const auto vorher = alleDateien(kb.dir.pfad());
    EXPECT_FALSE(reorganisieren(kb.s.verein, kb.s.person, false));
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    EXPECT_EQ(kb.person.meldungen()[0].titel, "Fehler!");
    EXPECT_EQ(alleDateien(kb.dir.pfad()), vorher);
}

TEST(Reorganisation, ZuVieleLebendeSaetzeWerdenAbgelehnt) {
    Kassenbuch kb;
    const auto satz = test::buchung({}).packen();
    std::vector<std::uint8_t> roh;
    roh.reserve(65536 * 70);
    for (int i = 0; i < 65536; ++i)
        roh.insert(roh.end(), satz.begin(), satz.end());
    test::bytesSchreiben(kb.datei(), roh);
    const auto vorher = alleDateien(kb.dir.pfad());
    EXPECT_FALSE(reorganisieren(kb.s.verein, kb.s.person, false));
    ASSERT_EQ(kb.person.meldungen().size(), 1u);
    EXPECT_EQ(kb.person.meldungen()[0].titel, "Fehler!");
    EXPECT_EQ(alleDateien(kb.dir.pfad()), vorher);
}

// Templates.

void schablonenSchreiben(const Kassenbuch& kb, const std::vector<long double>& betraege) {
    std::vector<std::uint8_t> roh;
    for (auto b : betraege) {
        auto p = test::buchung({.betrag = b, .konto = 3}).packen();
        roh.insert(roh.end(), p.begin(), p.end());
    }
    test::bytesSchreiben(kb.dir.datei("Verein.SBD"), roh);
}

TEST(Reorganisation, GeloeschteSchablonenFallenWeg) {
    Kassenbuch kb;
    kb.buchen({});
    schablonenSchreiben(kb, {195.58L, 0, 10});
    const auto alt = test::bytesLesen(kb.dir.datei("Verein.SBD"));
    kb.s.verein.def.waehrung.Kurs = 1.95583L;
    ASSERT_TRUE(reorganisieren(kb.s.verein, kb.s.person, false));
    const auto neu = alleBuchungenLesen(kb.dir.datei("Verein.SBD"));
    ASSERT_EQ(neu.size(), 2u);
    EXPECT_EQ(neu[0].betrag, Real6::aus(195.58L));
    EXPECT_EQ(neu[1].betrag, Real6::aus(10));
    EXPECT_EQ(test::bytesLesen(kb.dir.datei("~erein.SBD")), alt);
    bool textGezeigt = false;
    for (const auto& e : kb.person.eintraege())
        textGezeigt |=
            e.art == Art::Fortschritt && e.text == "Reorganisiere die Schablonen-Datei...";
    EXPECT_TRUE(textGezeigt);
    EXPECT_EQ(kb.person.prozente(), (std::vector<int>{0, 100, 0, 33, 67, 100}));
}

TEST(Reorganisation, SchablonenWerdenInEuroUmgerechnet) {
    Kassenbuch kb;
    kb.buchen({});
    schablonenSchreiben(kb, {195.58L, 0, 10});
    kb.s.verein.def.waehrung.Kurs = 1.95583L;
    ASSERT_TRUE(reorganisieren(kb.s.verein, kb.s.person, true));
    const auto neu = alleBuchungenLesen(kb.dir.datei("Verein.SBD"));
    ASSERT_EQ(neu.size(), 2u);
    EXPECT_EQ(neu[0].betrag, Real6::aus(100));
    EXPECT_EQ(neu[1].betrag, Real6::aus(5.11L));
}

TEST(Reorganisation, LeereSchablonendateiUndAlteSicherungWerdenGeloescht) {
    Kassenbuch kb;
    kb.buchen({});
    test::bytesSchreiben(kb.dir.datei("Verein.SBD"), {1, 2, 3});
    test::textSchreiben(kb.dir.datei("~erein.SBD"), "alt");
    ASSERT_TRUE(reorganisieren(kb.s.verein, kb.s.person, false));
    EXPECT_FALSE(dateiExistiert(kb.dir.datei("Verein.SBD")));
    EXPECT_FALSE(dateiExistiert(kb.dir.datei("~erein.SBD")));
}

} // namespace
} // namespace zalvor
