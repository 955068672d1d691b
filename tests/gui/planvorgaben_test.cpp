// Plan values on the desktop: TWPlanv driven like a person (edit box rules, group rule, keys,
// decoration, saving and reopening), the comparison window with its print path, the
// message without plan values.
#include "dialogablauf.h"
#include "guitesthilfen.h"

#include "core/lists/planwerte.h"
#include "gui/lists/listenfenster.h"
#include "gui/lists/planvorgabendialog.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace zalvor;
using namespace zalvor::guitest;

namespace {

QString zelle(QTableView* v, int z, int s) {
    return v->model()->index(z, s).data().toString();
}

} // namespace

class PlanvorgabenTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string datei_;

    void anlegen() {
        const std::string basis = (dir_.path() + "/Verein").toStdString();
        TDefinitionen def;
        def.typen.setzeTypName(Seite::Ausgabe, 1, "Miete");
        def.typen.setzeTypName(Seite::Ausgabe, 2, "Strom");
        def.typen.setzeGruppenName(Seite::Ausgabe, 1, "Haus");
        def.typen.setzeGruppeVon(Seite::Ausgabe, 1, 1);
        def.typen.setzeGruppeVon(Seite::Ausgabe, 2, 1);
        Neu miete;
        miete.einnahme = false;
        miete.kontoVon = 1;
        miete.kontoNach = 0;
        miete.betrag = 40;
        miete.typ = 1;
        Neu strom = miete;
        strom.typ = 2;
        strom.betrag = 15;
        strom.geplant = true;
        dateiAnlegen(basis, "26", {buchung(miete), buchung(strom)}, def);
        datei_ = basis + ".26";
    }

    void oeffnen(Fenster& f) {
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(datei_)), OeffnenErgebnis::Geoeffnet);
    }

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path() + "/conf");
    }

    void dialogWieEinMenschUndWiederOeffnen() {
        anlegen();
        Fenster f;
        oeffnen(f);
        QVERIFY(f.form->aktion("planvorgaben")->isEnabled());
        QCOMPARE(f.form->statuszeile().at(0), QString());
        f.person.antworte({Knopf::Eigen2, Knopf::Ja}); // expense side; yes to the group rule
        Dialogablauf ablauf;
        ablauf.dann("Planvorgaben", [](QDialog& d) {
            auto& p = static_cast<gui::TWPlanv&>(d);
            QTableView* g = p.StringGrid1;
            QCOMPARE(g->model()->headerData(0, Qt::Horizontal).toString(),
                     QString("Typ(engruppe)"));
            QCOMPARE(g->model()->rowCount(), 99);
            QCOMPARE(zelle(g, 50, 0), QString("51: Haus"));
            QCOMPARE(p.EZBetrag->text(), QString("        0.00"));
            QVERIFY(!p.BtnUebernehmen->isEnabled() && !p.BtnNichtAendern->isEnabled());
            // Typing enables both; Enter in the box takes the value ("," as ".").
            p.EZBetrag->clear();
            QTest::keyClicks(p.EZBetrag, "12,5");
            QVERIFY(p.BtnUebernehmen->isEnabled() && p.BtnNichtAendern->isEnabled());
            QTest::keyClick(p.EZBetrag, Qt::Key_Return);
            QCOMPARE(zelle(g, 0, 1), QString("       12.50"));
            QVERIFY(!p.BtnUebernehmen->isEnabled());
            QCOMPARE(p.focusWidget(), g);
            // The group with a planned member: the question, then its members "s. Gruppe".
            p.eintragWaehlen(51);
            QTest::keyClick(g, Qt::Key_Return);
            QCOMPARE(p.focusWidget(), p.EZBetrag);
            p.EZBetrag->setText("500");
            p.BtnUebernehmen->click();
            QCOMPARE(zelle(g, 0, 1), QString("s. Gruppe"));
            QCOMPARE(zelle(g, 1, 1), QString("s. Gruppe"));
            QCOMPARE(zelle(g, 50, 1), QString("      500.00"));
            p.eintragWaehlen(2);
            QVERIFY(!p.EZBetrag->isEnabled() && !p.LBetrag->isEnabled());
            // Escape is "&Nicht ändern!" and leaves the dialog open.
            p.eintragWaehlen(3);
            QVERIFY(p.EZBetrag->isEnabled());
            QTest::keyClicks(p.EZBetrag, "9");
            QTest::keyClick(&p, Qt::Key_Escape);
            QVERIFY(p.isVisible() && !p.BtnUebernehmen->isEnabled());
            QCOMPARE(zelle(g, 2, 1), QString("        0.00"));
            // All four partners revealed: the edit panel goes.
            for (int i = 0; i < 3; ++i)
                p.Bild[i]->click();
            QVERIFY(p.Partner[2]->isVisibleTo(&p) && p.PanelEdit->isVisibleTo(&p));
            p.Bild[3]->click();
            QVERIFY(!p.PanelEdit->isVisibleTo(&p));
            p.BtnSpeichern->click();
        });
        f.form->aktion("planvorgaben")->trigger();
        QVERIFY(ablauf.fertig());
        QVERIFY(ablauf.unerwartet().isEmpty());
        const auto fragen = f.person.meldungen();
        QCOMPARE(fragen.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(fragen[0].titel), QString("Planvorgaben: E/A?"));
        QCOMPARE(QString::fromStdString(fragen[1].titel), QString("Warnung!"));
        QCOMPARE(f.form->statuszeile().at(0), QString("Planvorgaben"));

        // Reopened: the values come from the plan file.
        f.form->sitzung().verein.plan = {};
        oeffnen(f);
        QCOMPARE(f.form->sitzung().verein.plan[0][51], (Planeintrag{500, false}));
        QCOMPARE(f.form->sitzung().verein.plan[0][1], (Planeintrag{0, true}));
        f.person.antworte(Knopf::Eigen2);
        ablauf.dann("Planvorgaben", [](QDialog& d) {
            auto& p = static_cast<gui::TWPlanv&>(d);
            QCOMPARE(zelle(p.StringGrid1, 1, 1), QString("s. Gruppe"));
            QCOMPARE(zelle(p.StringGrid1, 50, 1), QString("      500.00"));
            p.BtnAbbruch->click();
        });
        f.form->aktion("planvorgaben")->trigger();
        QVERIFY(ablauf.fertig());

        // The comparison: a printable list window with its currency line.
        f.form->aktion("sollIst")->trigger();
        auto* w = gui::listenfenster().front().data();
        QVERIFY(w);
        QVERIFY(w->windowTitle().startsWith(QString::fromUtf8("Soll-Ist-Vergleich für Datei: ")));
        QCOMPARE(w->findChild<QLabel*>("waehrungszeile")->text(),
                 QString::fromUtf8("Alle Beträge in DM"));
        QCOMPARE(zelle(w->oberesRaster(), 0, 0), QString("Haus"));
        QCOMPARE(zelle(w->oberesRaster(), 0, 1), QString("      40.00"));
        QCOMPARE(zelle(w->oberesRaster(), 0, 3), QString("      55.00"));
        QCOMPARE(zelle(w->oberesRaster(), 1, 5), QString("     445.00"));
        QVERIFY(w->unteresRaster()->isVisibleTo(w));
        QVERIFY(w->druckenAktion()->isEnabled());
        ablauf
            .dann("Druckoptionen",
                  [](QDialog& d) {
                      QVERIFY(d.findChild<QWidget*>("CBAnVon")->isEnabled());
                      d.accept();
                  })
            .dann("Druckvorschau", [](QDialog& d) {
                auto* vorschau = d.findChild<QPrintPreviewWidget*>();
                QVERIFY(vorschau);
                vorschau->updatePreview();
                QCOMPARE(vorschau->pageCount(), 1);
                d.reject();
            });
        w->druckenAktion()->trigger();
        QVERIFY(ablauf.fertig());
        QVERIFY(ablauf.unerwartet().isEmpty());
    }

    void ohnePlanvorgabenNurDieNachricht() {
        anlegen();
        QFile::remove(QString::fromStdString(datei_ + "s"));
        Fenster f;
        oeffnen(f);
        const auto vorher = gui::listenfenster().size();
        f.form->aktion("sollIst")->trigger();
        QCOMPARE(gui::listenfenster().size(), vorher);
        const auto m = f.person.meldungen();
        QCOMPARE(m.size(), std::size_t{1});
        QCOMPARE(
            QString::fromStdString(m[0].text),
            QString::fromUtf8("\rSie haben noch keine Planvorgaben getätigt! (Menü Buchungen...)"));
    }
};

QTEST_MAIN(PlanvorgabenTest)
#include "planvorgaben_test.moc"
