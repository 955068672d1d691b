// VAT, currency, Euro label, file settings and sort order dialogs driven like a person.
#include "dialogablauf.h"
#include "guitesthilfen.h"
#include "tempverzeichnis.h"

#include "core/common/zeichensatz.h"
#include "core/files/dateisatz.h"
#include "core/files/definitionen.h"
#include "core/files/indexdatei.h"
#include "gui/entry/eurosymboldialog.h"
#include "gui/files/sortierdialog.h"
#include "gui/mainwindow/hauptfenster.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include <filesystem>

using namespace zalvor::guitest;
using zalvor::Knopf;
using zalvor::Symbol;

namespace {

zalvor::TDefinitionen zweiKonten() {
    zalvor::TDefinitionen d = unbenannteKonten();
    d.konten[1] = "Kasse";
    d.typen.setzeTypName(zalvor::Seite::Ausgabe, 1, "Miete");
    return d;
}

struct Offen {
    explicit Offen(const zalvor::TDefinitionen& def = zweiKonten(),
                   const std::vector<zalvor::TBuchung>& buchungen = {buchung(Neu{})}) {
        dateiAnlegen(basis, "26", buchungen, def);
        QCOMPARE(form->dateiOeffnen(QString::fromStdString(basis + ".26")),
                 zalvor::OeffnenErgebnis::Geoeffnet);
        person.leeren();
    }
    zalvor::test::TempVerzeichnis tmp;
    std::string basis = tmp.datei("Verein");
    zalvor::test::AufzeichnendePerson person;
    zalvor::FesteUhr uhr{zalvor::Datum{2026, 6, 15}};
    // The program's directory is the test folder (the Euro label file lives there).
    std::unique_ptr<zalvor::gui::TMainForm> form =
        std::make_unique<zalvor::gui::TMainForm>(tmp.pfad(), uhr, &person);
    zalvor::Sitzung& s() { return form->sitzung(); }
    void ausloesen(const char* id) { form->aktion(QString::fromLatin1(id))->trigger(); }
    // The definitions as a fresh read of the file finds them.
    zalvor::TDefinitionen gespeichert() {
        zalvor::TDefinitionen d;
        zalvor::test::AufzeichnendePerson stumm;
        d = zalvor::angezeigt(zalvor::definitionenLaden(basis), stumm);
        return d;
    }
};

} // namespace

class EinstellungsdialogeTest : public QObject {
    Q_OBJECT

  private slots:
    void mwstKommaAbgelehntPunktGespeichert();
    void waehrungJahrfelderNurZiffernUndPruefungen();
    void waehrungAusDemMenueWarntVorGesetztemKurs();
    void euroSymbolJaNeinAbbrechen();
    void dateieinstellungenSpeichernNamenUndMenue();
    void sortierungMitFehlendemIndexStartetReorganisation();
    void sortierungAbgebrochenAendertNichts();
};

void EinstellungsdialogeTest::mwstKommaAbgelehntPunktGespeichert() {
    Offen o;
    Dialogablauf ablauf;
    ablauf
        .dann("Mehrwertsteuer",
              [](QDialog& d) {
                  auto* satz = feld<QLineEdit>(d, "EditSatz");
                  QCOMPARE(satz->text(), u("0.00"));
                  QCOMPARE(satz->maxLength(), 5);
                  QVERIFY(!feld<QCheckBox>(d, "CBAktiv")->isChecked());
                  QTest::mouseClick(feld<QCheckBox>(d, "CBAktiv"), Qt::LeftButton);
                  tippen(satz, u("16,5"));
                  QVERIFY(klicken(d, u("OK")));
              })
        .dann("Mehrwertsteuer", [](QDialog& d) {
            auto* satz = feld<QLineEdit>(d, "EditSatz");
            QCOMPARE(satz->text(), u("16,5"));
            QVERIFY(feld<QCheckBox>(d, "CBAktiv")->isChecked());
            tippen(satz, u("16.5"));
            QVERIFY(klicken(d, u("OK")));
        });
    o.ausloesen("mwst");
    QVERIFY(ablauf.fertig());
    const auto m = o.person.meldungen();
    QCOMPARE(m.size(), std::size_t{1});
    QCOMPARE(m[0].titel, std::string("Fehler"));
    QCOMPARE(m[0].text, std::string("Ungültige Eingabe als Steuersatz: Zahl eingeben!"));
    QCOMPARE(m[0].symbol, Symbol::Fehler);
    QCOMPARE(static_cast<double>(o.gespeichert().mwstSatz), 16.5);
    // Line 97 of the definitions file holds the rate with two decimals.
    const std::string def = zalvor::test::textLesen(zalvor::Dateisatz(o.basis, {}).definitionen());
    std::size_t zeile = 0;
    for (int i = 1; i < 97; ++i)
        zeile = def.find("\r\n", zeile) + 2;
    QCOMPARE(def.substr(zeile, def.find("\r\n", zeile) - zeile), std::string("16.50"));

    // Shown again with the stored rate; unchecking switches the calculation off.
    ablauf.dann("Mehrwertsteuer", [](QDialog& d) {
        QCOMPARE(feld<QLineEdit>(d, "EditSatz")->text(), u("16.50"));
        QVERIFY(feld<QCheckBox>(d, "CBAktiv")->isChecked());
        QTest::mouseClick(feld<QCheckBox>(d, "CBAktiv"), Qt::LeftButton);
        QVERIFY(klicken(d, u("OK")));
    });
    // The copy of the item in "&Optionen" runs the same dialog.
    o.ausloesen("optionenMwst");
    QVERIFY(ablauf.fertig());
    QCOMPARE(static_cast<double>(o.gespeichert().mwstSatz), 0.0);
    ablauf.dann("Mehrwertsteuer", [](QDialog& d) {
        QCOMPARE(feld<QLineEdit>(d, "EditSatz")->text(), u("0.00"));
        QVERIFY(!feld<QCheckBox>(d, "CBAktiv")->isChecked());
        QVERIFY(klicken(d, u("&Abbruch")));
    });
    o.ausloesen("mwst");
    QVERIFY(ablauf.fertig());
    QVERIFY(ablauf.unerwartet().isEmpty());
}

void EinstellungsdialogeTest::waehrungJahrfelderNurZiffernUndPruefungen() {
    Offen o;
    Dialogablauf ablauf;
    ablauf
        .dann(u("\"Alte\" Währung und Euro"),
              [](QDialog& d) {
                  auto* uj = feld<QLineEdit>(d, "EditUJ");
                  QCOMPARE(uj->text(), u("02"));
                  QCOMPARE(uj->maxLength(), 2);
                  QCOMPARE(feld<QLineEdit>(d, "EditKurs")->maxLength(), 10);
                  QCOMPARE(feld<QLineEdit>(d, "EditKurs")->text(), u("0.000000"));
                  // No rate yet: the currency field starts empty.
                  QCOMPARE(feld<QComboBox>(d, "CBWaehrg")->currentText(), QString());
                  bild(d, u("waehrung.png"));
                  tippen(uj, u("0a"));
                  QCOMPARE(uj->text(), u("0"));
                  auto* bis = feld<QLineEdit>(d, "EditUBis");
                  bis->setFocus();
                  bis->end(false);
                  QTest::keyClick(bis, 'x');
                  QCOMPARE(bis->text(), u("03"));
                  QVERIFY(klicken(d, u("OK")));
              })
        .dann(u("\"Alte\" Währung und Euro"),
              [](QDialog& d) {
                  QCOMPARE(feld<QLineEdit>(d, "EditUJ")->text(), u("0"));
                  waehlen(feld<QComboBox>(d, "CBWaehrg"), u("SFr"));
                  QCOMPARE(feld<QLineEdit>(d, "EditKurs")->text(), u("0.0"));
                  QCOMPARE(feld<QLineEdit>(d, "EditUJ")->text(), u("89"));
                  tippen(feld<QComboBox>(d, "CBWaehrg")->lineEdit(), QString());
                  QVERIFY(klicken(d, u("OK")));
              })
        .dann(u("\"Alte\" Währung und Euro"), [](QDialog& d) {
            auto* waehrung = feld<QComboBox>(d, "CBWaehrg");
            QCOMPARE(waehrung->lineEdit()->maxLength(), 3);
            tippen(waehrung->lineEdit(), u("CHFR"));
            QCOMPARE(waehrung->currentText(), u("CHF"));
            QVERIFY(klicken(d, u("OK")));
        });
    o.ausloesen("waehrung");
    QVERIFY2(ablauf.unerwartet().isEmpty(), qPrintable(ablauf.unerwartet().join(", ")));
    QVERIFY(ablauf.fertig());
    const auto m = o.person.meldungen();
    QCOMPARE(m.size(), std::size_t{2});
    QCOMPARE(m[0].titel, std::string("Fehler"));
    QCOMPARE(m[0].symbol, Symbol::Information);
    QCOMPARE(m[0].text,
             std::string("Ungültige Eingabe als Umstellungsjahr: 2stellige Zahl eingeben!"));
    QCOMPARE(m[1].text, std::string("Sie müssen eine Währung auswählen oder eingeben!"));
    const auto w = o.gespeichert().waehrung;
    QCOMPARE(w.Waehrung, std::string("CHF"));
    QCOMPARE(static_cast<double>(w.Kurs), 0.0);
    QCOMPARE(w.Umstellungsjahr, std::string("89"));
    QCOMPARE(w.UmstellungBis, std::string("03"));
}

void EinstellungsdialogeTest::waehrungAusDemMenueWarntVorGesetztemKurs() {
    zalvor::TDefinitionen d = zweiKonten();
    d.waehrung.Kurs = 1.95583L;
    Offen o(d);
    Dialogablauf ablauf;
    ablauf.dann(u("\"Alte\" Währung und Euro"), [](QDialog& dlg) {
        QCOMPARE(feld<QComboBox>(dlg, "CBWaehrg")->currentText(), u("DM"));
        QCOMPARE(feld<QLineEdit>(dlg, "EditKurs")->text(), u("1.955830"));
        tippen(feld<QLineEdit>(dlg, "EditKurs"), u("2"));
        QVERIFY(klicken(dlg, u("&Abbruch")));
    });
    o.ausloesen("optionenWaehrung");
    QVERIFY(ablauf.fertig());
    const auto m = o.person.meldungen();
    QCOMPARE(m.size(), std::size_t{2});
    QCOMPARE(m[0].titel, std::string("W A R N U N G ! ! !"));
    QCOMPARE(m[0].symbol, Symbol::Warnung);
    QVERIFY(m[1].text.rfind("Das eingestellte Euro-Umstellungsjahr wurde überschritten", 0) == 0);
    // Cancel keeps the rate.
    QCOMPARE(static_cast<double>(o.s().verein.def.waehrung.Kurs), 1.95583);
}

void EinstellungsdialogeTest::euroSymbolJaNeinAbbrechen() {
    Offen o;
    const std::string datei = o.tmp.datei("EUROSYMB");
    Dialogablauf ablauf;
    ablauf.dann("Euro-Symbol verwenden?", [](QDialog& d) {
        auto& dlg = static_cast<zalvor::gui::TDEurSymb&>(d);
        QStringList schriften;
        for (auto* k : dlg.Kaestchen) {
            QCOMPARE(k->text(), QString(QChar(0x20AC)));
            // The box is big enough for its character.
            QVERIFY(k->width() >= QFontMetrics(k->font()).horizontalAdvance(k->text()));
            schriften << k->font().families().constFirst();
        }
        QCOMPARE(schriften,
                 (QStringList{"Arial", "Times New Roman", "Courier New", "MS Sans Serif"}));
        bild(d, u("euro-symbol.png"));
        QVERIFY(klicken(d, u("&Ja")));
    });
    o.ausloesen("euroSymbol");
    QCOMPARE(o.s().euroText, std::string("\x80"));
    QCOMPARE(zalvor::test::textLesen(datei).substr(0, 1), std::string("\x80"));

    std::filesystem::remove(datei);
    ablauf.dann("Euro-Symbol verwenden?", [](QDialog& d) { QVERIFY(klicken(d, u("Abbrechen"))); });
    o.ausloesen("euroSymbol");
    QVERIFY(!std::filesystem::exists(datei));
    QCOMPARE(o.s().euroText, std::string("\x80"));

    ablauf.dann("Euro-Symbol verwenden?", [](QDialog& d) { QVERIFY(klicken(d, u("&Nein"))); });
    o.ausloesen("euroSymbol");
    QVERIFY(ablauf.fertig());
    QCOMPARE(o.s().euroText, std::string("EUR"));
    QCOMPARE(zalvor::test::textLesen(datei).substr(0, 3), std::string("EUR"));
}

void EinstellungsdialogeTest::dateieinstellungenSpeichernNamenUndMenue() {
    Offen o;
    QVERIFY(!o.form->aktion("kontenliste2")->isEnabled());
    Dialogablauf ablauf;
    ablauf.dann("Datei-Einstellungen", [](QDialog& d) {
        auto* aus = feld<QTableWidget>(d, "SGAus");
        QCOMPARE(aus->rowCount(), 50);
        QCOMPARE(aus->item(0, 0)->text(), u(" 1"));
        QCOMPARE(aus->item(0, 1)->text(), u("Miete"));
        QVERIFY(!(aus->item(0, 0)->flags() & Qt::ItemIsEditable));
        auto* konten = feld<QTableWidget>(d, "SGKonto");
        QCOMPARE(konten->rowCount(), 9);
        QCOMPARE(konten->item(1, 0)->text(), u("2"));
        zelleTippen(aus, 49, 1, u("Reparaturen groß"));
        zelleTippen(konten, 1, 1, u("Sparbuch Süd"));
        QVERIFY(klicken(d, u("&OK")));
    });
    o.ausloesen("einstellungen");
    QVERIFY(ablauf.fertig());
    const auto d = o.gespeichert();
    // The cell editors take no more than the stored lengths (15 and 10 characters).
    QCOMPARE(d.typen.typName(zalvor::Seite::Ausgabe, 50), zalvor::A("Reparaturen gro"));
    QCOMPARE(zalvor::OemNachAnsi(d.konten[2]), zalvor::A("Sparbuch S"));
    QCOMPARE(o.form->aktion("kontenliste2")->text(), u("Sparbuch S"));
    // Enabled as soon as its command is there.
    QCOMPARE(o.form->aktion("kontenliste2")->isEnabled(), o.form->verdrahtet("kontenliste2"));
}

void EinstellungsdialogeTest::sortierungMitFehlendemIndexStartetReorganisation() {
    Offen o;
    o.s().verein.sortierung = zalvor::Sortierung::Text;
    std::filesystem::remove(o.s().verein.datei.dateien().index(8));
    o.person.antworte(Knopf::Ok);
    Dialogablauf ablauf;
    ablauf.dann("Listen sortieren nach", [](QDialog& d) {
        auto& dlg = static_cast<zalvor::gui::TWListSort&>(d);
        // The dialog always opens on the booking number.
        QCOMPARE(dlg.gewaehlt(), zalvor::Sortierung::Nummer);
        QCOMPARE(dlg.RGKriterium->buttons().size(), 5);
        QTest::mouseClick(dlg.RGKriterium->button(4), Qt::LeftButton);
        bild(d, u("sortieren.png"));
        QCOMPARE(dlg.RGKriterium->button(4)->text(), u("Buchungs&Datum"));
        QVERIFY(klicken(d, u("OK")));
    });
    o.ausloesen("sortieren");
    QVERIFY(ablauf.fertig());
    QCOMPARE(o.s().verein.sortierung, zalvor::Sortierung::Datum);
    const auto m = o.person.meldungen();
    QVERIFY(!m.empty());
    QCOMPARE(m[0].titel, std::string("Hinweis"));
    QCOMPARE(m[0].text.rfind("Eine Indexdatei existiert nicht", 0), std::size_t{0});
    QCOMPARE(m.back().titel, std::string("Fertig"));
    QVERIFY(std::filesystem::exists(o.s().verein.datei.dateien().index(8)));
    QCOMPARE(zalvor::indizesPruefen(o.s().verein.datei), zalvor::IndexBefund::InOrdnung);
    QCOMPARE(o.form->statuszeile().last(), u("  1 Datensätze"));
}

void EinstellungsdialogeTest::sortierungAbgebrochenAendertNichts() {
    Offen o;
    o.s().verein.sortierung = zalvor::Sortierung::Betrag;
    Dialogablauf ablauf;
    ablauf.dann("Listen sortieren nach", [](QDialog& d) {
        auto& dlg = static_cast<zalvor::gui::TWListSort&>(d);
        QTest::mouseClick(dlg.RGKriterium->button(1), Qt::LeftButton);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    o.ausloesen("sortieren");
    QVERIFY(ablauf.fertig());
    QCOMPARE(o.s().verein.sortierung, zalvor::Sortierung::Betrag);
    QVERIFY(o.person.meldungen().empty());
}

QTEST_MAIN(EinstellungsdialogeTest)
#include "einstellungsdialoge_test.moc"
