// The member windows: menu enabling, the member window with card, rename and removal, the
// contribution dialog with the reset, the member list with its column choice and printout.
#include "dialogablauf.h"
#include "guitesthilfen.h"
#include "tempverzeichnis.h"

#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedsdatei.h"
#include "gui/members/beitraegebuchendialog.h"
#include "gui/members/karteikartendialog.h"
#include "gui/members/mitgliederfenster.h"
#include "gui/members/mitgliederlistenfenster.h"
#include "gui/printing/druckablauf.h"
#include "gui/printing/druckoptionendialog.h"

#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "gui/files/namensraster.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace zalvor;
using namespace zalvor::guitest;

namespace {

TMitglied mitglied(const char* nach, const char* vor, std::uint8_t satz, std::uint8_t bezahlt) {
    TMitglied m;
    m.nachname.setze(AnsiNachOem(A(nach)));
    m.vorname.setze(AnsiNachOem(A(vor)));
    m.frei[0].setze("Lindenau");
    m.satz = satz;
    m.bezahlt = bezahlt;
    return m;
}

template <class T>
int fensterAnzahl(gui::TMainForm& f) {
    int n = 0;
    for (auto* w : f.arbeitsflaeche()->subWindowList())
        if (qobject_cast<T*>(w->widget())) ++n;
    return n;
}

} // namespace

class MitgliederTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string basis_;
    std::unique_ptr<Fenster> f_;

    // Abel (paid), Berg, Cord on rate 3, which has an amount but no name: not bookable.
    void oeffnen(bool mitMitgliedern = true) {
        basis_ = (dir_.path() + "/Verein").toStdString();
        TDefinitionen def;
        def.konten.fill(kUnbenannt);
        def.konten[1] = "Kasse";
        def.konten[2] = "Bank";
        def.mitgliedEinstellung = 2;
        def.standardBeitrag = 50;
        def.freiFelder[1] = "Ort";
        dateiAnlegen(basis_, "26", {}, def);
        const std::string mgb = TBuchungsdatei{basis_, "26", 0}.dateien().mitglieder();
        std::vector<TMitglied> liste;
        if (mitMitgliedern)
            liste = {mitglied("Abel", "Anna", 0, 1), mitglied("Berg", "Bernd", 0, 0),
                     mitglied("Cord", "Cora", 3, 0)};
        mitgliederSchreiben(mgb, liste);
        Beitragssaetze saetze;
        saetze.eintraege[0].name.setze("Standard");
        saetze.eintraege[0].cent = 5000;
        saetze.eintraege[3].cent = 3000;
        const auto roh = saetze.packen();
        test::bytesSchreiben(TBuchungsdatei{basis_, "26", 0}.dateien().beitraege(),
                             std::vector<std::uint8_t>(roh.begin(), roh.end()));
        f_ = std::make_unique<Fenster>();
        QCOMPARE(f_->form->dateiOeffnen(QString::fromStdString(basis_ + ".26")),
                 OeffnenErgebnis::Geoeffnet);
        f_->form->resize(1000, 700);
        f_->form->show();
        f_->person.leeren();
    }
    std::string mgb() const { return TBuchungsdatei{basis_, "26", 0}.dateien().mitglieder(); }
    gui::TMainForm& form() { return *f_->form; }

  private slots:
    void cleanup() { f_.reset(); }

    void menuePunkteFolgenDerKartei() {
        oeffnen(false);
        for (const char* id : {"mitgliederListe", "mitgliedAnzeigen", "beitraegeBuchen",
                               "beitraegeReset", "mitgliederEinstellungen"})
            QVERIFY2(!form().aktion(id)->isEnabled(), id);
        QVERIFY(form().aktion("mitgliedNeu")->isEnabled());
        // The first member enables the items.
        Dialogablauf ablauf;
        ablauf.dann(u("Mitglieder-Karteikarte"), [](QDialog& d) {
            tippen(feld<QLineEdit>(d, "EName"), u("Zänder"));
            tippen(feld<QLineEdit>(d, "EVorname"), u("Ute"));
            QVERIFY(!feld<QComboBox>(d, "CBSatz")->isEnabled()); // no further rate has a name
            QVERIFY(klicken(d, "OK"));
        });
        form().aktion("mitgliedNeu")->trigger();
        QVERIFY(ablauf.fertig());
        QVERIFY(form().aktion("beitraegeBuchen")->isEnabled());
        QCOMPARE(mitgliederAnzahl(mgb()), 1u);
        // Read-only mode takes the writing items away.
        form().sitzung().verein.nurLesen = true;
        form().nachDemOeffnenFreigeben();
        QVERIFY(!form().aktion("beitraegeBuchen")->isEnabled());
        QVERIFY(!form().aktion("mitgliederEinstellungen")->isEnabled());
        QVERIFY(form().aktion("mitgliederListe")->isEnabled());
    }

    void kartei() {
        oeffnen();
        form().aktion("mitgliedAnzeigen")->trigger();
        gui::TDMgl* w = gui::offenesMitgliederFenster();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), u("Mitgliederkartei"));
        QCOMPARE(w->LBMitglieder->count(), 3);
        QCOMPARE(w->LBMitglieder->item(0)->text(), u("Abel, Anna"));
        bild(form(), "mitglieder-kartei.png");
        form().aktion("mitgliedAnzeigen")->trigger();
        QCOMPARE(gui::offenesMitgliederFenster(), w);
        QCOMPARE(fensterAnzahl<gui::TDMgl>(form()), 1);

        // Adding: "ä" sorts after every plain letter; the free field is stored.
        Dialogablauf ablauf;
        ablauf.dann(u("Mitglieder-Karteikarte"), [](QDialog& d) {
            tippen(feld<QLineEdit>(d, "EName"), u("Zänder"));
            tippen(feld<QLineEdit>(d, "EVorname"), u("Ute"));
            auto* raster = feld<QTableWidget>(d, "SGFelder");
            QCOMPARE(raster->item(0, 0)->text(), u("Ort"));
            zelleTippen(raster, 0, 1, u("Neuhof"));
            bild(d, "mitglieder-karte.png");
            QVERIFY(klicken(d, "OK"));
        });
        QTest::mouseClick(w->BtnHinzufuegen, Qt::LeftButton);
        // Renaming Abel to Zorn moves her behind Cord, before Zänder; mark and rate stay.
        w->LBMitglieder->setCurrentRow(0);
        ablauf.dann(u("Mitglieder-Karteikarte"), [](QDialog& d) {
            QCOMPARE(feld<QLineEdit>(d, "EName")->text(), u("Abel"));
            QCOMPARE(feld<QTableWidget>(d, "SGFelder")->item(0, 1)->text(), u("Lindenau"));
            tippen(feld<QLineEdit>(d, "EName"), u("Zorn"));
            QVERIFY(klicken(d, "OK"));
        });
        QTest::mouseClick(w->BtnAnsehen, Qt::LeftButton);
        QVERIFY(ablauf.fertig());
        QVERIFY(ablauf.unerwartet().isEmpty());
        QStringList namen;
        for (int i = 0; i < w->LBMitglieder->count(); ++i)
            namen << w->LBMitglieder->item(i)->text();
        QCOMPARE(namen, (QStringList{u("Berg, Bernd"), u("Cord, Cora"), u("Zorn, Anna"),
                                     u("Zänder, Ute")}));
        QCOMPARE(w->LBMitglieder->currentRow(), 2);
        const auto liste = mitgliederLesen(mgb());
        QCOMPARE(liste[2].bezahlt, std::uint8_t{1});
        QCOMPARE(liste[3].frei[0].text(), std::string("Neuhof"));

        // Removing asks first; No keeps the member.
        w->LBMitglieder->setCurrentRow(0);
        f_->person.antworte({Knopf::Nein, Knopf::Ja});
        QTest::mouseClick(w->BtnEntfernen, Qt::LeftButton);
        QCOMPARE(w->LBMitglieder->count(), 4);
        QTest::mouseClick(w->BtnEntfernen, Qt::LeftButton);
        QCOMPARE(w->LBMitglieder->count(), 3);
        QCOMPARE(w->LBMitglieder->item(0)->text(), u("Cord, Cora"));
        QCOMPARE(f_->person.meldungen().back().text, std::string("Mitglied wirklich löschen?"));

        form().sitzung().verein.nurLesen = true;
        w->lesen();
        QVERIFY(!w->BtnHinzufuegen->isEnabled());
        QVERIFY(!w->BtnEntfernen->isEnabled());
        QVERIFY(w->BtnAnsehen->isEnabled());
        // Another file closes the window.
        emit form().dateiWirdGewechselt();
        QVERIFY(!gui::offenesMitgliederFenster());
    }

    void doppelklickUndEingabeZeigenDieKarteEinmal() {
        oeffnen();
        form().aktion("mitgliedAnzeigen")->trigger();
        gui::TDMgl* w = gui::offenesMitgliederFenster();
        QVERIFY(w);
        Dialogablauf ablauf;
        ablauf.dann(u("Mitglieder-Karteikarte"), [](QDialog& d) {
            QTest::keyClick(feld<QLineEdit>(d, "EName"), Qt::Key_Return);
        });
        const QRect zeile = w->LBMitglieder->visualItemRect(w->LBMitglieder->item(1));
        // A person's double click: press and release, then the second press as a double click.
        QTest::mouseClick(w->LBMitglieder->viewport(), Qt::LeftButton, {}, zeile.center());
        QTest::mouseDClick(w->LBMitglieder->viewport(), Qt::LeftButton, {}, zeile.center());
        QTest::qWait(50);
        // Saved once; no second card follows.
        QCOMPARE(ablauf.gezeigt(), QStringList{u("Mitglieder-Karteikarte")});
        QVERIFY(ablauf.unerwartet().isEmpty());
    }

    void beitraegeUndReset() {
        oeffnen();
        Dialogablauf ablauf;
        ablauf.dann(u("Beiträge buchen"), [](QDialog& d) {
            auto& dlg = static_cast<gui::TDBeitr&>(d);
            QVERIFY(d.findChild<QScrollArea*>("ScrollBox"));
            QCOMPARE(dlg.kaesten.size(), std::size_t{3});
            QCOMPARE(dlg.kaesten[0]->text(), u("Abel, Anna"));
            QVERIFY(dlg.kaesten[0]->isChecked() && !dlg.kaesten[0]->isEnabled());
            QVERIFY(!dlg.kaesten[1]->isChecked() && dlg.kaesten[1]->isEnabled());
            QVERIFY(!dlg.kaesten[2]->isEnabled()); // rate 3 has no name
            QVERIFY(!dlg.BtnBuchen->icon().isNull() && !dlg.BtnAbbruch->icon().isNull());
            dlg.kaesten[1]->click();
            bild(d, "beitraege-buchen.png");
            QVERIFY(klicken(d, "&Buchen "));
        });
        form().aktion("beitraegeBuchen")->trigger();
        QVERIFY(ablauf.fertig());
        const std::string datei = basis_ + ".26";
        auto b = alleBuchungenLesen(datei);
        QCOMPARE(b.size(), std::size_t{1});
        QCOMPARE(b[0].text.text(), std::string("Berg, Bernd"));
        QCOMPARE(b[0].kontoNach, std::uint8_t{2});
        QCOMPARE(mitgliederLesen(mgb())[1].bezahlt, std::uint8_t{1});

        // The reset plans Cord's contribution at the standard rate and clears every mark.
        f_->person.antworte({Knopf::Ok, Knopf::Ja});
        form().aktion("beitraegeReset")->trigger();
        b = alleBuchungenLesen(datei);
        QCOMPARE(b.size(), std::size_t{2});
        QVERIFY(b[1].istGeplant());
        QCOMPARE(static_cast<double>(b[1].betrag.wert()), 50.0);
        for (const auto& m : mitgliederLesen(mgb()))
            QCOMPARE(m.bezahlt, std::uint8_t{0});

        // The settings lead to the further rates; both store through the engine.
        ablauf.dann(u("Mitgliederverwaltung: Einstellungen"), [](QDialog& d) {
            QCOMPARE(feld<QComboBox>(d, "CBKonto")->currentText(), u("2: Bank"));
            QCOMPARE(feld<QLineEdit>(d, "EBetrag")->text(), u("50.00"));
            tippen(feld<QLineEdit>(d, "EBetrag"), u("60,5"));
            QVERIFY(klicken(d, u("Weitere Beitagssätze...")));
            bild(d, "mitglieder-einstellungen.png");
            QVERIFY(klicken(d, "OK"));
        });
        ablauf.dann(u("Weitere Beitragssätze"), [](QDialog& d) {
            auto* raster = feld<QTableWidget>(d, "SGSaetze");
            QCOMPARE(raster->item(2, 1)->text(), u("30,00"));
            zelleTippen(raster, 0, 0, u("Jugend"));
            zelleTippen(raster, 0, 1, u("12,5"));
            QVERIFY(klicken(d, "OK"));
        });
        form().aktion("mitgliederEinstellungen")->trigger();
        QVERIFY(ablauf.fertig());
        QVERIFY2(ablauf.unerwartet().isEmpty(), qPrintable(ablauf.unerwartet().join(", ")));
        const auto& saetze = form().sitzung().verein.beitraege;
        QCOMPARE(saetze.eintraege[1].name.text(), std::string("Jugend"));
        QCOMPARE(saetze.eintraege[1].cent, std::uint16_t{1250});
        QCOMPARE(saetze.eintraege[0].cent, std::uint16_t{6050});
    }

    void listeUndDruck() {
        oeffnen();
        Dialogablauf ablauf;
        ablauf.dann(u("Mitgliederliste"), [](QDialog& d) {
            QCOMPARE(feld<QCheckBox>(d, "CB1")->text(), u("Ort"));
            feld<QCheckBox>(d, "CB1")->setChecked(true);
            feld<QCheckBox>(d, "CB6")->setChecked(true);
            QVERIFY(klicken(d, "OK"));
        });
        form().aktion("mitgliederListe")->trigger();
        gui::TWMglList* w = gui::offeneMitgliederliste();
        QVERIFY(w);
        QVERIFY(w->windowTitle().startsWith(u("Mitgliederliste für Datei: ")));
        QVERIFY(w->windowTitle().endsWith(u("(Stand: 15.6.26)")));
        QVERIFY(w->parentWidget()->isMaximized());
        auto* m = w->SGListe->model();
        QStringList kopf;
        for (int s = 0; s < m->columnCount(); ++s)
            kopf << m->headerData(s, Qt::Horizontal).toString();
        QCOMPARE(kopf, (QStringList{"Mitglied", "Beitrag", "Ort", "Bez"}));
        QCOMPARE(m->index(0, 0).data().toString(), u("Abel, Anna"));
        QCOMPARE(m->index(0, 3).data().toString(), u(" X"));
        QCOMPARE(m->index(1, 3).data().toString(), u(" -"));
        bild(form(), "mitglieder-liste.png");

        // Printing: the options with the relabelled box, the paid-column style, the preview.
        ablauf.dann(u("Druckoptionen"), [](QDialog& d) {
            auto& dlg = static_cast<gui::Tprintdlg&>(d);
            QCOMPARE(dlg.CBAnVon->text(), u("\"&freie\" Spalten in Schrift 2"));
            QVERIFY(dlg.CBAnVon->isEnabled());
            dlg.CBAnVon->setChecked(true);
            QTest::mouseClick(dlg.BtnOk, Qt::LeftButton);
        });
        ablauf.dann(u("Bezahlt-Spalte"), [](QDialog& d) { QVERIFY(klicken(d, "[  ]  [X]")); });
        ablauf.dann(u("Druckvorschau"), [](QDialog& d) { d.reject(); });
        QTest::mouseClick(w->BtnDrucken, Qt::LeftButton);
        QVERIFY(ablauf.fertig());
        QVERIFY2(ablauf.unerwartet().isEmpty(), qPrintable(ablauf.unerwartet().join(", ")));
        QVERIFY(gui::druckeinstellungen().anVon);
        const QString pdf = dir_.path() + "/mitglieder.pdf";
        QVERIFY(gui::alsPdfDrucken(w, w->setzer(2, true), pdf));
        QVERIFY(QFileInfo(pdf).size() > 1000);

        // A new list replaces the open one.
        ablauf.dann(u("Mitgliederliste"), [](QDialog& d) { QVERIFY(klicken(d, "OK")); });
        const QPointer<gui::TWMglList> alt(w);
        form().aktion("mitgliederListe")->trigger();
        QVERIFY(!alt);
        QCOMPARE(fensterAnzahl<gui::TWMglList>(form()), 1);
        QCOMPARE(gui::offeneMitgliederliste()->SGListe->model()->columnCount(), 2);
    }
};

QTEST_MAIN(MitgliederTest)
#include "mitglieder_test.moc"
