// The new-file sequence through the real dialogs and message boxes, and next year.
#include "dialogablauf.h"
#include "guitesthilfen.h"
#include "tempverzeichnis.h"

#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "gui/common/auszeichnungslabel.h"
#include "gui/common/meldungsfenster.h"
#include "gui/files/anfangsbestaendedialog.h"
#include "gui/files/dateieinstellungsdialog.h"
#include "gui/files/naechstesjahrdialog.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/mainwindow/hauptfenster.h"

#include <QAction>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <filesystem>

using namespace zalvor::guitest;
using zalvor::gui::TMainForm;

namespace {

QString nachrichtText(QDialog& d) {
    auto* box = qobject_cast<zalvor::gui::TWMsgBox*>(&d);
    return box ? box->label()->caption() : QString();
}

} // namespace

class NeueDateiTest : public QObject {
    Q_OBJECT

  private slots:
    void neueDateiDurchAlleDialoge();
    void neueDateiAbgebrochenLaesstAllesAlt();
    void naechstesJahrSchlaegtNullNullVorUndPrueftDieEingabe();
};

void NeueDateiTest::neueDateiDurchAlleDialoge() {
    zalvor::test::TempVerzeichnis tmp;
    zalvor::FesteUhr uhr{zalvor::Datum{2026, 6, 15}};
    // No recording person: the program's own message boxes and input box are shown.
    TMainForm form(tmp.pfad(), uhr);
    form.resize(900, 600);
    form.show();
    const QString basis = QString::fromStdString(tmp.datei("Verein"));

    Dialogablauf ablauf;
    QString fehlertext;
    QString behalten;
    ablauf
        .dann("Neue Datei",
              [&](QDialog& d) {
                  auto* name = d.findChild<QLineEdit*>();
                  // The picture shows a short name; the file itself goes to the test folder.
                  QTest::keyClicks(name, QStringLiteral("Verein.98"));
                  bild(d, QStringLiteral("neue-datei-1-name.png"));
                  name->clear();
                  QTest::keyClicks(name, basis + QStringLiteral(".98"));
                  d.accept();
              })
        .dann("Einstellungen",
              [&](QDialog& d) {
                  bild(d, QStringLiteral("neue-datei-2-hinweis.png"));
                  d.accept();
              })
        .dann(QString::fromUtf8("\"Alte\" Währung und Euro"),
              [&](QDialog& d) {
                  waehlen(feld<QComboBox>(d, "CBWaehrg"), QStringLiteral("DM"));
                  bild(d, QStringLiteral("neue-datei-3-waehrung.png"));
                  QVERIFY(klicken(d, QStringLiteral("OK")));
              })
        .dann("Einstellungen", [](QDialog& d) { d.accept(); })
        .dann("Weiter...", [](QDialog& d) { d.accept(); })
        .dann(
            "Datei-Einstellungen",
            [&](QDialog& d) {
                zelleTippen(feld<QTableWidget>(d, "SGAus"), 0, 1, QStringLiteral("Miete"));
                zelleTippen(feld<QTableWidget>(d, "SGEin"), 0, 1, QString::fromUtf8("Spenden für"));
                zelleTippen(feld<QTableWidget>(d, "SGKonto"), 0, 1, QStringLiteral("Kasse"));
                zelleTippen(feld<QTableWidget>(d, "SGKonto"), 1, 1, QString::fromUtf8("Bank Süd"));
                bild(d, QStringLiteral("neue-datei-4-einstellungen.png"));
                QVERIFY(klicken(d, QStringLiteral("&OK")));
            })
        .dann(QString::fromUtf8("Anfangsbestände"),
              [&](QDialog& d) {
                  zelleTippen(feld<QTableWidget>(d, "SGKonto"), 0, 1, QStringLiteral("12.345"));
                  bild(d, QStringLiteral("neue-datei-5-anfangsbestaende.png"));
                  QVERIFY(klicken(d, QStringLiteral("OK")));
              })
        .dann("Fehler",
              [&](QDialog& d) {
                  fehlertext = nachrichtText(d);
                  d.accept();
              })
        .dann(QString::fromUtf8("Anfangsbestände"),
              [&](QDialog& d) {
                  auto* raster = feld<QTableWidget>(d, "SGKonto");
                  behalten = raster->item(0, 1)->text();
                  // Still being edited when OK is clicked: the typed text counts.
                  zelleTippen(raster, 0, 1, QStringLiteral("12,5"), false);
                  QVERIFY(klicken(d, QStringLiteral("OK")));
              })
        .dann("Anmerkung", [](QDialog& d) { d.accept(); }) // "Anmerkung": reorganisation follows
        .dann("Fertig", [](QDialog& d) { d.accept(); });   // "Fertig"

    form.aktion(QStringLiteral("neu"))->trigger();

    QVERIFY2(ablauf.unerwartet().isEmpty(), qPrintable(ablauf.unerwartet().join(", ")));
    QVERIFY2(ablauf.fertig(), qPrintable(ablauf.gezeigt().join(", ")));
    QCOMPARE(ablauf.gezeigt(),
             (QStringList{"Neue Datei", "Einstellungen",
                          QString::fromUtf8("\"Alte\" Währung und Euro"), "Einstellungen",
                          "Weiter...", "Datei-Einstellungen", QString::fromUtf8("Anfangsbestände"),
                          "Fehler", QString::fromUtf8("Anfangsbestände"), "Anmerkung", "Fertig"}));
    QCOMPARE(fehlertext, QStringLiteral("Konto 1: 12.345 hat kein gültiges Betragsformat!"));
    QCOMPARE(behalten, QStringLiteral("12.345"));

    auto& s = form.sitzung();
    QCOMPARE(QString::fromStdString(s.verein.datei.jahr), QStringLiteral("98"));
    QCOMPARE(s.verein.def.waehrung.Waehrung, std::string("DM"));
    QCOMPARE(s.verein.def.konten[1], std::string("Kasse"));
    QCOMPARE(
        QString::fromStdString(zalvor::ansiNachUtf8(zalvor::OemNachAnsi(s.verein.def.konten[2]))),
        QString::fromUtf8("Bank Süd"));
    QCOMPARE(s.verein.def.typen.typName(zalvor::Seite::Ausgabe, 1), std::string("Miete"));
    // Only the one balance that is not 0 stays after the reorganisation.
    const auto saetze = zalvor::alleBuchungenLesen(s.verein.datei.dateiname());
    QCOMPARE(saetze.size(), std::size_t{1});
    QCOMPARE(static_cast<double>(saetze[0].betrag.wert()), 12.5);
    QCOMPARE(saetze[0].kontoNach, std::uint8_t{1});
    QCOMPARE(form.tabelle()->hilfeKontext(), 19);
    QVERIFY(form.aktion(QStringLiteral("buchen"))->isEnabled());
    QCOMPARE(form.aktion(QStringLiteral("kontenliste2"))->text(), QString::fromUtf8("Bank Süd"));
    QCOMPARE(form.statuszeile().last(), QString::fromUtf8("  1 Datensätze"));
    bild(form, QStringLiteral("neue-datei-6-fertig.png"));
}

void NeueDateiTest::neueDateiAbgebrochenLaesstAllesAlt() {
    Fenster f;
    f.person.antworte(std::nullopt); // the name box is cancelled
    Dialogablauf ablauf;
    f.form->aktion(QStringLiteral("neu"))->trigger();
    QVERIFY(ablauf.gezeigt().isEmpty());
    QVERIFY(!f.form->sitzung().dateiOffen);
    QVERIFY(!f.form->aktion(QStringLiteral("buchen"))->isEnabled());
    QCOMPARE(f.form->statuszeile().size(), 1);
}

void NeueDateiTest::naechstesJahrSchlaegtNullNullVorUndPrueftDieEingabe() {
    zalvor::test::TempVerzeichnis tmp;
    const std::string basis = tmp.datei("Club");
    Neu geplant;
    geplant.geplant = true;
    geplant.tag = 31;
    geplant.monat = 12;
    geplant.bunr = "7";
    dateiAnlegen(basis, "99", {buchung(Neu{}), buchung(geplant)});
    Fenster f;
    QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(basis + ".99")),
             zalvor::OeffnenErgebnis::Geoeffnet);
    f.person.leeren();

    Dialogablauf ablauf;
    QString vorschlag;
    ablauf
        .dann(QString::fromUtf8("Nächstes Jahr"),
              [&](QDialog& d) {
                  auto* jahr = feld<QLineEdit>(d, "EditJahr");
                  vorschlag = jahr->text();
                  QCOMPARE(jahr->maxLength(), 2);
                  tippen(jahr, QStringLiteral("x"));
                  QVERIFY(klicken(d, QStringLiteral("OK")));
              })
        .dann(QString::fromUtf8("Nächstes Jahr"), [&](QDialog& d) {
            tippen(feld<QLineEdit>(d, "EditJahr"), QStringLiteral("00"));
            QVERIFY(klicken(d, QStringLiteral("OK")));
        });
    QSignalSpy gewechselt(f.form.get(), &TMainForm::dateiWirdGewechselt);
    QSignalSpy geoeffnet(f.form.get(), &TMainForm::dateiGeoeffnet);
    f.form->aktion(QStringLiteral("naechstesJahr"))->trigger();
    // Windows of 99 close; the due templates of 00 are booked like after opening.
    QCOMPARE(gewechselt.count(), 1);
    QCOMPARE(geoeffnet.count(), 1);

    QVERIFY2(ablauf.fertig(), qPrintable(ablauf.gezeigt().join(", ")));
    QCOMPARE(vorschlag, QStringLiteral("00"));
    const auto m = f.person.meldungen();
    QVERIFY(!m.empty());
    QCOMPARE(m[0].titel, std::string("Fehler!"));
    QCOMPARE(m[0].text, std::string("\r\rx ist kein Jahr (zweistellige Zahl!)"));
    auto& s = f.form->sitzung();
    QCOMPARE(s.verein.datei.jahr, std::string("00"));
    // Opening balance of account 1 and the planned booking, carried to 1 January.
    const auto saetze = zalvor::alleBuchungenLesen(s.verein.datei.dateiname());
    QCOMPARE(saetze.size(), std::size_t{2});
    QCOMPARE(saetze[1].bunr.text(), std::string("0"));
    QCOMPARE(int{saetze[1].tag}, 1);
    QCOMPARE(int{saetze[1].monat}, 1);
    QCOMPARE(f.form->statuszeile().last(), QString::fromUtf8("  2 Datensätze"));
}

QTEST_MAIN(NeueDateiTest)
#include "neuedatei_test.moc"
