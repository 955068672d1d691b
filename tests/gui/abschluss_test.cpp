// Closing windows from the menu: grids equal to the engine's report, hidden group grids, the
// other-currency button, the splitter rule, the month question, printing to PDF, and the
// type-group assignment driven by button and by drag and drop.
#include "dialogablauf.h"
#include "guitesthilfen.h"

#include "core/closing/abschlussbericht.h"
#include "gui/closing/abschlussanzeige.h"
#include "gui/closing/abschlussfenster.h"
#include "gui/closing/splitterpanel.h"
#include "gui/closing/typgruppendialog.h"
#include "gui/common/qtext.h"
#include "gui/printing/druckablauf.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace zalvor;
using namespace zalvor::guitest;

namespace {

// Every visible grid of the window shows the engine's cells, in order.
void rasterVergleichen(gui::TabschlWin& w, const Bericht& b) {
    const char* namen[4][2] = {{"StringGrid1", nullptr},
                               {"StringGrid2", "StringGrid22"},
                               {"StringGrid3", "StringGrid32"},
                               {"StringGrid4", nullptr}};
    for (std::size_t r = 0; r < 4; ++r)
        for (std::size_t i = 0; i < b.reiter[r].raster.size(); ++i) {
            const Raster& soll = b.reiter[r].raster[i];
            QTableView* v = w.raster(namen[r][i]);
            QVERIFY(v);
            QCOMPARE(!v->isHidden(), soll.sichtbar);
            QCOMPARE(v->model()->rowCount(), static_cast<int>(soll.zeilen.size()));
            for (std::size_t z = 0; z < soll.zeilen.size(); ++z)
                for (std::size_t s = 0; s < soll.zeilen[z].size(); ++s)
                    QCOMPARE(v->model()->index(int(z), int(s)).data().toString(),
                             gui::ausAnsi(soll.zeilen[z][s]));
        }
}

// A drag entering `ziel` and moving to `pos`, dropped there when `fallen`: whether the last
// event was accepted. Moves and drops reach only a widget that accepted the entering drag.
bool ziehen(QWidget* ziel, const QMimeData& daten, QPoint pos, bool fallen) {
    QDragEnterEvent rein(pos, Qt::MoveAction, &daten, Qt::LeftButton, {});
    QApplication::sendEvent(ziel, &rein);
    if (!rein.isAccepted()) return false;
    QDragMoveEvent zug(pos, Qt::MoveAction, &daten, Qt::LeftButton, {});
    QApplication::sendEvent(ziel, &zug);
    if (!fallen) {
        QDragLeaveEvent raus;
        QApplication::sendEvent(ziel, &raus);
        return zug.isAccepted();
    }
    QDropEvent drop(QPointF(pos), Qt::MoveAction, &daten, Qt::LeftButton, {});
    QApplication::sendEvent(ziel, &drop);
    return drop.isAccepted();
}

} // namespace

class AbschlussTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string basis_;

    // A changeover year (02) with an expense group over type 1 and no income group.
    void anlegen() {
        basis_ = (dir_.path() + "/Verein").toStdString();
        TDefinitionen def;
        for (int n = 3; n <= 9; ++n)
            def.konten[static_cast<std::size_t>(n)] = kUnbenannt;
        def.konten[1] = "Kasse";
        def.konten[2] = "Bank";
        def.waehrung.Kurs = 1.95583L;
        def.typen.setzeTypName(Seite::Ausgabe, 1, "Miete");
        def.typen.setzeTypName(Seite::Ausgabe, 2, "Porto");
        def.typen.setzeTypName(Seite::Einnahme, 1, "Spende");
        def.typen.setzeGruppenName(Seite::Ausgabe, 1, "Haus");
        def.typen.setzeGruppeVon(Seite::Ausgabe, 1, 1);
        Neu spende;
        spende.typ = 1;
        spende.betrag = 100;
        Neu miete;
        miete.bunr = "2";
        miete.einnahme = false;
        miete.kontoVon = 2;
        miete.kontoNach = 0;
        miete.betrag = 40.01L;
        miete.typ = 1;
        miete.monat = 3;
        dateiAnlegen(basis_, "02", {buchung(spende), buchung(miete)}, def);
    }

    void oeffnen(Fenster& f) {
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(basis_ + ".02")),
                 OeffnenErgebnis::Geoeffnet);
        f.form->resize(1000, 700);
        f.form->show();
    }

  private slots:
    void initTestCase() { anlegen(); }

    void jahresabschlussUndUmrechnung() {
        Fenster f;
        oeffnen(f);
        QAction* jahr = f.form->aktion("jahresabschluss");
        QCOMPARE(jahr->shortcut(), QKeySequence(Qt::Key_F6));
        QCOMPARE(f.form->aktion("monatsabschluss")->shortcut(), QKeySequence(Qt::Key_F5));
        QVERIFY(jahr->isEnabled());
        jahr->trigger();
        gui::TabschlWin* w = gui::abschlussfenster().front();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString::fromUtf8("Jahresabschluß"));
        QCOMPARE(w->reiter()->count(), 5);
        QCOMPARE(w->reiter()->tabText(4), QString("Grafik"));
        const Bericht soll = abschlussBericht(abschlussErstellen(f.form->sitzung().verein,
                                                                 f.form->sitzung().euroText,
                                                                 f.form->sitzung().person, {}),
                                              f.form->sitzung().verein.def);
        rasterVergleichen(*w, soll);
        QCOMPARE(w->PanelWaehrung->text(), gui::ausAnsi(soll.waehrungszeile));
        QVERIFY(!w->PanelAndereWaehrg->isHidden());
        QVERIFY(!w->splitter(0)->isHidden());
        QVERIFY(w->splitter(1)->isHidden());

        // The drag rule on the expense splitter: up by 40 grows the grid by 40; beyond the
        // page's bounds nothing changes.
        w->reiter()->setCurrentIndex(1);
        QApplication::processEvents();
        gui::TSplitterPanel* p = w->splitter(0);
        QTableView* gruppen = w->raster("StringGrid22");
        const int vorher = gruppen->height();
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(10, 5));
        QMouseEvent hoch(QEvent::MouseMove, QPointF(10, -35), p->mapToGlobal(QPointF(10, -35)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(p, &hoch);
        QCOMPARE(gruppen->height(), vorher + 40);
        QMouseEvent weit(QEvent::MouseMove, QPointF(10, -5000), p->mapToGlobal(QPointF(10, -5000)),
                         Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(p, &weit);
        QCOMPARE(gruppen->height(), vorher + 40);
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(10, -35));
        QVERIFY(gui::TSplitterPanel::hoeheErlaubt(31, 100));
        QVERIFY(!gui::TSplitterPanel::hoeheErlaubt(30, 100));
        QVERIFY(!gui::TSplitterPanel::hoeheErlaubt(70, 100));

        // The other currency: a new converted window, without a button of its own.
        QTest::mouseClick(w->ButtonAndereWaehrg, Qt::LeftButton);
        gui::TabschlWin* um = gui::abschlussfenster().front();
        QVERIFY(um != w);
        QCOMPARE(um->tag(), 0);
        QVERIFY(um->PanelWaehrung->text().endsWith(" (umgerechnet und gerundet!)"));
        QVERIFY(um->PanelAndereWaehrg->isHidden());

        // Another file closes every closing window.
        f.form->dateiOeffnen(QString::fromStdString(basis_ + ".02"));
        QVERIFY(!gui::abschlussfenster().front());
    }

    void monatsfrageUndDruck() {
        Fenster f;
        oeffnen(f);
        Dialogablauf ablauf;
        ablauf
            .dann(QString::fromUtf8("Monatsabschluß"),
                  [](QDialog& d) {
                      d.findChild<QComboBox*>("CBMonat")->setCurrentText("13");
                      d.accept();
                  })
            .dann(QString::fromUtf8("Monatsabschluß"),
                  [](QDialog& d) {
                      d.findChild<QComboBox*>("CBMonat")->setCurrentText("3");
                      d.accept();
                  })
            .dann(QString::fromUtf8("Monatsabschluß"), [](QDialog& d) { d.reject(); });
        f.form->aktion("monatsabschluss")->trigger();
        QCOMPARE(f.person.meldungen().back().text,
                 std::string("13 ist keine Zahl zwischen 1 und 12 !"));
        gui::TabschlWin* w = gui::abschlussfenster().front();
        QCOMPARE(w->windowTitle(), QString::fromUtf8("Monatsabschluß für März "));
        QCOMPARE(w->tag(), 3);
        // March only: the rent of March, not the donation of November.
        QCOMPARE(w->raster("StringGrid2")->model()->index(0, 2).data().toString(),
                 QString("      40.01"));
        f.form->aktion("monatsabschluss")->trigger();
        QVERIFY(ablauf.fertig());
        QCOMPARE(gui::abschlussfenster().front().data(), w);

        const QString pdf = dir_.path() + "/abschluss.pdf";
        QVERIFY(gui::alsPdfDrucken(nullptr, gui::abschlussSetzer(*f.form, *w), pdf));
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }

    void typengruppenZiehenUndZuordnen() {
        Typverwaltung typen;
        typen.setzeTypName(Seite::Ausgabe, 1, "Miete");
        typen.setzeTypName(Seite::Ausgabe, 2, "Porto");
        test::AufzeichnendePerson person;
        gui::TDTGAssign d(typen, Seite::Ausgabe, person);
        d.show();
        QApplication::processEvents();
        QCOMPARE(d.windowTitle(), QString("Ausgabe-Typen-Gruppen-Zuordnung"));
        QCOMPARE(d.StringGrid1->model()->rowCount(), 2);
        QCOMPARE(d.ListBox1->count(), 2);

        // No target selected: the warning, nothing changes.
        d.BtnZuordnen->click();
        QCOMPARE(person.meldungen().back().text,
                 std::string("Sie haben keine Zielgruppe ausgewählt!"));

        // A drag from elsewhere and a drop below the last entry are refused.
        QWidget* ziel = d.ListBox1->viewport();
        const QPoint aufNeu = d.ListBox1->visualItemRect(d.ListBox1->item(0)).center();
        QMimeData fremd;
        fremd.setText("Miete");
        QVERIFY(!ziehen(ziel, fremd, aufNeu, false));
        std::unique_ptr<QMimeData> eigen(d.ziehdaten());
        QVERIFY(!ziehen(ziel, *eigen, QPoint(5, ziel->height() - 2), true));
        QVERIFY(ziehen(ziel, *eigen, aufNeu, false));

        // Row "Porto" dropped on "( neu... )": a group named from the input, cut to 15.
        d.StringGrid1->selectRow(1);
        person.antworte(std::string("Verwaltungskosten"));
        QVERIFY(ziehen(ziel, *eigen, aufNeu, true));
        QCOMPARE(typen.gruppenName(Seite::Ausgabe, 1), std::string("Verwaltungskost"));
        QCOMPARE(d.StringGrid1->model()->rowCount(), 3);
        QCOMPARE(d.StringGrid1->model()->index(1, 1).data().toString(), QString("Verwaltungskost"));
        QCOMPARE(d.ListBox1->count(), 3);
        QVERIFY(d.geaendert());

        // Lifting the only member's assignment with "( keine )" deletes the group.
        d.StringGrid1->selectRow(1);
        d.ListBox1->setCurrentRow(1);
        person.antworte(Knopf::Ja);
        d.BtnZuordnen->click();
        QVERIFY(typen.gruppenName(Seite::Ausgabe, 1).empty());
        QCOMPARE(d.ListBox1->count(), 2);
        QCOMPARE(d.StringGrid1->model()->rowCount(), 2);
        d.BtnSchliessen->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(AbschlussTest)
#include "abschluss_test.moc"
