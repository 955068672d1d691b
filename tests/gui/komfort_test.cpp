// Conveniences of the booking table used as a person does: find bar, header sorting,
// balances panel, undo, recent clubs, the open dialog and remembered column widths.
#include "dialogablauf.h"
#include "guitesthilfen.h"
#include "tempverzeichnis.h"

#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/indexdatei.h"
#include "gui/common/benutzereinstellungen.h"
#include "gui/entry/buchungsdialog.h"
#include "gui/mainwindow/buchungsmodell.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/mainwindow/kontostandmodell.h"
#include "gui/mainwindow/tabellenfilter.h"
#include "gui/mainwindow/zuletzt.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QtTest>

#include <fstream>
#include <iterator>

using namespace zalvor::guitest;
using zalvor::Knopf;

namespace {

zalvor::TDefinitionen zweiKonten() {
    zalvor::TDefinitionen d = unbenannteKonten();
    d.konten[1] = "Kasse";
    d.konten[2] = "Giro";
    d.typen.setzeTypName(zalvor::Seite::Ausgabe, 1, "Miete");
    d.typen.setzeTypName(zalvor::Seite::Einnahme, 1, "Spenden");
    return d;
}

std::vector<zalvor::TBuchung> fuenfBuchungen() {
    auto mit = [](Neu n, const char* anVon) {
        auto b = buchung(n);
        b.anVon.setze(anVon);
        return b;
    };
    return {
        mit({.bunr = "AB",
             .tag = 1,
             .monat = 1,
             .betrag = 500,
             .kontoNach = 1,
             .text = "Anfangsbestand"},
            ""),
        mit({.bunr = "2",
             .tag = 3,
             .monat = 11,
             .betrag = 250,
             .einnahme = false,
             .kontoVon = 1,
             .kontoNach = 0,
             .typ = 1,
             .text = "Hallenmiete"},
            "Stadt"),
        mit({.bunr = "3",
             .tag = 24,
             .monat = 2,
             .betrag = 1000,
             .kontoNach = 2,
             .typ = 1,
             .text = "Spende Jugend"},
            "Meier"),
        mit({.bunr = "4",
             .tag = 9,
             .monat = 12,
             .betrag = 30,
             .einnahme = false,
             .kontoVon = 2,
             .kontoNach = 0,
             .typ = 1,
             .geplant = true,
             .text = "Kontogebuehr"},
            "Bank"),
        mit({.bunr = "5", .tag = 15, .monat = 6, .betrag = 12.5, .kontoNach = 1, .text = "Kuchen"},
            "Basar"),
    };
}

struct Offen {
    explicit Offen(const std::vector<zalvor::TBuchung>& buchungen = fuenfBuchungen()) {
        benutzerEinstellungenLeeren();
        f = std::make_unique<Fenster>();
        dateiAnlegen(basis, "26", buchungen, zweiKonten());
        QCOMPARE(f->form->dateiOeffnen(QString::fromStdString(basis + ".26")),
                 zalvor::OeffnenErgebnis::Geoeffnet);
        // Sorted indexes, as the program keeps them.
        ausloesen("reorganisieren");
        QCOMPARE(zalvor::indizesPruefen(s().verein.datei), zalvor::IndexBefund::InOrdnung);
        f->person.leeren();
    }
    static void benutzerEinstellungenLeeren() {
        eigeneKonfiguration();
        zalvor::gui::benutzerEinstellungen()->clear();
    }
    zalvor::test::TempVerzeichnis tmp;
    std::string basis = tmp.datei("Verein");
    std::unique_ptr<Fenster> f;
    zalvor::gui::TMainTab& t() { return *f->form->tabelle(); }
    zalvor::Sitzung& s() { return f->form->sitzung(); }
    void ausloesen(const char* id) { f->form->aktion(QString::fromLatin1(id))->trigger(); }
    bool saetzeGeloescht(std::uint32_t n) {
        return zalvor::buchungLesen(s().verein.datei.dateiname(), n).geloescht();
    }
    // Booking texts of the rows the view shows, top to bottom (the empty row as "").
    QStringList texte() {
        QStringList l;
        auto* m = t().ansicht()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            l << m->index(r, 3).data().toString();
        return l;
    }
    void kopfKlicken(int spalte) {
        QHeaderView* kopf = t().ansicht()->horizontalHeader();
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {},
                          QPoint(kopf->sectionViewportPosition(spalte) + 5, kopf->height() / 2));
    }
};

std::vector<char> bytes(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The booking file and its nine indexes, byte for byte.
std::vector<std::vector<char>> dateistand(const zalvor::Sitzung& s) {
    std::vector<std::vector<char>> stand{bytes(s.verein.datei.dateiname())};
    for (int k = 1; k <= 9; ++k)
        stand.push_back(bytes(s.verein.datei.dateien().index(k)));
    return stand;
}

// Names the first file that differs: 0 the booking file, k index k.
int ersterUnterschied(const std::vector<std::vector<char>>& a,
                      const std::vector<std::vector<char>>& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return static_cast<int>(i);
    return -1;
}

} // namespace

class KomfortTest : public QObject {
    Q_OBJECT

  private slots:
    void suchleisteFiltertNachTextEmpfaengerBetragUndDatum_data() {
        QTest::addColumn<QString>("suche");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("Text, beliebige Schreibung")
            << u("halle") << QStringList{u("Hallenmiete"), QString()};
        QTest::newRow("Empfänger") << u("meier") << QStringList{u("Spende Jugend"), QString()};
        QTest::newRow("Betrag") << u("12.50") << QStringList{u("Kuchen"), QString()};
        // Every form the booking dialog takes finds the amount.
        QTest::newRow("Betrag mit Komma")
            << u("1000,00") << QStringList{u("Spende Jugend"), QString()};
        QTest::newRow("Betrag, eine Nachkommastelle")
            << u("12,5") << QStringList{u("Kuchen"), QString()};
        QTest::newRow("Datum") << u("24.2.") << QStringList{u("Spende Jugend"), QString()};
        QTest::newRow("nichts") << u("xyz") << QStringList{QString()};
    }
    void suchleisteFiltertNachTextEmpfaengerBetragUndDatum() {
        QFETCH(QString, suche);
        QFETCH(QStringList, zeilen);
        Offen o;
        o.f->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(o.f->form.get()));
        const auto vorher = dateistand(o.s());
        QTest::keySequence(o.f->form.get(), QKeySequence::Find);
        QVERIFY(o.t().suchleiste()->isVisible());
        QCOMPARE(QApplication::focusWidget(), o.t().suchfeld());
        schreiben(o.t().suchfeld(), suche);
        QCOMPARE(o.texte(), zeilen);
        if (suche == u("halle")) bild(*o.f->form, u("suchleiste.png"));
        // The selected row is a record of the file, whatever the view shows.
        if (zeilen.size() > 1) {
            o.t().ansicht()->selectRow(0);
            o.t().ansicht()->setCurrentIndex(o.t().ansicht()->model()->index(0, 0));
            QCOMPARE(o.t().modell()->zeile(o.t().ausgewaehlteZeile())[3],
                     zalvor::A(zeilen[0].toStdString()));
        }
        QTest::keyClick(o.t().suchfeld(), Qt::Key_Escape);
        QVERIFY(!o.t().suchleiste()->isVisible());
        QCOMPARE(o.texte().size(), 6);
        // Finding never touches the files.
        QVERIFY(dateistand(o.s()) == vorher);
    }

    void kopfklickSortiertUndNeuZeichnenStelltDieDateiReihenfolgeHer() {
        Offen o;
        o.f->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(o.f->form.get()));
        const QStringList datei = o.texte();
        // Date by month and day: 1.1., 24.2., 15.6., 3.11., 9.12.
        o.kopfKlicken(1);
        QCOMPARE(o.texte(), (QStringList{u("Anfangsbestand"), u("Spende Jugend"), u("Kuchen"),
                                         u("Hallenmiete"), u("Kontogebuehr"), QString()}));
        // A second click reverses; the empty row for new bookings stays last.
        o.kopfKlicken(1);
        QCOMPARE(o.texte(), (QStringList{u("Kontogebuehr"), u("Hallenmiete"), u("Kuchen"),
                                         u("Spende Jugend"), u("Anfangsbestand"), QString()}));
        // Amounts by value, not by text: 12.50 < 30.00 < 250.00 < 500.00 < 1000.00.
        o.kopfKlicken(4);
        QCOMPARE(o.texte(), (QStringList{u("Kuchen"), u("Kontogebuehr"), u("Hallenmiete"),
                                         u("Anfangsbestand"), u("Spende Jugend"), QString()}));
        o.ausloesen("tabelleNeu");
        QCOMPARE(o.texte(), datei);
    }

    void kontostaendeRealUndMitPlanungenNachJederBuchung() {
        Offen o;
        auto* m = o.t().kontostaende();
        auto zeile = [m](int r) {
            QStringList l;
            for (int c = 0; c < m->columnCount(); ++c)
                l << m->index(r, c).data().toString().trimmed();
            return l;
        };
        QVERIFY(o.t().kontostandAnsicht()->isVisibleTo(&o.t()));
        QCOMPARE(m->rowCount(), 3);
        // Kasse: 500 - 250 + 12.50; Giro: 1000, planned fee 30 only in the second column.
        QCOMPARE(zeile(0), (QStringList{u("1: Kasse"), u("262.50"), u("262.50")}));
        QCOMPARE(zeile(1), (QStringList{u("2: Giro"), u("1000.00"), u("970.00")}));
        QCOMPARE(zeile(2), (QStringList{u("Kasse gesamt"), u("1262.50"), u("1232.50")}));
        // A deletion is reflected at once.
        o.t().zeileWaehlen(2);
        o.f->person.antworte(Knopf::Ja);
        o.ausloesen("loeschen");
        QCOMPARE(zeile(1), (QStringList{u("2: Giro"), u("0.00"), u("-30.00")}));
        o.f->form->resize(900, 600);
        bild(*o.f->form, u("kontostaende.png"));
    }

    void rueckgaengigEinerLoeschungStelltDateiUndIndizesWiederHer() {
        Offen o;
        const auto vorher = dateistand(o.s());
        o.t().zeileWaehlen(1);
        o.f->person.antworte(Knopf::Ja);
        o.ausloesen("loeschen");
        QVERIFY(o.saetzeGeloescht(1));
        o.t().zeileWaehlen(4);
        o.f->form->show();
        o.f->form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(o.f->form.get()));
        QTest::keySequence(o.t().ansicht(), QKeySequence::Undo);
        QCOMPARE(ersterUnterschied(dateistand(o.s()), vorher), -1);
        // The undone row is the selected one and shows the record again.
        QCOMPARE(o.t().ausgewaehlteZeile(), 1);
        QCOMPARE(o.t().modell()->zeile(1)[3], std::string("Hallenmiete"));
        QVERIFY(o.t().rueckgaengig().leer());
    }

    void rueckgaengigInSortierterTabelleZeigtDieZeile() {
        std::vector<zalvor::TBuchung> viele;
        for (int i = 1; i <= 80; ++i)
            viele.push_back(buchung({.bunr = std::to_string(i), .betrag = 10.0L * i}));
        Offen o(viele);
        o.f->form->resize(900, 500);
        o.f->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(o.f->form.get()));
        o.kopfKlicken(4); // by amount: the largest at the bottom
        o.t().zeileWaehlen(79);
        o.f->person.antworte(Knopf::Ja);
        o.ausloesen("loeschen");
        QVERIFY(o.saetzeGeloescht(79));
        o.ausloesen("rueckgaengig");
        QVERIFY(!o.saetzeGeloescht(79));
        // The restored row went back to the bottom of the sorted view, and the view with it.
        QTableView* ansicht = o.t().ansicht();
        QCOMPARE(o.t().ausgewaehlteZeile(), 79);
        QVERIFY(
            ansicht->viewport()->rect().intersects(ansicht->visualRect(ansicht->currentIndex())));
    }

    void rueckgaengigEinerAenderungSchreibtDenAltenSatzZurueck() {
        Offen o;
        const auto vorher = dateistand(o.s());
        o.t().zeileWaehlen(2);
        Dialogablauf ablauf;
        ablauf.dann("Einnahme ändern", [](QDialog& d) {
            auto& dlg = static_cast<zalvor::gui::TBuchungsDlg&>(d);
            // A lower amount and another day move the record in the amount and date indexes.
            tippen(dlg.EZBetrag, u("7"));
            tippen(dlg.EditTag, u("2"));
            QTest::keyClick(dlg.EZBetrag, Qt::Key_Return);
        });
        o.ausloesen("anzeigenAendern");
        QVERIFY2(ablauf.fertig(), qPrintable(ablauf.unerwartet().join(", ")));
        QVERIFY(dateistand(o.s()) != vorher);
        o.ausloesen("rueckgaengig");
        QCOMPARE(ersterUnterschied(dateistand(o.s()), vorher), -1);
    }

    void rueckgaengigEinerNeuenBuchungLoeschtSieUndNeuesteZuerst() {
        Offen o;
        o.f->person.antworte(Knopf::Eigen1);
        Dialogablauf ablauf;
        ablauf.dann("Einnahme buchen", [](QDialog& d) {
            auto& dlg = static_cast<zalvor::gui::TBuchungsDlg&>(d);
            waehlen(dlg.CBKonto, u("1: Kasse"));
            waehlen(dlg.CBTyp, u(" 1: Spenden"));
            // The text field completes from the texts the file holds.
            QCompleter* c = dlg.CBText->completer();
            QVERIFY(c);
            c->setCompletionPrefix(u("spe"));
            QCOMPARE(c->currentCompletion(), u("Spende Jugend"));
            tippen(dlg.CBText->lineEdit(), u("Neu"));
            tippen(dlg.EZBetrag, u("5"));
            QTest::keyClick(dlg.EZBetrag, Qt::Key_Return);
        });
        o.ausloesen("buchen");
        QVERIFY2(ablauf.fertig(), qPrintable(ablauf.unerwartet().join(", ")));
        o.t().zeileWaehlen(3);
        o.f->person.antworte(Knopf::Ja);
        o.ausloesen("loeschen");
        QCOMPARE(o.t().rueckgaengig().groesse(), std::size_t{2});
        // Newest first: the deletion, then the new booking.
        o.ausloesen("rueckgaengig");
        QVERIFY(!o.saetzeGeloescht(3));
        QVERIFY(!o.saetzeGeloescht(5));
        o.ausloesen("rueckgaengig");
        QVERIFY(o.saetzeGeloescht(5));
        QCOMPARE(o.t().modell()->zeile(5)[2], std::string("* gel\xF6scht *"));
        // Nothing left: a further undo changes nothing.
        const auto stand = dateistand(o.s());
        o.ausloesen("rueckgaengig");
        QVERIFY(dateistand(o.s()) == stand);
    }

    void andereDateiLeertDieRueckgaengigListe() {
        Offen o;
        o.t().zeileWaehlen(1);
        o.f->person.antworte(Knopf::Ja);
        o.ausloesen("loeschen");
        QVERIFY(!o.t().rueckgaengig().leer());
        dateiAnlegen(o.tmp.datei("Andere"), "26", fuenfBuchungen(), zweiKonten());
        o.f->form->dateiOeffnen(QString::fromStdString(o.tmp.datei("Andere") + ".26"));
        QVERIFY(o.t().rueckgaengig().leer());
    }

    void zuletztGeoeffnetHaeltAchtNeuesteZuerst() {
        Offen o;
        zalvor::test::TempVerzeichnis weitere;
        for (int i = 1; i <= 9; ++i) {
            const std::string b = weitere.datei("Club" + std::to_string(i));
            dateiAnlegen(b, "26", {buchung(Neu{})}, zweiKonten());
            QCOMPARE(o.f->form->dateiOeffnen(QString::fromStdString(b + ".26")),
                     zalvor::OeffnenErgebnis::Geoeffnet);
        }
        // Club1 was opened again: it moves to the top and is not listed twice.
        o.f->form->dateiOeffnen(QString::fromStdString(weitere.datei("Club1") + ".26"));
        const QStringList liste = zalvor::gui::zuletztGeoeffnet();
        QCOMPARE(liste.size(), 8);
        QVERIFY(liste[0].endsWith(u("Club1.26")));
        QVERIFY(liste[1].endsWith(u("Club9.26")));
        QCOMPARE(liste.filter(u("Club1.26")).size(), 1);

        // The menu entry opens the club as the open command does.
        auto* menue = o.f->form->findChild<QMenu*>("zuletzt");
        QVERIFY(menue);
        emit menue->aboutToShow();
        QCOMPARE(menue->actions().size(), 8);
        QVERIFY(menue->actions()[1]->text().startsWith(u("&2 ")));
        menue->actions()[1]->trigger();
        QVERIFY(QString::fromStdString(o.s().verein.datei.dateiname()).endsWith(u("Club9.26")));
    }

    void oeffnenBeginntImOrdnerDesLetztenVereinsOhneSicherungen() {
        Offen o;
        // A reorganisation backup beside the club.
        std::ofstream(o.tmp.datei("~Verein.26")) << "x";
        const QString ordner = QString::fromStdString(o.tmp.pfad());
        Dialogablauf ablauf;
        QStringList namen;
        QString start;
        ablauf.dann(u("Datei öffnen"), [&](QDialog& d) {
            auto& dlg = static_cast<QFileDialog&>(d);
            start = dlg.directory().absolutePath();
            auto* ansicht = dlg.findChild<QAbstractItemView*>("listView");
            QVERIFY(ansicht);
            QTRY_VERIFY(ansicht->model()->rowCount(ansicht->rootIndex()) > 0);
            for (int r = 0; r < ansicht->model()->rowCount(ansicht->rootIndex()); ++r)
                namen << ansicht->model()->index(r, 0, ansicht->rootIndex()).data().toString();
            dlg.reject();
        });
        o.ausloesen("oeffnen");
        QVERIFY(ablauf.fertig());
        QCOMPARE(start, QDir(ordner).absolutePath());
        QVERIFY2(namen.contains(u("Verein.26")), qPrintable(namen.join(", ")));
        QVERIFY2(!namen.contains(u("~Verein.26")), qPrintable(namen.join(", ")));
    }

    void spaltenbreitenBleibenErhaltenUndTextSpalteWaechst() {
        Offen o;
        o.f->form->resize(800, 500);
        o.f->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(o.f->form.get()));
        QTableView* a = o.t().ansicht();
        const int text = a->columnWidth(3);
        o.f->form->resize(1100, 500);
        QTRY_VERIFY(a->columnWidth(3) > text);
        a->horizontalHeader()->resizeSection(0, 90);
        o.f = std::make_unique<Fenster>();
        QCOMPARE(o.t().ansicht()->columnWidth(0), 90);
    }
};

QTEST_MAIN(KomfortTest)
#include "komfort_test.moc"
