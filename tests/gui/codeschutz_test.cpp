// Code word protection in the desktop program: the code entry, opening a guarded file with
// either code or a wrong one, and the menu command.
#include "guitesthilfen.h"

#include "core/protection/codewort.h"
#include "dialogablauf.h"
#include "gui/protection/codeeingabe.h"
#include "tempverzeichnis.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

using namespace zalvor;
using namespace zalvor::guitest;

class CodeschutzTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string pfad(const char* name) { return (dir_.path() + "/" + name).toStdString(); }

    // A booking file whose definitions say guarded (13), with main code "Haupt" and read-only
    // code "Lesen".
    std::string geschuetzteDatei(const char* name) {
        TDefinitionen def;
        def.mitgliedEinstellung = 13;
        dateiAnlegen(pfad(name), "26", {buchung({})}, def);
        test::textSchreiben(pfad(name) + ".PWD", codewortKodieren("Haupt") + "\r\n" +
                                                     codewortKodieren("Lesen") + "\r\n");
        return pfad(name) + ".26";
    }

  private slots:
    void eingabeZeigtRautenUndBeginntLeer() {
        gui::Tcodeinput dlg;
        Dialogablauf ablauf;
        ablauf
            .dann(QStringLiteral("Bitte Codewort eingeben!"),
                  [](QDialog& d) {
                      auto* e = feld<QLineEdit>(d, "Edit1");
                      QCOMPARE(d.focusWidget(), e);
                      schreiben(e, QString::fromUtf8("gehä"));
                      QCOMPARE(e->displayText(), QStringLiteral("####"));
                      QVERIFY(feld<QLabel>(d, "Image1")->isVisible());
                      QVERIFY(feld<QLabel>(d, "Image2")->isVisible());
                      QVERIFY(!feld<QLabel>(d, "Image3")->isVisible());
                      bild(d, QStringLiteral("codeeingabe.png"));
                      QVERIFY(klicken(d, QStringLiteral("OK")));
                  })
            .dann(QString::fromUtf8("Codewort nocheinmal eingeben!"), [](QDialog& d) {
                auto* e = feld<QLineEdit>(d, "Edit1");
                QCOMPARE(e->text(), QString()); // emptied on every show
                QVERIFY(!feld<QLabel>(d, "Image2")->isVisible());
                QVERIFY(feld<QLabel>(d, "Image3")->isVisible());
                schreiben(e, QStringLiteral("x"));
                QVERIFY(klicken(d, QStringLiteral("Abbruch")));
            });
        QCOMPARE(
            dlg.abfragen(QStringLiteral("Bitte Codewort eingeben!"), CodeBild::VorhandenerCode),
            std::optional<QString>(QString::fromUtf8("gehä")));
        QCOMPARE(dlg.abfragen(QString::fromUtf8("Codewort nocheinmal eingeben!"),
                              CodeBild::Wiederholung),
                 std::optional<QString>());
        QVERIFY(ablauf.fertig());
        QVERIFY(ablauf.unerwartet().isEmpty());
    }

    void nurLeseCodeSperrtMenuesUndKnoepfe() {
        const std::string datei = geschuetzteDatei("lesen");
        Fenster f;
        f.person.antworte(std::string("Lesen"));
        f.form->befehl([&] { f.form->dateiOeffnen(QString::fromStdString(datei)); });
        QVERIFY(f.form->sitzung().verein.nurLesen);
        QVERIFY(!f.form->programmBeendet());
        for (const char* id : {"codeschutz", "naechstesJahr", "reorganisieren", "buchen",
                               "umbuchen", "loeschen", "schablonen"})
            QVERIFY2(!f.form->aktion(id)->isEnabled(), id);
        QVERIFY(!f.form->menuBar()->findChild<QMenu*>("buchungen")->menuAction()->isEnabled());
        auto* leiste = f.form->findChild<QToolBar*>();
        QVERIFY(leiste);
        for (const char* id : {"buchen", "umbuchen", "loeschen", "schablonen"})
            QVERIFY2(!leiste->widgetForAction(f.form->aktion(id))->isEnabled(), id);
        QVERIFY(f.form->aktion("tabelleNeu")->isEnabled());

        // The main code gives everything back.
        f.person.antworte(std::string("Haupt"));
        f.form->befehl([&] { f.form->dateiOeffnen(QString::fromStdString(datei)); });
        QVERIFY(!f.form->sitzung().verein.nurLesen);
        QVERIFY(f.form->aktion("codeschutz")->isEnabled());
        QVERIFY(f.form->menuBar()->findChild<QMenu*>("buchungen")->menuAction()->isEnabled());
    }

    void falscherCodeBeendetDasProgramm() {
        const std::string datei = geschuetzteDatei("falsch");
        Fenster f;
        f.form->show();
        f.person.antworte(std::string("haupt"));
        f.form->befehl([&] { f.form->dateiOeffnen(QString::fromStdString(datei)); });
        QVERIFY(f.form->programmBeendet());
        QCOMPARE(QString::fromStdString(f.person.meldungen().back().text),
                 QStringLiteral("Falscher Code eingegeben!"));
        QTRY_VERIFY(!f.form->isVisible());
    }

    void menueSetztDenCode() {
        dateiAnlegen(pfad("setzen"), "26", {buchung({})});
        Fenster f;
        f.form->dateiOeffnen(QString::fromStdString(pfad("setzen.26")));
        f.person.antworte({std::string("neu"), std::string("neu"), Knopf::Nein});
        f.form->aktion("codeschutz")->trigger();
        QCOMPARE(test::textLesen(pfad("setzen") + ".PWD"), codewortKodieren("neu") + "\r\n");
        QCOMPARE(f.form->statuszeile().at(2), QStringLiteral("Code"));
    }
};

QTEST_MAIN(CodeschutzTest)
#include "codeschutz_test.moc"
