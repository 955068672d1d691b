// Every window kind printed the way a person prints it (print button, print options, preview,
// "Als PDF speichern") on the demo club, and the same printout from `zalvor-cli drucken`:
// both PDFs read back with pdftotext must carry the same text and page count.
#include "dialogablauf.h"
#include "guitesthilfen.h"

#include "cli/common/lauf.h"
#include "core/closing/dateilisteoeffnen.h"
#include "core/common/dateisystem.h"
#include "gui/closing/abschlussfenster.h"
#include "gui/closing/dateilistenfenster.h"
#include "gui/lists/listenfenster.h"
#include "gui/members/mitgliederlistenfenster.h"
#include "gui/printing/druckoptionendialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <sstream>

using namespace zalvor;
using namespace zalvor::guitest;
using zalvor::gui::TMainForm;

namespace {

// The command line in this process (it shares the settings store); its standard output, or a
// null string when it failed.
QString zalvorCli(const QStringList& argumente) {
    std::vector<std::string> a{"--heute", "2026-06-15"};
    for (const QString& s : argumente)
        a.push_back(s.toStdString());
    std::ostringstream out, err;
    if (cli::ausfuehren(a, out, err, "/nonexistent") != 0) return {};
    return QString::fromStdString(out.str());
}

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// pdftotext ends every page with a form feed.
int seiten(const QString& text) {
    return static_cast<int>(text.count(QLatin1Char('\f')));
}

struct Druckweg {
    const char* name;
    // Opens the window to print in the main window.
    std::function<void(TMainForm&, Dialogablauf&)> oeffnen;
    // Presses the window's print button.
    std::function<void()> drucken;
    // The caption of the print options' extra check box, empty while it is disabled.
    QString zusatzfeld;
    // DATEI is the file list instead of the booking file.
    bool dateiliste;
    QStringList cli; // after "drucken DATEI --pdf AUSGABE"
    QStringList texte;
};

gui::TListenWin* neuesteListe() {
    return gui::listenfenster().front().data();
}

void listendruck() {
    neuesteListe()->druckenAktion()->trigger();
}

void abschlussdruck() {
    gui::abschlussfenster().front()->druckenAktion()->trigger();
}

std::function<void(TMainForm&, Dialogablauf&)> menue(const char* id) {
    return [id](TMainForm& f, Dialogablauf&) { f.aktion(id)->trigger(); };
}

} // namespace

class DruckwegeTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString verein_;
    QString liste_;

  private slots:
    void initTestCase() {
        eigeneKonfiguration();
        // Waiting for the disk in every save would make the demo club take seconds.
        testhaken::ohneSynchronisation(true);
        const QString demo = dir_.path() + "/demo";
        verein_ = zalvorCli({"demo", demo}).trimmed();
        QVERIFY(verein_.endsWith("Sportverein.26"));
        liste_ = demo + "/Vereine.FL";
    }

    void jedesFensterDrucktWieDieKommandozeile_data() {
        QTest::addColumn<int>("fall");
        for (int i = 0; i < static_cast<int>(faelle().size()); ++i)
            QTest::newRow(faelle()[static_cast<std::size_t>(i)].name) << i;
    }

    void jedesFensterDrucktWieDieKommandozeile() {
        QFETCH(int, fall);
        const Druckweg& w = faelle()[static_cast<std::size_t>(fall)];
        Fenster f;
        QCOMPARE(f.form->dateiOeffnen(verein_), OeffnenErgebnis::Geoeffnet);
        f.form->resize(1000, 700);
        f.form->show();
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        Dialogablauf ablauf;
        w.oeffnen(*f.form, ablauf);

        const QString pdf = dir_.path() + "/" + w.name + ".pdf";
        QFile::remove(pdf);
        ablauf.dann(u("Druckoptionen"), [&w](QDialog& d) {
            auto& dlg = static_cast<gui::Tprintdlg&>(d);
            QCOMPARE(dlg.CBAnVon->isEnabled(), !w.zusatzfeld.isEmpty());
            if (!w.zusatzfeld.isEmpty()) QCOMPARE(dlg.CBAnVon->text(), w.zusatzfeld);
            QTest::mouseClick(dlg.BtnOk, Qt::LeftButton);
        });
        if (w.zusatzfeld.startsWith('"'))
            ablauf.dann(u("Bezahlt-Spalte"), [](QDialog& d) { QVERIFY(klicken(d, "[  ]  [X]")); });
        ablauf.dann(u("Druckvorschau"), [](QDialog& d) {
            QAction* alsPdf = d.findChild<QAction*>("alsPdf");
            QVERIFY(alsPdf);
            alsPdf->trigger();
            // A written PDF closes the preview.
            if (d.isVisible()) d.reject();
        });
        ablauf.dann(u("Als PDF speichern"), [pdf](QDialog& d) {
            static_cast<QFileDialog&>(d).selectFile(pdf);
            d.accept();
        });
        w.drucken();
        QVERIFY2(ablauf.fertig(), qPrintable(ablauf.gezeigt().join(", ")));
        QVERIFY2(ablauf.unerwartet().isEmpty(), qPrintable(ablauf.unerwartet().join(", ")));

        const QString desktop = pdfText(pdf);
        QVERIFY2(!desktop.isEmpty(), qPrintable(pdf));
        for (const QString& t : w.texte)
            QVERIFY2(desktop.contains(t), qPrintable(t));

        const QString cliPdf = dir_.path() + "/" + w.name + "-cli.pdf";
        QVERIFY(!zalvorCli(QStringList{"drucken", w.dateiliste ? liste_ : verein_, "--pdf", cliPdf}
                           << w.cli)
                     .isEmpty());
        const QString cli = pdfText(cliPdf);
        QCOMPARE(seiten(cli), seiten(desktop));
        QCOMPARE(cli, desktop);
    }

    // "Als PDF speichern" proposes the club and the report in the club's folder and appends
    // ".pdf" to a name typed without it.
    void alsPdfSchlaegtNamenVorUndHaengtEndungAn() {
        Fenster f;
        QCOMPARE(f.form->dateiOeffnen(verein_), OeffnenErgebnis::Geoeffnet);
        f.form->show();
        Dialogablauf ablauf;
        f.form->aktion("einfachliste")->trigger();
        QString vorschlag;
        const QString getippt = dir_.path() + "/bericht.v2";
        QFile::remove(getippt + ".pdf");
        ablauf.dann(u("Druckoptionen"), [](QDialog& d) {
            QTest::mouseClick(static_cast<gui::Tprintdlg&>(d).BtnOk, Qt::LeftButton);
        });
        ablauf.dann(u("Druckvorschau"), [](QDialog& d) {
            d.findChild<QAction*>("alsPdf")->trigger();
            if (d.isVisible()) d.reject();
        });
        ablauf.dann(u("Als PDF speichern"), [&](QDialog& d) {
            auto& datei = static_cast<QFileDialog&>(d);
            vorschlag = datei.selectedFiles().value(0);
            datei.selectFile(getippt);
            d.accept();
        });
        listendruck();
        QVERIFY2(ablauf.fertig(), qPrintable(ablauf.gezeigt().join(", ")));
        QCOMPARE(vorschlag,
                 QFileInfo(verein_).absolutePath() + u("/Sportverein - Listenübersicht.pdf"));
        QVERIFY(QFile::exists(getippt + ".pdf"));
    }

  private:
    static const std::vector<Druckweg>& faelle() {
        const QString anVon = u("An/&Von-Spalte");
        static const std::vector<Druckweg> f{
            {"einfach",
             menue("einfachliste"),
             listendruck,
             anVon,
             false,
             {"liste", "einfach"},
             {u("Listenübersicht für Datei: "), "Hallenmiete Sporthalle Nord"}},
            {"ea",
             menue("eaListe"),
             // Alt+R in the grid, as a person without a mouse prints.
             [] {
                 neuesteListe()->oberesRaster()->setFocus();
                 QTest::keyClick(neuesteListe()->oberesRaster(), Qt::Key_R, Qt::AltModifier);
             },
             anVon,
             false,
             {"liste", "ea"},
             {u("Ein/Aus - Liste für Datei: "), "Ausgaben:", "Einnahmen:"}},
            {"konto",
             menue("kontenliste1"),
             listendruck,
             anVon,
             false,
             {"liste", "konto", "1"},
             {u("Kontenliste \"Kasse\""), "Auszahlungen:", "Bareinzahlung Kasse"}},
            {"alle",
             menue("kontenlistenAlle"),
             listendruck,
             anVon,
             false,
             {"liste", "alle"},
             {"Alle Kontenlisten", "Kasse", "Girokonto", "Sparbuch"}},
            {"sollist",
             menue("sollIst"),
             listendruck,
             anVon,
             false,
             {"soll-ist"},
             {"Soll-Ist-Vergleich", "Ausgabetypen:", "Planv.(Soll)"}},
            {"abschluss",
             menue("jahresabschluss"),
             [] {
                 QWidget* w = gui::abschlussfenster().front();
                 w->setFocus();
                 QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
             },
             {},
             false,
             {"abschluss"},
             {u("Jahresabschluß 26 vom 15.6.26 (Datei: "), u("Kontenbestände:"),
              "Ausgabenbilanz:", "Einnahmenbilanz:", "Gewinn- / Verlustrechnung:"}},
            {"mehrdatei",
             [](TMainForm& fm, Dialogablauf&) {
                 const QString fl =
                     QFileInfo(QString::fromStdString(fm.sitzung().verein.datei.basisname))
                         .absolutePath() +
                     "/Vereine.FL";
                 const auto l = dateilisteLaden(festeWahl(fl.toStdString()), fm.person());
                 QVERIFY(l);
                 QTest::mouseClick(gui::dateilistenfensterZeigen(fm, *l)->BitBtnJahr,
                                   Qt::LeftButton);
             },
             abschlussdruck,
             {},
             true,
             {"mehrdateiabschluss"},
             {u("Mehr-Datei-Jahresabschluß 26 vom 15.6.26\n"), "Buchungs-Datei",
              "Jugendabteilung.26"}},
            {"mitglieder",
             [](TMainForm& fm, Dialogablauf& a) {
                 a.dann(u("Mitgliederliste"), [](QDialog& d) {
                     feld<QCheckBox>(d, "CB6")->setChecked(true);
                     feld<QCheckBox>(d, "CB7")->setChecked(true);
                     QVERIFY(klicken(d, "OK"));
                 });
                 fm.aktion("mitgliederListe")->trigger();
             },
             [] { gui::offeneMitgliederliste()->BtnDrucken->click(); },
             u("\"&freie\" Spalten in Schrift 2"),
             false,
             {"mitgliederliste", "--spalten", "beschreibung,betrag", "--bez-stil", "2"},
             {u("Mitgliederliste für Datei: "), "Beitragssatz", "[X]"}},
        };
        return f;
    }
};

QTEST_MAIN(DruckwegeTest)
#include "druckwege_test.moc"
