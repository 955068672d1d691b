// Main window: enabling before and after a file, account items, status bar, the open command.
#include "guitesthilfen.h"

#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "gui/bank/bankhilfe.h"
#include "gui/common/hilfeaufruf.h"
#include "gui/files/dialoghilfe.h"
#include "gui/mainwindow/buchungsmodell.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/mainwindow/hilfe.h"
#include "gui/members/mitgliederhilfe.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <fstream>

using namespace zalvor;
using namespace zalvor::guitest;

namespace {

// Items reached only through a file; each is enabled after opening exactly when its
// subsystem has wired it.
const char* const kErstMitDatei[] = {
    "naechstesJahr",   "reorganisieren", "codeschutz",       "buchen",    "umbuchen",
    "anzeigenAendern", "loeschen",       "schablonen",       "eaListe",   "jahresabschluss",
    "sollIst",         "optionenMwst",   "optionenWaehrung", "tabelleNeu"};

bool menueAn(zalvor::gui::TMainForm& form, const char* name) {
    return form.menuBar()->findChild<QMenu*>(name)->menuAction()->isEnabled();
}

} // namespace

class HauptfensterTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string pfad(const char* name) { return (dir_.path() + "/" + name).toStdString(); }

  private slots:
    void jederDialogHatSeinHilfethema() {
        using namespace zalvor::gui;
        for (int kontext :
             {kHilfeBuchung, kHilfeUmbuchung, kHilfeMwSt, kHilfeWaehrung, kHilfeEuroSymbol,
              kHilfeEinstellungen, kHilfeSortieren, kHilfeAnfangsbestaende, kHilfeNaechstesJahr,
              kHilfeKontoauszug, kHilfeLastschrift, 1, 18, 19, 26, 40})
            QVERIFY2(hilfethema(kontext) != nullptr, qPrintable(QString::number(kontext)));
    }

    void vorDemOeffnenNurDateibefehle() {
        Fenster f;
        for (const char* id : {"oeffnen", "verlassen", "voriges", "naechstes", "hilfe",
                               "hilfeIndex", "hilfeZurHilfe", "hilfeSchliessen", "about"})
            QVERIFY2(f.form->aktion(id)->isEnabled(), id);
        for (const char* id : kErstMitDatei)
            QVERIFY2(!f.form->aktion(id)->isEnabled(), id);
        for (const char* m : {"buchungen", "mitglieder", "listen", "abschluss"})
            QVERIFY2(!menueAn(*f.form, m), m);
        QVERIFY(menueAn(*f.form, "datei"));
        QVERIFY(menueAn(*f.form, "optionen"));
        // Unknown ids fail loudly instead of silently wiring nothing.
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.form->aktion("gibtsNicht"));
    }

    void nachDemOeffnenFreigegeben() {
        dateiAnlegen(pfad("verein"), "26", {buchung({})});
        Fenster f;
        QSignalSpy wechsel(f.form.get(), &gui::TMainForm::dateiWirdGewechselt);
        QSignalSpy geoeffnet(f.form.get(), &gui::TMainForm::dateiGeoeffnet);
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(pfad("verein.26"))),
                 OeffnenErgebnis::Geoeffnet);
        QCOMPARE(wechsel.count(), 1);
        QCOMPARE(geoeffnet.count(), 1);
        for (const char* id : kErstMitDatei)
            QVERIFY2(f.form->aktion(id)->isEnabled() == f.form->verdrahtet(id), id);
        for (const char* id : {"reorganisieren", "tabelleNeu", "loeschen"})
            QVERIFY2(f.form->aktion(id)->isEnabled(), id);
        for (const char* m : {"buchungen", "mitglieder", "listen", "abschluss"})
            QVERIFY2(menueAn(*f.form, m), m);
        QCOMPARE(f.form->tabelle()->windowTitle(), QString::fromStdString(pfad("verein.26")));
        QCOMPARE(f.form->tabelle()->hilfeKontext(), 1);
        QVERIFY(f.person.meldungen().empty());
    }

    void nichtGebauteTeileBleibenGesperrtBisSieVerdrahtetSind() {
        dateiAnlegen(pfad("teile"), "26", {});
        Fenster f;
        f.form->dateiOeffnen(QString::fromStdString(pfad("teile.26")));
        if (!f.form->verdrahtet("monatsabschluss"))
            QVERIFY(!f.form->aktion("monatsabschluss")->isEnabled());
        int laeufe = 0;
        f.form->verdrahten("monatsabschluss", [&] { ++laeufe; });
        QVERIFY(f.form->aktion("monatsabschluss")->isEnabled());
        f.form->aktion("monatsabschluss")->trigger();
        QCOMPARE(laeufe, 1);
    }

    void mitgliederpunkteFolgenDerMitgliederdatei() {
        dateiAnlegen(pfad("mitglieder"), "26", {});
        Fenster f;
        for (const char* id : {"mitgliederListe", "mitgliedNeu", "beitraegeBuchen"})
            f.form->verdrahten(id, [] {});
        f.form->dateiOeffnen(QString::fromStdString(pfad("mitglieder.26")));
        QVERIFY(f.form->aktion("mitgliederListe")->isEnabled());
        f.form->mitgliederFreigeben(false);
        QVERIFY(!f.form->aktion("mitgliederListe")->isEnabled());
        QVERIFY(!f.form->aktion("beitraegeBuchen")->isEnabled());
        QVERIFY(f.form->aktion("mitgliedNeu")->isEnabled());
        // A later enabling of all items keeps the empty member file's items off.
        f.form->nachDemOeffnenFreigeben();
        QVERIFY(!f.form->aktion("mitgliederListe")->isEnabled());
        f.form->mitgliederFreigeben(true);
        QVERIFY(f.form->aktion("mitgliederListe")->isEnabled());
    }

    void nurLesenSperrtDieAenderndenBefehle() {
        dateiAnlegen(pfad("lesen"), "26", {buchung({})});
        Fenster f;
        for (const char* id : {"buchen", "anzeigenAendern", "mitgliedNeu", "mitgliederListe"})
            f.form->verdrahten(id, [] {});
        f.form->dateiOeffnen(QString::fromStdString(pfad("lesen.26")));
        f.form->sitzung().verein.nurLesen = true;
        f.form->sitzung().verein.mitgliederVorhanden = true; // member items need members
        f.form->nachDemOeffnenFreigeben();
        for (const char* id :
             {"buchen", "loeschen", "reorganisieren", "naechstesJahr", "codeschutz", "mitgliedNeu"})
            QVERIFY2(!f.form->aktion(id)->isEnabled(), id);
        QVERIFY(!menueAn(*f.form, "buchungen"));
        // Looking at a booking and at the member list stays possible.
        QVERIFY(f.form->aktion("anzeigenAendern")->isEnabled());
        QVERIFY(f.form->aktion("mitgliederListe")->isEnabled());
        QVERIFY(f.form->aktion("tabelleNeu")->isEnabled());
    }

    void kontenlistenHeissenWieDieKonten() {
        TDefinitionen def;
        for (int n = 1; n <= 9; ++n)
            def.konten[static_cast<std::size_t>(n)] = "unbenannt";
        def.konten[2] = "Kasse";
        def.konten[3] = "Giro & Co";
        def.konten[5] = "Bank\x81"; // DOS form of "Banků"
        dateiAnlegen(pfad("konten"), "26", {}, def);
        Fenster f;
        for (int n = 1; n <= 9; ++n)
            f.form->verdrahten(QString("kontenliste%1").arg(n), [] {});
        // Before a file only account 1 is offered.
        QVERIFY(f.form->aktion("kontenliste1")->isEnabled());
        QVERIFY(!f.form->aktion("kontenliste2")->isEnabled());
        QCOMPARE(f.form->aktion("kontenliste1")->text(), QString("1"));

        f.form->dateiOeffnen(QString::fromStdString(pfad("konten.26")));
        QCOMPARE(f.form->aktion("kontenliste1")->text(), QString("unbenannt"));
        QVERIFY(!f.form->aktion("kontenliste1")->isEnabled());
        QCOMPARE(f.form->aktion("kontenliste2")->text(), QString("Kasse"));
        QVERIFY(f.form->aktion("kontenliste2")->isEnabled());
        QCOMPARE(f.form->aktion("kontenliste3")->text(), QString("Giro && Co"));
        QVERIFY(f.form->aktion("kontenliste3")->isEnabled());
        QCOMPARE(f.form->aktion("kontenliste5")->text(),
                 QString::fromStdString(ansiNachUtf8(OemNachAnsi("Bank\x81"))));
        QVERIFY(!f.form->aktion("kontenliste9")->isEnabled());
    }

    void statuszeileOhneUndMitDatei() {
        Fenster f;
        QCOMPARE(f.form->statuszeile(),
                 QStringList{u("Öffnen Sie eine Datei oder erstellen Sie eine neue...")});
        std::vector<TBuchung> saetze(123, buchung({}));
        dateiAnlegen(pfad("gross"), "26", saetze);
        f.form->dateiOeffnen(QString::fromStdString(pfad("gross.26")));
        QCOMPARE(f.form->statuszeile(), (QStringList{"", "", "", u("  123 Datensätze")}));
        // Templates and a code word file show up after the next update.
        std::ofstream(pfad("gross.SBD")).put('x');
        std::ofstream(pfad("gross.PWD")) << "x\r\n";
        f.form->aktion("tabelleNeu")->trigger();
        QCOMPARE(f.form->statuszeile(),
                 (QStringList{"", "Schablonen", "Code", u("  123 Datensätze")}));
        // Each panel holds its longest text whole in the program's font.
        const QStringList laengste{"Planvorgaben", "Schablonen", "Code"};
        for (int i = 0; i < 3; ++i) {
            auto* feld = f.form->findChild<QLabel*>(QString("statusFeld%1").arg(i));
            QVERIFY(feld->contentsRect().width() >=
                    feld->fontMetrics().horizontalAdvance(laengste[i]));
        }
    }

    void oeffnenOhneEndungNimmtDasAktiveJahr() {
        dateiAnlegen(pfad("ohne"), "26", {buchung({}), buchung({})});
        Fenster f;
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(pfad("ohne"))),
                 OeffnenErgebnis::Geoeffnet);
        QCOMPARE(f.form->sitzung().verein.datei.jahr, std::string("26"));
        QCOMPARE(f.form->tabelle()->windowTitle(), QString::fromStdString(pfad("ohne.26")));
    }

    void sicherungskopieWirdAbgelehnt() {
        dateiAnlegen(pfad("~erein"), "26", {buchung({})});
        Fenster f;
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(pfad("~erein.26"))),
                 OeffnenErgebnis::NameAbgelehnt);
        const auto m = f.person.meldungen();
        QCOMPARE(m.size(), std::size_t(1));
        QCOMPARE(m[0].titel, std::string("Fehler!"));
        QCOMPARE(m[0].text, std::string("Dateien, die mit ~ beginnen, können nicht geladen "
                                        "werden! Sie sind i.A. Sicherungskopien einer "
                                        "Reorganisation, für die keine Definitionsdatei "
                                        "besteht!"));
        QCOMPARE(m[0].symbol, Symbol::Fehler);
        QVERIFY(!f.form->dateiOffen());
        QCOMPARE(f.form->tabelle()->windowTitle(), u("keine Datei geöffnet"));
        QVERIFY(!f.form->aktion("reorganisieren")->isEnabled());
    }

    void fremdeEndungWirdAbgelehnt() {
        Fenster f;
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(pfad("verein.ab"))),
                 OeffnenErgebnis::NameAbgelehnt);
        const auto m = f.person.meldungen();
        QCOMPARE(m.size(), std::size_t(1));
        QCOMPARE(m[0].text, std::string("Es handelt sich hier NICHT um eine Buchungsdatei!"));
        QCOMPARE(m[0].titel, std::string("Fehler!"));
        QVERIFY(!f.form->dateiOffen());
    }

    void fehlendeDateiAendertNichts() {
        Fenster f;
        QCOMPARE(f.form->dateiOeffnen(QString::fromStdString(pfad("fehlt.25"))),
                 OeffnenErgebnis::NichtVorhanden);
        QVERIFY(f.person.meldungen().empty());
        QVERIFY(!f.form->dateiOffen());
        QCOMPARE(f.form->sitzung().verein.datei.jahr, std::string("26"));
    }

    void fehlergrenzeMeldetUndMachtWeiter() {
        Fenster f;
        f.form->befehl([] { throw EAFehler(5, "x"); });
        f.form->befehl([] { throw BefehlAbgebrochen(); });
        f.form->befehl([] { throw UeberlaufFehler(); });
        const auto m = f.person.meldungen();
        QCOMPARE(m.size(), std::size_t(2));
        QCOMPARE(m[0].titel, std::string("Zalvor 4.5"));
        QCOMPARE(m[0].text, std::string("E/A-Fehler 5"));
        QCOMPARE(m[0].symbol, Symbol::Stopp);
        QCOMPARE(m[1].text, std::string("Gleitkommaüberlauf"));
        QVERIFY(!f.form->programmBeendet());
        f.form->befehl([] { throw std::logic_error("kaputt"); });
        QCOMPARE(f.person.meldungen().back().text, std::string("Interner Fehler: kaputt"));
        f.form->befehl([] { throw ProgrammEnde(); });
        QVERIFY(f.form->programmBeendet());
    }

    void reorganisierenFuelltTabelleUndStatuszeileNeu() {
        std::vector<TBuchung> saetze;
        for (int i = 0; i < 10; ++i) {
            Neu n;
            n.bunr = std::to_string(i + 1);
            n.betrag = i % 3 == 1 ? 0 : 5;
            saetze.push_back(buchung(n));
        }
        dateiAnlegen(pfad("reorg"), "26", saetze);
        Fenster f;
        f.form->dateiOeffnen(QString::fromStdString(pfad("reorg.26")));
        QCOMPARE(f.form->tabelle()->modell()->rowCount(), 11);
        f.form->aktion("reorganisieren")->trigger();
        QCOMPARE(f.form->tabelle()->modell()->rowCount(), 8);
        QCOMPARE(f.form->tabelle()->modell()->zeile(2)[0], std::string("4"));
        QCOMPARE(f.form->statuszeile()[3], u("  7 Datensätze"));
        const auto m = f.person.meldungen();
        QVERIFY(!m.empty());
        QCOMPARE(m.back().titel, std::string("Fertig"));
    }

    void menuesUndTastenkuerzel() {
        Fenster f;
        const struct {
            const char* id;
            const char* text;
            QKeySequence taste;
        } tabelle[] = {
            {"buchen", "&Buchen...", QKeySequence(Qt::Key_F2)},
            {"umbuchen", "&Umbuchen...", QKeySequence(Qt::Key_F3)},
            {"loeschen", "&Löschen...", QKeySequence(Qt::Key_Delete)},
            {"schablonen", "&Schablonen...", QKeySequence(Qt::Key_F8)},
            {"eaListe", "E/&A-Liste", QKeySequence(Qt::Key_F4)},
            {"monatsabschluss", "&Monatsabschluß", QKeySequence(Qt::Key_F5)},
            {"jahresabschluss", "&Jahresabschluß", QKeySequence(Qt::Key_F6)},
            {"voriges", "&Voriges", QKeySequence(Qt::SHIFT | Qt::Key_F9)},
            {"naechstes", "&Nächstes", QKeySequence(Qt::Key_F9)},
            // Standard keys of desktop programs where the menu names none.
            {"oeffnen", "Ö&ffnen...", QKeySequence(QKeySequence::Open)},
            {"neu", "&Neu...", QKeySequence(QKeySequence::New)},
            {"verlassen", "&Verlassen", QKeySequence(Qt::CTRL | Qt::Key_Q)},
            {"suchen", "Tabelle &durchsuchen...", QKeySequence(QKeySequence::Find)},
            {"rueckgaengig", "&Rückgängig", QKeySequence(QKeySequence::Undo)},
            {"hilfe", "Hauptfenster-Hilfe", QKeySequence(QKeySequence::HelpContents)},
            {"tabelleNeu", "Tabelle neu zeichnen!", QKeySequence()},
            {"optionenWaehrung", "&Währung / Euro...", QKeySequence()},
        };
        for (const auto& z : tabelle) {
            QCOMPARE(f.form->aktion(z.id)->text(), u(z.text));
            QCOMPARE(f.form->aktion(z.id)->shortcut(), z.taste);
        }
        QStringList menues;
        for (QAction* a : f.form->menuBar()->actions())
            menues << a->text();
        QCOMPARE(menues, (QStringList{"&Datei", "&Buchungen", "&Mitglieder", "&Listen",
                                      u("&Abschluß"), "&Optionen", "&Fenster", "&Hilfe"}));
    }

    void tastenkuerzelWirkenInDerTabelle() {
        dateiAnlegen(pfad("tasten"), "26", {buchung({})});
        Fenster f;
        int buchen = 0;
        f.form->verdrahten("buchen", [&] { ++buchen; });
        f.form->dateiOeffnen(QString::fromStdString(pfad("tasten.26")));
        f.form->show();
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QWidget* ansicht = f.form->tabelle()->findChild<QWidget*>("StringGrid1");
        ansicht->setFocus();
        QTest::keyClick(ansicht, Qt::Key_F2);
        QCOMPARE(buchen, 1);
        f.person.antworte(Knopf::Nein);
        QTest::keyClick(ansicht, Qt::Key_Delete);
        QCOMPARE(f.person.meldungen().size(), std::size_t(1));
        QCOMPARE(f.person.meldungen()[0].text, std::string("Satz wirklich löschen?"));
    }

    void werkzeugleisteInGruppen() {
        Fenster f;
        auto* leiste = f.form->findChild<QToolBar*>("werkzeugleiste");
        QStringList hinweise;
        for (QAction* a : leiste->actions())
            hinweise << (a->isSeparator() ? "|" : a->toolTip());
        QCOMPARE(hinweise,
                 (QStringList{u("Datei öffnen"), u("Datei-Liste öffnen"), "|", "Neue Buchung",
                              "Umbuchung", u("Anzeigen/Ändern"), u("Satz löschen"), "Schablonen",
                              "|", "E/A-Liste", u("Jahresabschluß"),
                              "Soll-Ist-Vergleich (Planvorgaben)", "|", "Voriges Fenster",
                              u("Nächstes Fenster"), "|", "Hilfe", "Hilfe-Index", "Verlassen"}));
        for (QAction* a : leiste->actions())
            QVERIFY(a->isSeparator() || !a->icon().isNull());
    }

    void fenstermenueZeigtDieKindfenster() {
        dateiAnlegen(pfad("fenster"), "26", {});
        Fenster f;
        f.form->dateiOeffnen(QString::fromStdString(pfad("fenster.26")));
        emit f.form->fenstermenue()->aboutToShow();
        QStringList eintraege;
        for (QAction* a : f.form->fenstermenue()->actions())
            if (!a->isSeparator()) eintraege << a->text();
        QCOMPARE(eintraege.size(), 3);
        QVERIFY(eintraege[2].endsWith(QString::fromStdString(pfad("fenster.26"))));
        // Showing the menu again does not pile up entries.
        emit f.form->fenstermenue()->aboutToShow();
        QCOMPARE(f.form->fenstermenue()->actions().size(), 4);
    }

    void hilfeZeigtDasThemaDerTabelle() {
        Fenster f;
        // Dialogs reach the help through the main window.
        gui::hilfeAufrufen(40);
        QCOMPARE(f.form->hilfe()->aktuellerKontext(), 40);
        f.form->aktion("hilfe")->trigger();
        QCOMPARE(f.form->hilfe()->aktuellerKontext(), 18);
        for (int kontext : {1, 16, 18, 19, 21, 26, 32, 40}) {
            f.form->hilfeZeigen(kontext);
            QCOMPARE(f.form->hilfe()->aktuellerKontext(), kontext);
        }
        f.form->aktion("hilfeSchliessen")->trigger();
        QVERIFY(!f.form->hilfe()->isVisible());
    }
};

QTEST_MAIN(HauptfensterTest)
#include "hauptfenster_test.moc"
