// List windows: opened from the menu, grids over the report, tabs, the window list, closing
// on another file, the damaged-index message.
#include "guitesthilfen.h"

#include "core/files/indexdatei.h"
#include "gui/lists/listenfenster.h"

#include <QAction>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
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

class ListenfensterTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string basis_;

    void anlegen() {
        basis_ = (dir_.path() + "/Verein").toStdString();
        TDefinitionen def;
        for (int n = 1; n <= 9; ++n)
            def.konten[static_cast<std::size_t>(n)] = kUnbenannt;
        def.konten[1] = "Kasse";
        def.konten[2] = "Bank";
        Neu spende;
        Neu miete;
        miete.bunr = "2";
        miete.einnahme = false;
        miete.kontoVon = 2;
        miete.kontoNach = 0;
        miete.betrag = 40;
        miete.text = "Miete";
        dateiAnlegen(basis_, "26", {buchung(spende), buchung(miete)}, def);
    }

  private slots:
    void eaListeAusDemMenue() {
        anlegen();
        Fenster f;
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(basis_ + ".26")),
                 OeffnenErgebnis::Geoeffnet);
        f.form->resize(1000, 700);
        f.form->show();
        QAction* ea = f.form->aktion("eaListe");
        QVERIFY(ea->isEnabled());
        QCOMPARE(ea->shortcut(), QKeySequence(Qt::Key_F4));
        ea->trigger();
        auto* w = gui::listenfenster().front().data();
        QVERIFY(w);
        QVERIFY(w->windowTitle().startsWith(QString::fromUtf8("Ein/Aus - Liste für Datei: ")));
        QVERIFY(w->parentWidget()->isMaximized());
        QVERIFY(w->druckenAktion()->isEnabled());
        QCOMPARE(zelle(w->oberesRaster(), 0, 4), QString("Miete"));
        QCOMPARE(zelle(w->oberesRaster(), 2, 4), QString("S u m m e :"));
        QCOMPARE(zelle(w->unteresRaster(), 0, 7), QString(" 1"));
        QCOMPARE(w->oberesRaster()->model()->headerData(6, Qt::Horizontal).toString(),
                 QString("Betrag (DM)"));
        QVERIFY(w->oberesRaster()->columnWidth(4) >= 183);
        // The layout rule: the lower grid takes about half the window.
        QApplication::processEvents();
        QVERIFY(w->unteresRaster()->height() > 0);
        QVERIFY(std::abs(w->unteresRaster()->height() - w->height() / 2) < 60);

        f.form->aktion("kontenlistenAlle")->trigger();
        auto* alle = gui::listenfenster().front().data();
        QVERIFY(alle != w);
        QCOMPARE(gui::listenfensterSuchen(w->bericht().fenstertitel), w);
        QTabWidget* reiter = alle->reiter();
        QVERIFY(reiter);
        QCOMPARE(reiter->count(), 9);
        QCOMPARE(reiter->tabText(1), QString("2: Bank"));
        QCOMPARE(reiter->tabText(2), QString("Konto3"));
        QVERIFY(!f.form->aktion("kontenliste3")->isEnabled());
        QCOMPARE(f.form->aktion("kontenliste2")->text(), QString("Bank"));

        // Another file: every list window closes, the entries stay empty.
        emit f.form->dateiWirdGewechselt();
        QVERIFY(gui::listenfenster().size() >= 2);
        QVERIFY(!gui::listenfenster()[0]);
        QVERIFY(!gui::listenfenster()[1]);
        QCOMPARE(f.form->arbeitsflaeche()->subWindowList().size(), 1);
    }

    void beschaedigterIndexMeldetUndZeigtDieListe() {
        anlegen();
        indexSchreiben(TBuchungsdatei{basis_, "26", 0}, 1, {0});
        Fenster f;
        f.person.antworte(Knopf::Nein); // the check at opening offers the reorganisation
        f.form->dateiOeffnen(QString::fromStdString(basis_ + ".26"));
        f.form->sitzung().verein.sortierung = Sortierung::Text;
        f.person.leeren();
        f.form->aktion("einfachliste")->trigger();
        auto m = f.person.meldungen();
        QCOMPARE(m.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(m[0].titel), QString("Fehler!!!"));
        QCOMPARE(f.form->sitzung().verein.sortierung, Sortierung::Nummer);
        auto* w = gui::listenfenster().front().data();
        QVERIFY(w);
        QCOMPARE(zelle(w->oberesRaster(), 0, 4), QString("Spende"));
        QVERIFY(!w->unteresRaster());
        // "Schließen" closes the window and clears its entry.
        w->findChild<QAction*>("schliessen")->trigger();
        QTRY_VERIFY(!gui::listenfenster().front());
    }
};

QTEST_MAIN(ListenfensterTest)
#include "listenfenster_test.moc"
