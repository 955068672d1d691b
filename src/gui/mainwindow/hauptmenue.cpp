// The main window's menus, tool bar and status bar, and the commands it runs itself.
#include "gui/common/qtext.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/mainwindow/hilfe.h"
#include "gui/mainwindow/symbole.h"

#include "core/files/reorganisation.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

namespace zalvor::gui {

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

QAction* TMainForm::neueAktion(QMenu* menue, const QString& id, const QString& text,
                               const QKeySequence& taste) {
    auto* a = new QAction(text, this);
    a->setObjectName(id);
    if (!taste.isEmpty()) a->setShortcut(taste);
    a->setEnabled(false);
    menue->addAction(a);
    aktionen_.insert(id, a);
    return a;
}

void TMainForm::menuesAnlegen() {
    QMenuBar* leiste = menuBar();
    auto menue = [&](const char* id, const char* text) {
        QMenu* m = leiste->addMenu(u(text));
        m->setObjectName(id);
        menues_.insert(id, m);
        return m;
    };
    auto spaeter = [&](QAction* a) { erstNachOeffnen_.insert(a->objectName()); };

    QMenu* datei = menue("datei", "&Datei");
    neueAktion(datei, "neu", u("&Neu..."), QKeySequence::New);
    spaeter(neueAktion(datei, "naechstesJahr", u("Nächstes &Jahr...")));
    neueAktion(datei, "oeffnen", u("Ö&ffnen..."), QKeySequence::Open);
    spaeter(neueAktion(datei, "reorganisieren", u("&Reorganisieren")));
    QMenu* dateiliste = datei->addMenu(u("&Dateiliste"));
    dateiliste->setObjectName("dateiliste");
    neueAktion(dateiliste, "dateilisteNeu", u("&Neu..."));
    neueAktion(dateiliste, "dateilisteOeffnen", u("Ö&ffnen..."));
    spaeter(neueAktion(datei, "codeschutz", u("Codeschutz...")));
    spaeter(neueAktion(datei, "kontoauszug", u("&Kontoauszug importieren...")));
    datei->addSeparator();
    neueAktion(datei, "verlassen", u("&Verlassen"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* buchungen = menue("buchungen", "&Buchungen");
    spaeter(neueAktion(buchungen, "buchen", u("&Buchen..."), QKeySequence(Qt::Key_F2)));
    spaeter(neueAktion(buchungen, "umbuchen", u("&Umbuchen..."), QKeySequence(Qt::Key_F3)));
    spaeter(neueAktion(buchungen, "anzeigenAendern", u("&Anzeigen/Ändern...")));
    spaeter(neueAktion(buchungen, "loeschen", u("&Löschen..."), QKeySequence(Qt::Key_Delete)));
    buchungen->addSeparator();
    neueAktion(buchungen, "planvorgaben", u("&Planvorgaben"));
    spaeter(neueAktion(buchungen, "schablonen", u("&Schablonen..."), QKeySequence(Qt::Key_F8)));
    buchungen->addSeparator();
    neueAktion(buchungen, "einstellungen", u("&Einstellungen..."));
    neueAktion(buchungen, "typengruppen", u("&Typengruppen..."));
    buchungen->addSeparator();
    spaeter(neueAktion(buchungen, "rueckgaengig", u("&Rückgängig"), QKeySequence::Undo));

    QMenu* mitglieder = menue("mitglieder", "&Mitglieder");
    spaeter(neueAktion(mitglieder, "mitgliederListe", u("Li&ste")));
    neueAktion(mitglieder, "mitgliedNeu", u("&Neu..."));
    spaeter(neueAktion(mitglieder, "mitgliedAnzeigen", u("&Anzeigen/Ändern...")));
    mitglieder->addSeparator();
    spaeter(neueAktion(mitglieder, "beitraegeBuchen", u("&Beiträge buchen...")));
    spaeter(neueAktion(mitglieder, "beitraegeReset", u("Beiträge &Reset...")));
    spaeter(neueAktion(mitglieder, "mitgliederEinstellungen", u("&Einstellungen")));
    mitglieder->addSeparator();
    spaeter(neueAktion(mitglieder, "glaeubigerdaten", u("&Gläubigerdaten...")));
    spaeter(neueAktion(mitglieder, "lastschrift", u("&Lastschrift erstellen...")));

    QMenu* listen = menue("listen", "&Listen");
    neueAktion(listen, "einfachliste", u("&Einfachliste"));
    spaeter(neueAktion(listen, "eaListe", u("E/&A-Liste"), QKeySequence(Qt::Key_F4)));
    QMenu* konten = listen->addMenu(u("&Kontenlisten"));
    konten->setObjectName("kontenlisten");
    for (int n = 1; n <= 9; ++n)
        neueAktion(konten, QString("kontenliste%1").arg(n), QString::number(n));
    konten->addSeparator();
    neueAktion(konten, "kontenlistenAlle", u("&Alle"));
    listen->addSeparator();
    neueAktion(listen, "sortieren", u("&Sortieren nach..."));

    QMenu* abschluss = menue("abschluss", "&Abschluß");
    neueAktion(abschluss, "monatsabschluss", u("&Monatsabschluß"), QKeySequence(Qt::Key_F5));
    spaeter(
        neueAktion(abschluss, "jahresabschluss", u("&Jahresabschluß"), QKeySequence(Qt::Key_F6)));
    spaeter(neueAktion(abschluss, "sollIst", u("&Soll-Ist (Planvorg.)")));
    abschluss->addSeparator();
    neueAktion(abschluss, "mwst", u("Mehrwerts&teuer..."));
    neueAktion(abschluss, "waehrung", u("&Währung / Euro..."));

    QMenu* optionen = menue("optionen", "&Optionen");
    neueAktion(optionen, "druckerEinstellungen", u("&Drucker Einstellungen..."));
    optionen->addSeparator();
    spaeter(neueAktion(optionen, "optionenMwst", u("Mehrwerts&teuer...")));
    spaeter(neueAktion(optionen, "optionenWaehrung", u("&Währung / Euro...")));
    neueAktion(optionen, "euroSymbol", u("&Euro-Symbol..."));
    spaeter(neueAktion(optionen, "bankkonten", u("&Bankkonten...")));
    spaeter(neueAktion(optionen, "zuordnungsregeln", u("&Zuordnungsregeln...")));
    optionen->addSeparator();
    spaeter(neueAktion(optionen, "tabelleNeu", u("Tabelle neu zeichnen!")));
    spaeter(neueAktion(optionen, "suchen", u("Tabelle &durchsuchen..."), QKeySequence::Find));

    fenstermenue_ = menue("fenster", "&Fenster");
    neueAktion(fenstermenue_, "voriges", u("&Voriges"), QKeySequence(Qt::SHIFT | Qt::Key_F9));
    neueAktion(fenstermenue_, "naechstes", u("&Nächstes"), QKeySequence(Qt::Key_F9));
    connect(fenstermenue_, &QMenu::aboutToShow, this, &TMainForm::fenstermenueAufbauen);

    QMenu* hilfe = menue("hilfe", "&Hilfe");
    neueAktion(hilfe, "hilfe", u("Hauptfenster-Hilfe"), QKeySequence::HelpContents);
    neueAktion(hilfe, "hilfeIndex", u("&Index"));
    neueAktion(hilfe, "hilfeZurHilfe", u("&Hilfe zur Hilfe"));
    neueAktion(hilfe, "hilfeSchliessen", u("Hilfe &schließen"));
    hilfe->addSeparator();
    neueAktion(hilfe, "about", u("&About"));

    // Whole menus that wait for the first file.
    for (const char* m : {"buchungen", "mitglieder", "listen", "abschluss"})
        menues_.value(m)->menuAction()->setEnabled(false);
}

void TMainForm::werkzeugleisteAnlegen() {
    QToolBar* leiste = addToolBar(u("Werkzeugleiste"));
    leiste->setObjectName("werkzeugleiste");
    leiste->setMovable(false);
    leiste->setIconSize(QSize(22, 22));
    struct Knopf {
        const char* hinweis;
        const char* id;
        Symbolbild bild;
    };
    const Knopf gruppen[][5] = {
        {{"Datei öffnen", "oeffnen", Symbolbild::Oeffnen},
         {"Datei-Liste öffnen", "dateilisteOeffnen", Symbolbild::Dateiliste}},
        {{"Neue Buchung", "buchen", Symbolbild::Buchen},
         {"Umbuchung", "umbuchen", Symbolbild::Umbuchen},
         {"Anzeigen/Ändern", "anzeigenAendern", Symbolbild::Aendern},
         {"Satz löschen", "loeschen", Symbolbild::Loeschen},
         {"Schablonen", "schablonen", Symbolbild::Schablonen}},
        {{"E/A-Liste", "eaListe", Symbolbild::EaListe},
         {"Jahresabschluß", "jahresabschluss", Symbolbild::Jahresabschluss},
         {"Soll-Ist-Vergleich (Planvorgaben)", "sollIst", Symbolbild::SollIst}},
        {{"Voriges Fenster", "voriges", Symbolbild::Voriges},
         {"Nächstes Fenster", "naechstes", Symbolbild::Naechstes}},
        {{"Hilfe", "hilfe", Symbolbild::Hilfe},
         {"Hilfe-Index", "hilfeIndex", Symbolbild::HilfeIndex},
         {"Verlassen", "verlassen", Symbolbild::Verlassen}},
    };
    bool erste = true;
    for (const auto& gruppe : gruppen) {
        if (!erste) leiste->addSeparator();
        erste = false;
        for (const auto& k : gruppe) {
            if (!k.id) break;
            QAction* a = aktion(k.id);
            a->setIcon(symbol(k.bild));
            a->setToolTip(u(k.hinweis));
            a->setStatusTip(u(k.hinweis));
            leiste->addAction(a);
            // The tool bar buttons of the table window wait for a file, even where their
            // menu item is reached only through a menu that is disabled as a whole.
            erstNachOeffnen_.insert(k.id);
        }
    }
    for (const char* frei : {"oeffnen", "dateilisteOeffnen", "voriges", "naechstes", "hilfe",
                             "hilfeIndex", "verlassen"})
        erstNachOeffnen_.erase(frei);
    setWindowIcon(symbol(Symbolbild::Programm));
}

void TMainForm::statusleisteAnlegen() {
    QStatusBar* leiste = statusBar();
    leiste->setSizeGripEnabled(true);
    hinweis_ = new QLabel(this);
    hinweis_->setObjectName("statusHinweis");
    leiste->addWidget(hinweis_, 1);
    const int breiten[4] = {80, 80, 40, 40};
    // The widths are meant for a small font: a panel grows until its longest text fits.
    const char* laengster[3] = {"Planvorgaben", "Schablonen", "Code"};
    for (int i = 0; i < 4; ++i) {
        felder_[i] = new QLabel(this);
        felder_[i]->setObjectName(QString("statusFeld%1").arg(i));
        felder_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i < 3) {
            const int text = felder_[i]->fontMetrics().horizontalAdvance(u(laengster[i]));
            felder_[i]->setFixedWidth(
                std::max(breiten[i], text + 2 * felder_[i]->frameWidth() + 8));
            felder_[i]->setAlignment(Qt::AlignCenter);
        } else {
            // The record count takes the rest of the bar, at least its given width.
            felder_[i]->setMinimumWidth(breiten[i]);
        }
        leiste->addWidget(felder_[i], i == 3 ? 1 : 0);
        felder_[i]->hide();
    }
    nurLesen_ = new QLabel(u("Nur lesen"), this);
    nurLesen_->setObjectName("statusNurLesen");
    nurLesen_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    nurLesen_->setAlignment(Qt::AlignCenter);
    leiste->addPermanentWidget(nurLesen_);
    nurLesen_->hide();
}

void TMainForm::eigeneBefehleVerdrahten() {
    verdrahten("oeffnen", [this] { oeffnenBefehl(); });
    verdrahten("reorganisieren", [this] {
        auto& s = sitzung();
        zalvor::reorganisieren(s.verein, s.person, false);
        tabelleFuellen(zalvor::TabellenModus::Voll);
        statuszeileAktualisieren();
    });
    verdrahten("tabelleNeu", [this] {
        tabelleFuellen(zalvor::TabellenModus::Voll);
        statuszeileAktualisieren();
    });
    verdrahten("loeschen", [this] { tabelle_->loeschen(); });
    verdrahten("optionenMwst", [this] { aktion("mwst")->trigger(); });
    verdrahten("optionenWaehrung", [this] { aktion("waehrung")->trigger(); });
    verdrahten("verlassen", [this] { close(); });
    verdrahten("voriges", [this] { mdi_->activatePreviousSubWindow(); });
    verdrahten("naechstes", [this] { mdi_->activateNextSubWindow(); });
    verdrahten("hilfe", [this] { hilfeZeigen(tabelle_->hilfeKontext()); });
    verdrahten("hilfeIndex", [this] { hilfe_->index(); });
    verdrahten("hilfeZurHilfe", [this] { hilfe_->hilfeZurHilfe(); });
    verdrahten("hilfeSchliessen", [this] { hilfe_->close(); });
    verdrahten("about", [this] {
        QMessageBox::about(
            this, u("About"),
            u("<h3>Zalvor 4.5</h3><p>Version 4.5</p>"
              "<p>Das Kassenbuch für den Kassenwart eines Vereins: Buchungen, Listen, "
              "Abschlüsse und Mitgliederbeiträge.</p>"));
    });
}

void TMainForm::fenstermenueAufbauen() {
    for (QAction* a : fenstermenue_->actions())
        if (a->property("fensterEintrag").toBool())
            fenstermenue_->removeAction(a), a->deleteLater();
    const auto fenster = mdi_->subWindowList();
    if (fenster.isEmpty()) return;
    QAction* trenner = fenstermenue_->addSeparator();
    trenner->setProperty("fensterEintrag", true);
    int nr = 1;
    for (QMdiSubWindow* f : fenster) {
        QString titel = f->windowTitle();
        auto* a =
            fenstermenue_->addAction(QString("&%1 %2").arg(nr++).arg(titel.replace("&", "&&")));
        a->setProperty("fensterEintrag", true);
        a->setCheckable(true);
        a->setChecked(f == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, f] { mdi_->setActiveSubWindow(f); });
    }
}

} // namespace zalvor::gui
