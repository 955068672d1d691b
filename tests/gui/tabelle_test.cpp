// Booking table: row texts of every kind of record, fill modes, deleting from the table.
#include "guitesthilfen.h"

#include "core/files/buchungsdatei.h"
#include "gui/mainwindow/buchungsmodell.h"
#include "gui/mainwindow/buchungstabelle.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace zalvor;
using namespace zalvor::guitest;

namespace {

QStringList zeile(gui::TMainTab& t, int z) {
    QStringList aus;
    for (int s = 0; s < 7; ++s)
        aus << t.modell()->index(z, s).data().toString();
    return aus;
}

QStringList kopf(gui::TMainTab& t) {
    QStringList aus;
    for (int s = 0; s < 7; ++s)
        aus << t.modell()->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString();
    return aus;
}

} // namespace

class TabelleTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString datei(const char* basis) { return dir_.path() + "/" + basis + ".26"; }
    std::string basis(const char* b) { return (dir_.path() + "/" + b).toStdString(); }

    std::vector<TBuchung> alleArten() {
        Neu geloescht;
        geloescht.bunr = "2";
        geloescht.betrag = 0;
        Neu ab;
        ab.bunr = "AB";
        ab.tag = 1;
        ab.monat = 1;
        ab.betrag = 1000;
        ab.kontoNach = 4;
        ab.text = "Anfangsbestand";
        Neu geplant;
        geplant.bunr = "9";
        geplant.einnahme = false;
        geplant.kontoVon = 2;
        geplant.kontoNach = 0;
        geplant.geplant = true;
        geplant.tag = 24;
        geplant.monat = 12;
        Neu umbuchung;
        umbuchung.bunr = "10";
        umbuchung.typ = 21;
        umbuchung.einnahme = false;
        umbuchung.kontoVon = 1;
        umbuchung.kontoNach = 2;
        umbuchung.text = "Bar auf Giro";
        Neu lebend;
        lebend.bunr = "7";
        lebend.betrag = 234.5L;
        lebend.text = "M\x81ller Beitrag"; // DOS form of "Müller"
        return {buchung(lebend), buchung(geloescht), buchung(ab), buchung(geplant),
                buchung(umbuchung)};
    }

  private slots:
    void vorDemOeffnen() {
        Fenster f;
        auto& t = *f.form->tabelle();
        QCOMPARE(t.windowTitle(), u("keine Datei geöffnet"));
        QCOMPARE(t.modell()->rowCount(), 1);
        QCOMPARE(t.hilfeKontext(), 18);
        const int breiten[] = {46, 53, 104, 245, 79, 27, 33};
        for (int s = 0; s < 7; ++s)
            QCOMPARE(t.ansicht()->columnWidth(s), breiten[s]);
        QVERIFY(t.ansicht()->editTriggers() == QAbstractItemView::NoEditTriggers);
        QCOMPARE(t.ansicht()->selectionBehavior(), QAbstractItemView::SelectRows);
        // Without a file the delete action does nothing and asks nothing.
        t.loeschen();
        QVERIFY(f.person.meldungen().empty());
    }

    void zeilenAllerArten() {
        dateiAnlegen(basis("arten"), "26", alleArten());
        Fenster f;
        QCOMPARE(f.form->dateiOeffnen(datei("arten")), OeffnenErgebnis::Geoeffnet);
        auto& t = *f.form->tabelle();
        QCOMPARE(t.modell()->rowCount(), 6);
        QCOMPARE(kopf(t), (QStringList{"BuNr", "Datum", "Typ", "Buchungstext", "Betrag (DM)", "E/A",
                                       "Kto"}));
        QCOMPARE(zeile(t, 0), (QStringList{"7", " 3.11.", "Sonstige", u("Müller Beitrag"),
                                           "   234.50", " E", " 1"}));
        QCOMPARE(zeile(t, 1),
                 (QStringList{"2", "--.--.", "* gelöscht *", "", " -------", " -", "---"}));
        QCOMPARE(zeile(t, 2),
                 (QStringList{"AB", " 1. 1.", "", "Anfangsbestand", "  1000.00", " -", " 4"}));
        QCOMPARE(zeile(t, 3),
                 (QStringList{"9", "24.12.", "Sonstige", "Spende", "    10.00", " A", "(2)"}));
        QCOMPARE(zeile(t, 4), (QStringList{"10", " 3.11.", "Umbuchung", "Bar auf Giro", "    10.00",
                                           " -", u("1»2")}));
        QCOMPARE(zeile(t, 5), (QStringList{"", "", "", "", "", "", ""}));
        // Decimal points line up when digits, blank and "." advance equally in the amount
        // column's font (whatever the machine reports as fixed pitch).
        const QFont betrag = t.modell()->index(0, 4).data(Qt::FontRole).value<QFont>();
        const QFontMetricsF fm(betrag);
        for (const QChar c : QStringLiteral("123456789 ."))
            QCOMPARE(fm.horizontalAdvance(c), fm.horizontalAdvance(QLatin1Char('0')));
    }

    void leereDateiZeigtNurDieLeereZeile() {
        dateiAnlegen(basis("leer"), "26", {});
        Fenster f;
        f.form->dateiOeffnen(datei("leer"));
        QCOMPARE(f.form->tabelle()->modell()->rowCount(), 1);
        QCOMPARE(kopf(*f.form->tabelle())[0], QString("BuNr"));
    }

    void anhaengenUndAuffrischen() {
        dateiAnlegen(basis("fuell"), "26", alleArten());
        Fenster f;
        f.form->dateiOeffnen(datei("fuell"));
        auto& t = *f.form->tabelle();
        auto& s = f.form->sitzung();

        Neu neu;
        neu.bunr = "11";
        neu.text = "Neu";
        neu.betrag = 1234567.5L;
        buchungAnhaengen(s.verein, s.person, buchung(neu), {});
        f.form->tabelleFuellen(TabellenModus::Anhaengen);
        QCOMPARE(t.modell()->rowCount(), 7);
        QCOMPARE(zeile(t, 5)[0], QString("11"));
        QCOMPARE(zeile(t, 5)[4], QString("1234567.50"));
        QCOMPARE(zeile(t, 6)[0], QString());

        // Refresh rewrites only the selected row from the file.
        Neu geaendert;
        geaendert.bunr = "7";
        geaendert.text = "Ge\x84ndert"; // DOS form of "Geändert"
        buchungUeberschreiben(s.verein.datei.dateiname(), 0, buchung(geaendert));
        buchungUeberschreiben(s.verein.datei.dateiname(), 3, buchung(geaendert));
        t.zeileWaehlen(0);
        f.form->tabelleFuellen(TabellenModus::Auffrischen);
        QCOMPARE(zeile(t, 0)[3], u("Geändert"));
        QCOMPARE(zeile(t, 3)[3], QString("Spende"));
        // Refreshing the empty last row reads nothing and changes nothing.
        t.zeileWaehlen(6);
        f.form->tabelleFuellen(TabellenModus::Auffrischen);
        QCOMPARE(t.modell()->rowCount(), 7);
        QVERIFY(f.person.meldungen().empty());

        // A full fill reads the whole file again.
        t.zeileWaehlen(4);
        f.form->aktion("tabelleNeu")->trigger();
        QCOMPARE(zeile(t, 3)[3], u("Geändert"));
        QCOMPARE(t.ausgewaehlteZeile(), 4);
    }

    void loeschenFragtUndSchreibtNull() {
        dateiAnlegen(basis("loesch"), "26", alleArten());
        Fenster f;
        f.form->dateiOeffnen(datei("loesch"));
        auto& t = *f.form->tabelle();
        const std::string name = f.form->sitzung().verein.datei.dateiname();

        // The empty last row: no question, no change.
        t.zeileWaehlen(5);
        f.form->aktion("loeschen")->trigger();
        QVERIFY(f.person.meldungen().empty());

        // "No" keeps the record.
        t.zeileWaehlen(0);
        f.person.antworte(Knopf::Nein);
        f.form->aktion("loeschen")->trigger();
        QVERIFY(!buchungLesen(name, 0).geloescht());
        QCOMPARE(zeile(t, 0)[2], QString("Sonstige"));

        f.person.antworte(Knopf::Ja);
        f.form->aktion("loeschen")->trigger();
        const auto m = f.person.meldungen();
        QCOMPARE(m.size(), std::size_t(2));
        QCOMPARE(m[1].titel, std::string("Löschen!"));
        QCOMPARE(m[1].text, std::string("Satz wirklich löschen?"));
        QCOMPARE(m[1].symbol, Symbol::Warnung);
        QVERIFY(buchungLesen(name, 0).geloescht());
        QCOMPARE(zeile(t, 0),
                 (QStringList{"7", "--.--.", "* gelöscht *", "", " -------", " -", "---"}));
        QCOMPARE(satzAnzahl(name), 5u);
        QCOMPARE(f.form->statuszeile()[3], u("  5 Datensätze"));
    }

    void popupMenueErstMitDatei() {
        dateiAnlegen(basis("popup"), "26", alleArten());
        Fenster f;
        auto& t = *f.form->tabelle();
        auto* popup = t.findChild<QMenu*>();
        QVERIFY(popup);
        emit t.ansicht()->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(!popup->isVisible());
        f.form->dateiOeffnen(datei("popup"));
        emit t.ansicht()->customContextMenuRequested(QPoint(5, 5));
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->defaultAction()->text(), u("&Anzeigen/Ändern"));
        QCOMPARE(popup->actions().at(1)->text(), u("&Löschen"));
        popup->hide();
    }

    void andereDateiBeginntOben() {
        dateiAnlegen(basis("erste"), "26", alleArten());
        dateiAnlegen(basis("zweite"), "26", {buchung({})});
        Fenster f;
        auto& t = *f.form->tabelle();
        f.form->dateiOeffnen(datei("erste"));
        t.zeileWaehlen(4);
        f.form->dateiOeffnen(datei("zweite"));
        QCOMPARE(t.ausgewaehlteZeile(), 0);
        QCOMPARE(t.modell()->rowCount(), 2);
        QCOMPARE(t.windowTitle(), datei("zweite"));
    }

    void unlesbareDateiLaesstDieTabelleStehen() {
        dateiAnlegen(basis("weg"), "26", alleArten());
        Fenster f;
        f.form->dateiOeffnen(datei("weg"));
        QFile::remove(datei("weg"));
        f.form->tabelleFuellen(TabellenModus::Voll);
        QCOMPARE(f.form->tabelle()->modell()->rowCount(), 6);
        QVERIFY(f.person.meldungen().empty());
    }

    void doppelklickUndEingabeRufenAnzeigenAendern() {
        dateiAnlegen(basis("klick"), "26", alleArten());
        Fenster f;
        int aufrufe = 0;
        f.form->verdrahten("anzeigenAendern", [&] { ++aufrufe; });
        auto& t = *f.form->tabelle();
        // Before a file nothing happens.
        QTest::keyClick(t.ansicht(), Qt::Key_Return);
        QCOMPARE(aufrufe, 0);
        f.form->dateiOeffnen(datei("klick"));
        t.zeileWaehlen(2);
        QTest::keyClick(t.ansicht(), Qt::Key_Return);
        QCOMPARE(aufrufe, 1);
        emit t.ansicht()->doubleClicked(t.modell()->index(1, 0));
        QCOMPARE(aufrufe, 2);
    }
};

QTEST_MAIN(TabelleTest)
#include "tabelle_test.moc"
