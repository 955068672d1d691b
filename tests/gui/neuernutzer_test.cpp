// What a new user ran into: a dialog shown again after a failed check, the status bar after
// next year, "ÖS" in the currency list, the Euro label of an installed program.
#include "dialogablauf.h"
#include "guitesthilfen.h"
#include "tempverzeichnis.h"

#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"
#include "core/files/definitionen.h"
#include "gui/common/benutzereinstellungen.h"
#include "gui/mainwindow/buchungsmodell.h"
#include "gui/mainwindow/buchungstabelle.h"

#include <QAction>
#include <QCheckBox>
#include <QWindow>
#include <QtTest>

#include <filesystem>
#include <fstream>

using namespace zalvor::guitest;
using zalvor::Knopf;

namespace {

zalvor::TDefinitionen einKonto() {
    zalvor::TDefinitionen d = unbenannteKonten();
    d.konten[1] = "Kasse";
    // Still in the national currency: the table names it.
    d.waehrung.Umstellungsjahr = "30";
    d.waehrung.UmstellungBis = "30";
    return d;
}

// A window whose program folder is `programm`, with the club "Verein.26" opened.
struct Offen {
    explicit Offen(std::string programm = {}) {
        eigeneKonfiguration();
        zalvor::gui::benutzerEinstellungen()->clear();
        std::filesystem::remove(zalvor::gui::konfigOrdner().toStdString() + "/EUROSYMB");
        if (programm.empty()) programm = tmp.pfad();
        form = std::make_unique<zalvor::gui::TMainForm>(programm, uhr, &person);
        dateiAnlegen(basis, "26", {buchung(Neu{}), buchung(Neu{}), buchung(Neu{})}, einKonto());
        QCOMPARE(form->dateiOeffnen(QString::fromStdString(basis + ".26")),
                 zalvor::OeffnenErgebnis::Geoeffnet);
        person.leeren();
    }
    zalvor::test::TempVerzeichnis tmp;
    std::string basis = tmp.datei("Verein");
    zalvor::test::AufzeichnendePerson person;
    zalvor::FesteUhr uhr{zalvor::Datum{2026, 6, 15}};
    std::unique_ptr<zalvor::gui::TMainForm> form;
    void ausloesen(const char* id) { form->aktion(QString::fromLatin1(id))->trigger(); }
};

} // namespace

class NeuerNutzerTest : public QObject {
    Q_OBJECT

  private slots:
    void dialogErscheintNachFehlerWoErWar() {
        Offen o;
        o.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(o.form.get()));
        QPoint lage;
        Dialogablauf ablauf;
        ablauf
            .dann("Mehrwertsteuer",
                  [&](QDialog& d) {
                      // The person drags the dialog aside (a move by the window system).
                      d.windowHandle()->setFramePosition(QPoint(37, 29));
                      QTRY_COMPARE(d.frameGeometry().topLeft(), QPoint(37, 29));
                      lage = d.frameGeometry().topLeft();
                      QTest::mouseClick(feld<QCheckBox>(d, "CBAktiv"), Qt::LeftButton);
                      tippen(feld<QLineEdit>(d, "EditSatz"), u("16,5"));
                      QVERIFY(klicken(d, u("OK")));
                  })
            .dann("Mehrwertsteuer", [&](QDialog& d) {
                QTRY_COMPARE(d.frameGeometry().topLeft(), lage);
                d.reject();
            });
        o.ausloesen("mwst");
        QVERIFY(ablauf.fertig());
        QCOMPARE(o.person.meldungen().size(), std::size_t{1});
    }

    void statuszeileNachNaechstemJahrZeigtDieNeueDatei() {
        Offen o;
        // Year 27 exists with one record; "Nein" opens it instead of overwriting it.
        dateiAnlegen(o.basis, "27", {buchung(Neu{})}, einKonto());
        QCOMPARE(o.form->statuszeile().last(), u("  3 Datensätze"));
        o.person.antworte(Knopf::Nein);
        Dialogablauf ablauf;
        ablauf.dann(u("Nächstes Jahr"), [](QDialog& d) { QVERIFY(klicken(d, u("OK"))); });
        o.ausloesen("naechstesJahr");
        QVERIFY(ablauf.fertig());
        QCOMPARE(o.form->sitzung().verein.datei.jahr, std::string("27"));
        QCOMPARE(o.form->statuszeile().last(), u("  1 Datensätze"));
    }

    void oesterreichischeWaehrungBehaeltIhrUmlaut() {
        Offen o;
        Dialogablauf ablauf;
        ablauf.dann(u("\"Alte\" Währung und Euro"), [](QDialog& d) {
            auto* liste = feld<QComboBox>(d, "CBWaehrg");
            QVERIFY(liste->findText(u("ÖS")) >= 0);
            waehlen(liste, u("ÖS"));
            QCOMPARE(feld<QLineEdit>(d, "EditKurs")->text(), u("13.7603"));
            QCOMPARE(liste->currentText(), u("ÖS"));
            QVERIFY(klicken(d, u("OK")));
        });
        o.ausloesen("waehrung");
        QVERIFY(ablauf.fertig());
        zalvor::TDefinitionen d;
        zalvor::test::AufzeichnendePerson stumm;
        d = zalvor::angezeigt(zalvor::definitionenLaden(o.basis), stumm);
        QCOMPARE(d.waehrung.Waehrung, zalvor::A("ÖS"));
        // The table header shows the label with its umlaut.
        QCOMPARE(
            o.form->tabelle()->modell()->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
            u("Betrag (ÖS)"));
    }

    void euroSymbolOhneSchreibrechtImProgrammordner_data() {
        QTest::addColumn<bool>("beschreibbar");
        QTest::newRow("Programmordner beschreibbar") << true;
        QTest::newRow("installiert, nicht beschreibbar") << false;
    }
    void euroSymbolOhneSchreibrechtImProgrammordner() {
        QFETCH(bool, beschreibbar);
        zalvor::test::TempVerzeichnis ort;
        // Below a plain file nothing can be created, whoever runs the test.
        std::ofstream(ort.datei("keinOrdner")) << "x";
        const std::string programm = beschreibbar ? ort.pfad() : ort.datei("keinOrdner") + "/bin";
        const std::string nutzer = zalvor::gui::konfigOrdner().toStdString() + "/EUROSYMB";
        {
            Offen o(programm);
            Dialogablauf ablauf;
            ablauf.dann(u("Euro-Symbol verwenden?"),
                        [](QDialog& d) { QVERIFY(klicken(d, u("&Ja"))); });
            o.ausloesen("euroSymbol");
            QVERIFY(ablauf.fertig());
            // No "E/A-Fehler 13": the choice is kept.
            QVERIFY(o.person.meldungen().empty());
            QCOMPARE(o.form->sitzung().euroText, zalvor::kEuroZeichen);
            QCOMPARE(std::filesystem::exists(nutzer), !beschreibbar);
            QCOMPARE(std::filesystem::exists(programm + "/EUROSYMB"), beschreibbar);
        }
        // The next start reads the choice from wherever it was kept.
        zalvor::test::AufzeichnendePerson p;
        zalvor::FesteUhr uhr{zalvor::Datum{2026, 6, 15}};
        zalvor::gui::TMainForm neu(programm, uhr, &p);
        QCOMPARE(neu.sitzung().euroText, zalvor::kEuroZeichen);
        std::filesystem::remove(nutzer);
    }
};

QTEST_MAIN(NeuerNutzerTest)
#include "neuernutzer_test.moc"
