// Every sample statement read through the one entry point and compared with its stored
// reading; broken files name their place and give no statement.
#include "auszugtext.h"

#include "core/bank/auszugeinlesen.h"

#include <gtest/gtest.h>

namespace zalvor::bank {
namespace {

const std::string kOrdner = "data/bank/";

CsvBeschreibung csvRegeln(const std::string& datei) {
    const RegelnGelesen r = regelnLesen(test::dateiInhalt(kOrdner + datei));
    EXPECT_TRUE(r.fehler.empty()) << r.fehler.front().vollText();
    return r.regeln.csv.value_or(CsvBeschreibung{});
}

TEST(AuszugEinlesen, ProbenWieGespeichert) {
    struct Fall {
        const char* datei;
        const char* regeln;
    };
    for (const Fall& f : {Fall{"camt053_02.xml", nullptr}, Fall{"camt053_04.xml", nullptr},
                          Fall{"camt053_08.xml", nullptr}, Fall{"camt053_zwei.zip", nullptr},
                          Fall{"mt940_musterbank.sta", nullptr},
                          Fall{"csv_musterbank.csv", "csv_musterbank.regeln"}}) {
        const CsvBeschreibung csv = f.regeln ? csvRegeln(f.regeln) : CsvBeschreibung{};
        const Einleseergebnis e =
            auszugEinlesen(test::dateiInhalt(kOrdner + f.datei), f.regeln ? &csv : nullptr);
        EXPECT_TRUE(e.ok()) << f.datei;
        test::mitErwartetVergleichen(test::alsText(e), kOrdner + "erwartet/" + f.datei + ".txt");
    }
}

// Entries are read while the document is read; whatever the order of account, balances and
// entries, the reading (lines, notes, the first fault) is the one of the whole tree.
TEST(AuszugEinlesen, CamtInJederReihenfolgeWieGespeichert) {
    for (const char* datei : {"camt_konto_nach_eintrag.xml", "camt_saldofehler_nach_eintraegen.xml",
                              "camt_hinweis_dann_fehler.xml", "camt_zwei_nachrichten.xml"})
        test::mitErwartetVergleichen(
            test::alsText(auszugEinlesen(test::dateiInhalt(kOrdner + datei))),
            kOrdner + "erwartet/" + datei + ".txt");
}

TEST(AuszugEinlesen, KaputteDateienNennenDieStelle) {
    struct Fall {
        const char* datei;
        const char* zipEintrag;
        int zeile;
        const char* element;
    };
    const CsvBeschreibung csv = csvRegeln("csv_musterbank.regeln");
    for (const Fall& f : {
             Fall{"kaputt_abgebrochen.xml", "", 25, ""},
             Fall{"kaputt_doctype.xml", "", 2, ""},
             Fall{"kaputt_betrag.xml", "", 20, "Amt"},
             Fall{"kaputt_status.xml", "", 18, "Ntry"},
             Fall{"kaputt_datum.xml", "", 23, "Dt"},
             Fall{"kaputt_version.xml", "", 2, "Document"},
             Fall{"kaputt_kein_auszug.xml", "", 2, "Rechnung"},
             Fall{"kaputt_umsatz.sta", "", 5, ""},
             Fall{"kaputt_saldo.sta", "", 4, ""},
             Fall{"kaputt_datum.csv", "", 7, ""},
             Fall{"kaputt_betrag.csv", "", 8, ""},
             Fall{"kaputt_verschluesselt.zip", "januar.xml", 0, ""},
             Fall{"kaputt_pruefsumme.zip", "januar.xml", 0, ""},
             Fall{"kaputt_verfahren.zip", "januar.xml", 0, ""},
             Fall{"kaputt_inhalt.zip", "januar.xml", 20, "Amt"},
             Fall{"kaputt_unbekannt.txt", "", 0, ""},
         }) {
        const std::string datei = f.datei;
        const bool alsCsv = datei.ends_with(".csv");
        const Einleseergebnis e =
            auszugEinlesen(test::dateiInhalt(kOrdner + datei), alsCsv ? &csv : nullptr);
        ASSERT_FALSE(e.ok()) << f.datei;
        EXPECT_TRUE(e.auszuege.empty()) << f.datei;
        EXPECT_FALSE(e.fehler->text.empty()) << f.datei;
        EXPECT_EQ(e.fehler->stelle, (Fundstelle{f.zipEintrag, f.zeile, f.element}))
            << f.datei << ": " << e.fehler->vollText();
    }
}

TEST(AuszugEinlesen, NullbetraegeWerdenAusgelassen) {
    const std::string csvText = "01.02.2026;Kasse;0,00\n02.02.2026;Kasse;3,00\n";
    const RegelnGelesen r = regelnLesen("felder datum, name, betrag\n");
    const Einleseergebnis e = auszugEinlesen(csvText, &*r.regeln.csv);
    ASSERT_TRUE(e.ok());
    ASSERT_EQ(e.auszuege.at(0).zeilen.size(), 1U);
    EXPECT_EQ(e.auszuege[0].zeilen[0].cent, 300);
    ASSERT_EQ(e.hinweise.size(), 1U);
    EXPECT_EQ(e.hinweise[0].stelle.zeile, 1);
}

TEST(AuszugEinlesen, ZuGrosseDateiWirdAbgelehnt) {
    const std::string gross(kHoechstAuszug + 1, '<');
    EXPECT_FALSE(auszugEinlesen(gross).ok());
}

} // namespace
} // namespace zalvor::bank
