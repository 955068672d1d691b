// The booking of a statement line: fields, cut DOS texts, and why a line is not booked.
#include "core/bank/auszugbuchung.h"

#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

namespace zalvor::bank {
namespace {

Auszugszeile zeile() {
    Auszugszeile z;
    z.buchungsdatum = Datum{2026, 3, 7};
    z.valuta = Datum{2026, 3, 8};
    z.cent = 12345;
    z.richtung = Richtung::Soll;
    z.waehrung = "EUR";
    z.name = "Getränke Hoffmann GmbH & Co. KG";
    z.text = "Rechnung 2026-0815 Sommerfest Grillgut und Getränke";
    z.zusatzinfo = "Überweisung";
    return z;
}

TEST(AuszugBuchung, FelderUndGekuerzteTexte) {
    const Buchungsfelder f = buchungsfelder(zeile(), 2026, "EUR");
    EXPECT_EQ(f.grund, Nichtgebucht::Nein);
    EXPECT_EQ(f.tag, 7);
    EXPECT_EQ(f.monat, 3);
    EXPECT_EQ(f.cent, 12345);
    EXPECT_FALSE(f.einnahme);
    EXPECT_EQ(f.anVon, "Getr\x84nke Hoffma");
    EXPECT_EQ(f.text, "Rechnung 2026-0815 Sommerfest ");
    EXPECT_EQ(f.text.size(), 30U);

    Auszugszeile ohneText = zeile();
    ohneText.text.clear();
    ohneText.richtung = Richtung::Haben;
    const Buchungsfelder g = buchungsfelder(ohneText, 2026, "EUR");
    EXPECT_EQ(g.text, "\x9A"
                      "berweisung");
    EXPECT_TRUE(g.einnahme);
}

TEST(AuszugBuchung, GruendeNichtZuBuchen) {
    struct Fall {
        Status status;
        int jahr;
        const char* waehrung;
        Nichtgebucht grund;
    };
    for (const Fall& f : {
             Fall{Status::Gebucht, 2026, "EUR", Nichtgebucht::Nein},
             Fall{Status::Vorgemerkt, 2025, "USD", Nichtgebucht::Vorgemerkt},
             Fall{Status::Information, 2026, "EUR", Nichtgebucht::Vorgemerkt},
             Fall{Status::Gebucht, 2025, "USD", Nichtgebucht::AnderesJahr},
             Fall{Status::Gebucht, 2026, "USD", Nichtgebucht::AndereWaehrung},
         }) {
        Auszugszeile z = zeile();
        z.status = f.status;
        z.buchungsdatum.jahr = f.jahr;
        z.waehrung = f.waehrung;
        EXPECT_EQ(buchungsfelder(z, 2026, "EUR").grund, f.grund) << f.jahr << f.waehrung;
    }
    EXPECT_TRUE(nichtgebuchtText(Nichtgebucht::Nein).empty());
    EXPECT_NE(nichtgebuchtText(Nichtgebucht::AnderesJahr),
              nichtgebuchtText(Nichtgebucht::Vorgemerkt));
}

TEST(AuszugBuchung, DerSatz) {
    Buchungsfelder f = buchungsfelder(zeile(), 2026, "EUR");
    const TBuchung aus = alsBuchung(f, 2, 27);
    EXPECT_EQ(aus.kontoVon, 2);
    EXPECT_EQ(aus.kontoNach, 0);
    EXPECT_EQ(aus.typcode, 27);
    EXPECT_FALSE(aus.istEinnahme());
    EXPECT_FALSE(aus.istGeplant());
    EXPECT_EQ(aus.betrag, Real6::aus(123.45L));
    EXPECT_EQ(aus.anVon.text(), f.anVon);
    EXPECT_EQ(aus.text.text(), f.text);
    f.einnahme = true;
    const TBuchung ein = alsBuchung(f, 4, 1);
    EXPECT_EQ(ein.kontoNach, 4);
    EXPECT_EQ(ein.kontoVon, 0);
    EXPECT_TRUE(ein.istEinnahme());
}

} // namespace
} // namespace zalvor::bank
