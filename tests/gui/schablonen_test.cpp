// Templates on the desktop: automatic bookings at opening, the window's grid and buttons, the
// repetition dialog, the check box of the booking dialog, the menu item.
#include "dialogablauf.h"
#include "guitesthilfen.h"
#include "tempverzeichnis.h"

#include "core/common/zeichensatz.h"
#include "core/entry/buchungseingabe.h"
#include "core/files/buchungsdatei.h"
#include "core/templates/schablone.h"
#include "gui/entry/buchungsdialog.h"
#include "gui/files/dialoghilfe.h"
#include "gui/mainwindow/buchungsmodell.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/mainwindow/hilfe.h"
#include "gui/templates/schablonendialog.h"
#include "gui/templates/schablonenmodell.h"
#include "gui/templates/wiederholungsdialog.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using namespace zalvor::guitest;
using zalvor::Knopf;
using zalvor::test::Art;

namespace {

zalvor::TDefinitionen definitionen() {
    zalvor::TDefinitionen d = unbenannteKonten();
    d.konten[1] = "Kasse";
    d.typen.setzeTypName(zalvor::Seite::Ausgabe, 1, "Miete");
    return d;
}

// Expense templates of account 1 and type "Miete", 40.00 each.
void schablonenSchreiben(const std::string& basis,
                         const std::vector<std::pair<int, std::uint8_t>>& tagUndCode) {
    std::vector<std::uint8_t> roh;
    for (const auto& [tag, code] : tagUndCode) {
        Neu n;
        n.einnahme = false;
        n.kontoVon = 1;
        n.kontoNach = 0;
        n.typ = 1;
        n.tag = tag;
        n.monat = 5;
        n.betrag = 40;
        n.text = "Hallenmiete";
        zalvor::TSchablone t{buchung(n)};
        t.setzeCode(code);
        const auto b = t.packen();
        roh.insert(roh.end(), b.begin(), b.end());
    }
    zalvor::test::bytesSchreiben(basis + ".SBD", roh);
}

QStringList zeile(zalvor::gui::TDTabSB& dlg, int z) {
    QStringList aus;
    for (int s = 0; s < 6; ++s)
        aus << dlg.modell->index(z, s).data().toString();
    return aus;
}

} // namespace

class SchablonenTest : public QObject {
    Q_OBJECT

    zalvor::test::TempVerzeichnis tmp_;
    std::string basis_ = tmp_.datei("Verein");

    void oeffnen(Fenster& f) {
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(basis_ + ".26")),
                 zalvor::OeffnenErgebnis::Geoeffnet);
    }
    std::vector<zalvor::TBuchung> saetze() { return zalvor::alleBuchungenLesen(basis_ + ".26"); }

  private slots:
    void init() {
        for (const char* e : {".26", ".SBD", ".def"})
            std::remove((basis_ + e).c_str());
        dateiAnlegen(basis_, "26", {}, definitionen());
    }

    void oeffnenBuchtFaelligeSchablonen() {
        // 15 June: the template of the 1st with code 5 is due for May and June.
        schablonenSchreiben(basis_, {{1, 5}});
        Fenster f;
        QVERIFY(!f.form->aktion("schablonen")->isEnabled());
        oeffnen(f);
        QCOMPARE(saetze().size(), std::size_t{2});
        QCOMPARE(saetze()[0].monat, 5);
        QCOMPARE(saetze()[1].monat, 6);
        const auto m = f.person.meldungen();
        QCOMPARE(m.size(), std::size_t{1});
        QCOMPARE(m[0].art, Art::Nachricht);
        QCOMPARE(m[0].titel, std::string("Information"));
        QCOMPARE(f.form->tabelle()->modell()->saetze(), 2);
        QCOMPARE(f.form->statuszeile().value(1), QString("Schablonen"));
        QVERIFY(f.form->aktion("schablonen")->isEnabled());
        QCOMPARE(f.form->aktion("schablonen")->shortcut(), QKeySequence(Qt::Key_F8));
        QVERIFY(zalvor::gui::hilfethema(zalvor::gui::kHilfeSchablonen) != nullptr);

        // Read-only mode takes the item and its tool button away.
        f.form->sitzung().verein.nurLesen = true;
        f.form->nachDemOeffnenFreigeben();
        QVERIFY(!f.form->aktion("schablonen")->isEnabled());
    }

    void fensterZeigtUndBucht() {
        schablonenSchreiben(basis_, {{20, 0}, {3, 8}});
        Fenster f;
        oeffnen(f);
        Dialogablauf ablauf;
        ablauf.dann("Schablonen", [](QDialog& d) {
            auto& dlg = static_cast<zalvor::gui::TDTabSB&>(d);
            QCOMPARE(dlg.modell->rowCount(), 2);
            QCOMPARE(dlg.modell->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
                     QString("Betrag (DM)"));
            QCOMPARE(zeile(dlg, 0),
                     (QStringList{"Miete", "Hallenmiete", "    40.00", " A", " 1", "Nie"}));
            QCOMPARE(zeile(dlg, 1).value(5), QString("monatl. 3."));
            QVERIFY(dlg.BtnBuchen->isDefault());
            QCOMPARE(dlg.BtnBuchen->toolTip(), QString("Die markierte Schablone buchen."));
            QCOMPARE(dlg.BtnLoeschen->toolTip(), u("Markierte Schablone löschen"));
            QCOMPARE(dlg.BtnWiederholung->toolTip(),
                     u("Zyklus für Automatische Buchung der markierten Schablone festlegen"));
            QStringList menue;
            for (auto* a : dlg.PopupMenu1->actions())
                menue << a->text();
            QCOMPARE(menue, (QStringList{"&Buchen", "&Wiederholung...", u("&Löschen")}));
            QCOMPARE(dlg.StringGrid1->selectionBehavior(), QAbstractItemView::SelectRows);
            dlg.StringGrid1->selectRow(1);
            QVERIFY(klicken(dlg, "&Buchen"));
            QVERIFY(!dlg.isVisible());
        });
        f.form->aktion("schablonen")->trigger();
        QVERIFY(ablauf.fertig());
        QVERIFY(ablauf.unerwartet().isEmpty());
        QCOMPARE(saetze().size(), std::size_t{1});
        QCOMPARE(saetze()[0].tag, 15);
        QCOMPARE(saetze()[0].monat, 6);
        QCOMPARE(f.form->tabelle()->modell()->saetze(), 1);
    }

    void wiederholungUndLoeschenZeichnenDieZeileNeu() {
        schablonenSchreiben(basis_, {{20, 0}});
        Fenster f;
        oeffnen(f);
        Dialogablauf ablauf;
        ablauf.dann("Schablonen", [&f](QDialog& d) {
            auto& dlg = static_cast<zalvor::gui::TDTabSB&>(d);
            QVERIFY(klicken(dlg, "&Wiederholung..."));
            QCOMPARE(zeile(dlg, 0).value(5), u("jährl. 20.5."));
            f.person.antworte(Knopf::Ja);
            QVERIFY(klicken(dlg, u("&Löschen")));
            QCOMPARE(zeile(dlg, 0), (QStringList{u("* gelöscht *"), "", " -------", " -", "---",
                                                 u("jährl. 20.5.")}));
            QVERIFY(klicken(dlg, u("&Schließen")));
        });
        ablauf.dann("Wiederholung", [](QDialog& d) {
            auto& dlg = static_cast<zalvor::gui::TDSBWdh&>(d);
            QCOMPARE(dlg.Label1->text(),
                     QString("Bestimmen Sie, ob und wann die Schablone automatisch gebucht "
                             "werden soll."));
            QCOMPARE(dlg.RadioGroup1->title(), QString("&Wiederholung (automatische Buchung)"));
            QCOMPARE(dlg.RBMonatlich->text(), QString("&Monatlich (am 20.)"));
            QCOMPARE(dlg.RBJaehrlich->text(), u("&Jährlich (am 20.5.)"));
            QVERIFY(dlg.RBNie->isChecked());
            dlg.RBJaehrlich->setChecked(true);
            QVERIFY(klicken(dlg, "OK"));
        });
        f.form->aktion("schablonen")->trigger();
        QVERIFY(ablauf.fertig());
        QVERIFY(ablauf.unerwartet().isEmpty());
        // 20 May has passed on 15 June of an even year: next due in the odd year.
        const auto t =
            zalvor::TSchablone::entpacken(zalvor::test::bytesLesen(basis_ + ".SBD").data());
        QCOMPARE(t.code(), zalvor::kCodeJaehrlichUngerade);
        QVERIFY(t.geloescht());
    }

    void ohneSchablonenNurDerHinweis() {
        Fenster f;
        oeffnen(f);
        f.person.leeren();
        Dialogablauf ablauf;
        f.form->aktion("schablonen")->trigger();
        QVERIFY(ablauf.gezeigt().isEmpty());
        const auto m = f.person.meldungen();
        QCOMPARE(m.size(), std::size_t{1});
        QCOMPARE(m[0].text, std::string("\r\rSie haben noch keine Schablonen angelegt."));
    }

    void buchungsdialogBietetDieSchabloneAn() {
        Fenster f;
        oeffnen(f);
        auto& s = f.form->sitzung();
        zalvor::BuchungsStart start;
        start.dialog = zalvor::BuchungsDialog::Buchung;
        const auto inhalt = zalvor::buchungsDlgFuellen(s, start);
        zalvor::gui::TBuchungsDlg dlg;
        dlg.fuellen(inhalt.maske, inhalt.eingaben);
        QVERIFY(dlg.CBSchablone->isEnabled());
        QVERIFY(!dlg.CBSchablone->isChecked());
    }
};

QTEST_MAIN(SchablonenTest)
#include "schablonen_test.moc"
