// Importing a statement: the plan's statuses and proposals, the person's changes, the batch
// booked once, duplicates on the second import, open imports settled against the booking
// file, and the cash book's balance the reconciliation uses.
#include "../files/buchungsdaten.h"
#include "auszugtext.h"
#include "fehlerlauf.h"
#include "gespeicherteausgabe.h"

#include "core/bank/kontoauszugimport.h"
#include "core/common/zeichensatz.h"
#include "core/database/bankkonten.h"
#include "core/database/kontoauszuege.h"
#include "core/files/satzdatei.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zalvor::bank {
namespace {

class Import : public ::testing::Test {
  protected:
    void SetUp() override {
        k.s.verein.def.waehrung.Kurs = 1.95583L;
        k.s.verein.def.typen.setzeTypName(Seite::Einnahme, 2, "Spenden");
        k.s.verein.def.typen.setzeTypName(Seite::Ausgabe, 23, "Aufwand");
        k.s.verein.def.typen.setzeTypName(Seite::Ausgabe, 5, "Fahrtkosten");
        k.buchen({"AB", "Anfangsbestand", 1000, true, 0, 1, 1, 1});
        TBuchung hallenwart = zalvor::test::buchung({"2", "Hallenwart", 35, false, 25, 10, 2, 1});
        hallenwart.anVon.setze(dosText("Hallenwart Schulz", 15));
        buchungAnhaengen(k.s.verein, k.s.person, hallenwart, {false, false, true, true});
        Transaktion t(db);
        ASSERT_TRUE(bankkontoSetzen(t, 1, "DE89370400440532013000", "Musterbank"));
        ASSERT_TRUE(bankkontoSetzen(t, 4, "DE75512108001245126199", "Sparkasse"));
        t.festschreiben();
    }

    Importplan planen(const std::string& probe, Importwahl wahl = {}) {
        wahl.regeln = regelnLesen("spende => E 2\n").regeln.regeln;
        auto plan = importPlanen(k.s.verein, db, saetze(), probe,
                                 auszugEinlesen(test::dateiInhalt("data/bank/" + probe)), wahl);
        EXPECT_TRUE(plan) << plan.meldung();
        return std::move(plan).wert();
    }

    std::vector<TBuchung> saetze() const { return alleBuchungenLesen(k.datei()); }

    // The grid and the reconciliation as zalvor-cli prints them.
    std::string bild(const Importplan& p, bool vorschau) {
        const Raster r = importRaster(p, k.s.verein.def.typen);
        std::string s = "## " + r.titel + "\n";
        for (const auto& z : r.zeilen) {
            for (const auto& c : z)
                s += ansiNachUtf8(c) + "\t";
            s += "\n";
        }
        for (const auto& a : abgleichen(k.s.verein, p, saetze(), vorschau))
            s += "# " + ansiNachUtf8(abgleichText(a)) + "\n";
        return s;
    }

    zalvor::test::Kassenbuch k;
    Datenbank db = Datenbank::schreiben(k.s.verein.dateien().datenbank()).wert();
};

TEST_F(Import, BooksTheChosenLinesOnceAndReconciles) {
    Importwahl wahl;
    // An assigner before the rules, as contribution matching is: it takes the donation.
    wahl.zuordner.push_back([](const Auszugszeile& z, int) -> std::optional<std::uint8_t> {
        if (z.name.find("Förderverein") == std::string::npos) return std::nullopt;
        return kCodeBeitrag;
    });
    Importplan p = planen("camt053_08.xml", wahl);
    ASSERT_EQ(p.zeilen.size(), 6u);
    EXPECT_EQ(p.zeilen[0].typ.quelle, Typquelle::Zuordner);
    EXPECT_EQ(p.zeilen[1].typ.quelle, Typquelle::Gelernt);
    std::string text = bild(p, true);
    zeileAendern(p, 1, 5, 2);
    zeileWaehlen(p, 2, false);
    zeileWaehlen(p, 3, true); // another year: not the person's to book
    text += bild(p, true);
    EXPECT_EQ(importBuchen(k.s, db, p), 2u);
    text += bild(p, false);
    const auto alle = saetze();
    ASSERT_EQ(alle.size(), 4u);
    EXPECT_EQ(alle[3].kontoVon, 2);
    EXPECT_EQ(alle[3].typcode, 5);
    EXPECT_EQ(alle[3].bunr.text(), "4");
    EXPECT_EQ(indizesPruefen(k.s.verein.datei), IndexBefund::InOrdnung);
    EXPECT_EQ(verknuepfungen(db, "26").size(), 2u);

    Importplan wieder = planen("camt053_08.xml");
    text += bild(wieder, true);
    zeileWaehlen(wieder, 2, true);
    EXPECT_EQ(importBuchen(k.s, db, wieder), 1u); // only the line left out before
    EXPECT_EQ(saetze().size(), 5u);
    EXPECT_TRUE(zalvor::test::wieGespeichert(text, "data/bank/erwartet/import.txt"));
}

TEST_F(Import, AStatementOfAnUnknownAccountNeedsTheAccount) {
    // MT940 names the account by bank code and number: its IBAN is the first account's.
    const auto gelesen = auszugEinlesen(test::dateiInhalt("data/bank/mt940_musterbank.sta"));
    const auto gefunden = importPlanen(k.s.verein, db, saetze(), "m", gelesen, {});
    ASSERT_TRUE(gefunden);
    for (const int konto : gefunden->konten)
        EXPECT_EQ(konto, 1);
    {
        Transaktion t(db);
        ASSERT_TRUE(bankkontoEntfernen(t, 1));
        t.festschreiben();
    }
    EXPECT_FALSE(importPlanen(k.s.verein, db, saetze(), "m", gelesen, {}));
    Importwahl wahl;
    wahl.konto = 3;
    const auto plan = importPlanen(k.s.verein, db, saetze(), "m", gelesen, wahl);
    ASSERT_TRUE(plan);
    for (const auto& z : plan->zeilen)
        EXPECT_EQ(z.konto, 3);
}

// An import recorded open, as a failure between the database and the booking file leaves
// it: its lines count as booked only if their bookings are in the file.
TEST_F(Import, AnOpenImportIsSettledAgainstTheBookingFile) {
    // The booking file and its indexes as before the import; the database stays.
    const zalvor::test::Ordnerstand vorher = zalvor::test::ordnerLesen(k.dir.pfad());
    const auto zurueck = [&] {
        for (const auto& [name, bytes] : vorher)
            if (name.find(".zdb") == std::string::npos) {
                std::ofstream out(k.dir.datei(name), std::ios::binary | std::ios::trunc);
                out.write(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<std::streamsize>(bytes.size()));
            }
        k.s.verein.datei.naechsteNummer = 3;
    };
    for (const bool geschrieben : {true, false}) {
        SCOPED_TRACE(geschrieben);
        Importplan p = planen("camt053_08.xml");
        ASSERT_EQ(importBuchen(k.s, db, p), 3u);
        db.verbindung().ausfuehren("UPDATE import SET offen = 1");
        if (!geschrieben) zurueck();
        Importplan wieder = planen("camt053_08.xml");
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(wieder.zeilen[i].status,
                      geschrieben ? Zeilenstatus::Doppelt : Zeilenstatus::Gebucht);
        EXPECT_EQ(importBuchen(k.s, db, wieder), geschrieben ? 0u : 3u);
        EXPECT_TRUE(offeneImporte(db, "26").empty());
        EXPECT_EQ(verknuepfungen(db, "26").size(), 3u);
        EXPECT_EQ(saetze().size(), 5u);
        zurueck();
        db.verbindung().ausfuehren("DELETE FROM import");
    }
}

TEST(Kassenbuchstand, CountsTheBookedRecordsOfTheAccountUpToTheDay) {
    using zalvor::test::Satz;
    std::vector<TBuchung> s{
        zalvor::test::buchung(Satz{"AB", "Anfangsbestand", 100, true, 0, 1, 1, 1}),
        zalvor::test::buchung(Satz{"1", "Ein", 20, true, 1, 5, 3, 1}),
        zalvor::test::buchung(Satz{"2", "Aus", 7.5, false, 1, 10, 3, 1}),
        zalvor::test::buchung(Satz{"3", "Geplant", 50, true, 1, 1, 3, 1, true}),
        zalvor::test::buchung(Satz{"4", "Geloescht", 0, true, 1, 1, 3, 1}),
        zalvor::test::buchung(Satz{"5", "Anderes", 30, true, 1, 1, 3, 2}),
    };
    TBuchung um = zalvor::test::buchung(Satz{"6", "Um", 10, false, kCodeUmbuchung, 12, 3, 1});
    um.kontoNach = 2;
    s.push_back(um);
    const struct {
        int konto;
        Datum bis;
        std::int64_t stand;
    } faelle[] = {
        {1, {2026, 3, 4}, 10000}, {1, {2026, 3, 5}, 12000}, {1, {2026, 3, 12}, 10250},
        {2, {2026, 3, 12}, 4000}, {1, {2027, 1, 1}, 10250}, {1, {2025, 12, 31}, 0},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(kassenbuchStand(s, f.konto, f.bis, 2026), f.stand)
            << f.konto << " " << f.bis.monat << "." << f.bis.tag;
}

} // namespace
} // namespace zalvor::bank
