// Appending a batch of bookings: the same indexes as filing one after the other, nothing
// written when the file cannot take them all, and a club that stays whole under faults.
#include "../members/mitglieder_testdaten.h"
#include "buchungsdaten.h"
#include "fehlerlauf.h"

#include "core/members/beitraegebuchen.h"
#include "core/members/beitragssaetze.h"

#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

// Keys that fall before, between, equal to and after the records already filed.
std::vector<Satz> altBestand() {
    return {{"7", "Miete", 40, false, 1, 5, 2},
            {"3", "Beitrag", 25, true, 22, 9, 1},
            {"x", "Zins", 2, true, 3, 1, 12}};
}
std::vector<Satz> stapel() {
    return {{"5", "Abel", 25, true, 22, 9, 1},
            {"8", "Miete", 40, false, 1, 5, 2},
            {"1", "Zander", 99, true, 2, 31, 12},
            {"y", "Beitrag", 0.5, true, 22, 1, 1},
            {"3", "Miete", 40, false, 1, 5, 2}};
}

TEST(Buchungsstapel, FilesLikeOneAfterTheOtherAndAdvancesTheNumber) {
    Kassenbuch einzeln("Einzeln");
    Kassenbuch zusammen("Zusammen");
    for (Kassenbuch* k : {&einzeln, &zusammen})
        for (const Satz& s : altBestand())
            k->buchen(s);
    std::vector<TBuchung> neu;
    for (const Satz& s : stapel()) {
        einzeln.buchen(s);
        neu.push_back(buchung(s));
    }
    buchungenAnhaengen(zusammen.s.verein, zusammen.s.person, neu);
    EXPECT_EQ(bytesLesen(zusammen.datei()), bytesLesen(einzeln.datei()));
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(zusammen.eintraege(k), einzeln.eintraege(k)) << "Index " << k;
    EXPECT_EQ(zusammen.s.verein.datei.naechsteNummer, einzeln.s.verein.datei.naechsteNummer);
    EXPECT_EQ(indizesPruefen(zusammen.s.verein.datei), IndexBefund::InOrdnung);
}

TEST(Buchungsstapel, WritesNothingBeyondTheLastRecordNumberAndReportsAMissingIndexOnce) {
    Kassenbuch k;
    k.buchen(Satz{});
    const auto vorher = bytesLesen(k.datei());
    std::vector<TBuchung> zuViele(kMaxSaetze, buchung(Satz{}));
    EXPECT_THROW(buchungenAnhaengen(k.s.verein, k.s.person, zuViele), BefehlAbgebrochen);
    EXPECT_EQ(bytesLesen(k.datei()), vorher);
    EXPECT_EQ(k.eintraege(1).size(), 1u);

    dateiLoeschen(k.index(4));
    dateiLoeschen(k.index(6));
    buchungenAnhaengen(k.s.verein, k.s.person, {buchung(Satz{}), buchung(Satz{})});
    EXPECT_EQ(k.person.meldungen().size(), 2u); // the refusal above, then one missing index
    EXPECT_EQ(k.eintraege(9).size(), 3u);
}

// Every failed file operation while booking the contributions of three members leaves the
// bookings and indexes whole (or the damage found at opening) and the register old or new.
TEST(Buchungsstapel, ContributionsSurviveAFaultAtEveryStep) {
    Kassenbuch k;
    k.s.verein.def.konten.fill(kUnbenannt);
    k.s.verein.def.konten[2] = "Bank";
    k.s.verein.def.mitgliedEinstellung = 2;
    k.s.verein.def.standardBeitrag = 50;
    k.s.verein.beitraege = vorgabeSaetze(k.s.verein.def);
    k.buchen(Satz{});
    for (const auto& m :
         {mitglied("Abel", "Anna"), mitglied("Berg", "Bernd"), mitglied("Cord", "Cora")})
        mitgliedEinfuegen(k.s.verein.datei.dateien().mitglieder(), m);
    k.s.dateiOffen = true;
    k.s.verein.mitgliederVorhanden = true;
    const std::int32_t nummer = k.s.verein.datei.naechsteNummer;
    const auto bericht = fehlerlaeufe(
        k.dir.pfad(),
        [&] {
            k.s.verein.datei.naechsteNummer = nummer;
            auto d = beitraegeOeffnen(k.s);
            if (!d) return false;
            for (auto& kasten : d->kaestchen)
                kasten.angehakt = kasten.aktiv;
            return beitraegeBuchen(k.s, *d) == 3;
        },
        vereinspruefung(k.s.verein.datei.basisname, k.s.verein.datei.jahr),
        // One kind of failure at each step: the other numbers take the same paths.
        Fehlerplan{{ENOSPC}, false});
    EXPECT_GT(bericht.laeufe, 0u);
    for (const auto& p : bericht.probleme)
        ADD_FAILURE() << p;
    EXPECT_EQ(alleBuchungenLesen(k.datei()).size(), 4u);
}

} // namespace
} // namespace zalvor::test
