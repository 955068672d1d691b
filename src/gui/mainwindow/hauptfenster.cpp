// TMainForm: session, enabling of the commands, error boundary, opening a file.
#include "gui/mainwindow/hauptfenster.h"

#include "core/common/befehlsregeln.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/mainwindow/statuszeile.h"
#include "core/transaction/schreibtransaktion.h"
#include "gui/common/dialoglage.h"
#include "gui/common/hilfeaufruf.h"
#include "gui/common/oeffnendialog.h"
#include "gui/common/qtext.h"
#include "gui/common/qtperson.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/buchungstabelle.h"
#include "gui/mainwindow/hilfe.h"
#include "gui/mainwindow/zuletzt.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>

#include <stdexcept>

namespace zalvor::gui {

namespace {

// Items of "&Mitglieder" that follow whether the member file holds a member.
const std::set<QString> kMitgliederAbhaengig = {"mitgliederListe",         "mitgliedAnzeigen",
                                                "beitraegeBuchen",         "beitraegeReset",
                                                "mitgliederEinstellungen", "lastschrift"};

int kontenlisteNummer(const QString& id) {
    if (!id.startsWith("kontenliste") || id.size() != 12) return 0;
    const int n = id.back().digitValue();
    return n >= 1 && n <= 9 ? n : 0;
}

} // namespace

TMainForm::TMainForm(std::string programmVerzeichnis, const zalvor::Uhr& uhr,
                     zalvor::Person* person, QWidget* parent)
    : QMainWindow(parent) {
    if (!person) {
        eigenePerson_ = std::make_unique<QtPerson>(this);
        person = eigenePerson_.get();
    }
    person_ = person;
    sitzung_ = zalvor::sitzungAnlegen(*person_, uhr, std::move(programmVerzeichnis));
    sitzung_->oberflaeche = this;
    // One program per club: a second one opens the club read-only.
    sitzung_->sperrenBeimOeffnen = true;

    setWindowTitle(kHauptfensterTitel);
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    hilfe_ = std::make_unique<THilfe>();
    dialoglageMerken();
    hilfeAufrufSetzen([this](int kontext) { hilfeZeigen(kontext); });

    menuesAnlegen();
    werkzeugleisteAnlegen();
    statusleisteAnlegen();

    tabelle_ = new TMainTab(*sitzung_, aktion("anzeigenAendern"), aktion("loeschen"));
    QMdiSubWindow* fenster = mdi_->addSubWindow(tabelle_);
    fenster->setWindowIcon(windowIcon());
    fenster->showMaximized();

    eigeneBefehleVerdrahten();
    for (const auto& g : Befehlsgruppen::alle())
        if (g.verbinden) g.verbinden(*this);
    for (auto it = aktionen_.cbegin(); it != aktionen_.cend(); ++it)
        aktualisiereVerfuegbarkeit(it.key());
    statuszeileAktualisieren();
}

TMainForm::~TMainForm() {
    hilfeAufrufSetzen({});
    // The table talks to the session while it is destroyed with the window.
    sitzung_->oberflaeche = nullptr;
}

QAction* TMainForm::aktion(const QString& id) const {
    auto it = aktionen_.find(id);
    if (it == aktionen_.end())
        throw std::out_of_range("unbekannter Menübefehl: " + id.toStdString());
    return it.value();
}

void TMainForm::verdrahten(const QString& id, std::function<void()> handler) {
    QAction* a = aktion(id);
    QObject::disconnect(a, &QAction::triggered, this, nullptr);
    connect(a, &QAction::triggered, this,
            [this, handler = std::move(handler)] { befehl(handler); });
    verdrahtet_.insert(id);
    aktualisiereVerfuegbarkeit(id);
    // The "&Optionen" copies of VAT and currency follow their "&Abschluß" items.
    if (id == "mwst") aktualisiereVerfuegbarkeit("optionenMwst");
    if (id == "waehrung") aktualisiereVerfuegbarkeit("optionenWaehrung");
}

bool TMainForm::verdrahtet(const QString& id) const {
    if (id == "optionenMwst") return verdrahtet("mwst");
    if (id == "optionenWaehrung") return verdrahtet("waehrung");
    return verdrahtet_.count(id) > 0;
}

void TMainForm::aktualisiereVerfuegbarkeit(const QString& id) {
    QAction* a = aktion(id);
    const auto& s = *sitzung_;
    bool an = verdrahtet(id);
    if (erstNachOeffnen_.count(id)) an = an && s.dateiOffen;
    if (const int n = kontenlisteNummer(id))
        an = an && (s.dateiOffen ? s.verein.def.kontoBenannt(n) : n == 1);
    // Read-only mode takes away what the engine's rules refuse.
    QString regel = id == "optionenMwst" ? "mwst" : id == "optionenWaehrung" ? "waehrung" : id;
    if (kontenlisteNummer(id)) regel = "kontenliste";
    const auto art = zalvor::befehlsartZuId(regel.toStdString());
    if (s.verein.nurLesen && art && !zalvor::befehlVerfuegbar(s, *art)) an = false;
    if (kMitgliederAbhaengig.count(id) && a->property("mitgliederGesperrt").toBool()) an = false;
    a->setEnabled(an);
}

void TMainForm::befehl(const std::function<void()>& f) {
    // Whatever the command did to the active file, also when it ended midway, the status
    // bar shows the file as it is now.
    struct Auffrischen {
        TMainForm& f;
        ~Auffrischen() { f.statuszeileAktualisieren(); }
    } auffrischen{*this};
    auto& p = *person_;
    // All or nothing for each step: what the command changes is undone when it fails, and
    // kept as soon as the program waits for the person's next input.
    zalvor::Schreibtransaktion transaktion(*sitzung_);
    auto* qt = dynamic_cast<QtPerson*>(person_);
    transaktion.beimBeginn([this, qt] {
        if (qt) qt->ausgangZuruecksetzen();
        zwischenabschlussPlanen();
    });
    try {
        try {
            f();
        } catch (...) {
            transaktion.zuruecknehmen();
            throw;
        }
        if (!qt || qt->gemeldeterAusgang() == zalvor::Ausgang::Erledigt)
            transaktion.abschliessen();
        else
            transaktion.zuruecknehmen();
    } catch (const zalvor::EAFehler& e) {
        p.meldung(kProgrammTitel, "E/A-Fehler " + std::to_string(e.nummer()), Symbol::Stopp);
    } catch (const zalvor::BefehlAbgebrochen&) {
    } catch (const zalvor::UeberlaufFehler& e) {
        p.meldung(kProgrammTitel, e.what(), Symbol::Stopp);
    } catch (const zalvor::ProgrammEnde&) {
        programmBeendet_ = true;
        QTimer::singleShot(0, this, &QWidget::close);
    } catch (const std::bad_alloc&) {
        // A command that ran out of memory ends; the files are as far written as they got.
        p.meldung(kProgrammTitel, zalvor::A("Nicht genügend Arbeitsspeicher."), Symbol::Stopp);
    } catch (const std::exception& e) {
        // Any other failure ends only the command: everything written so far stays written,
        // and the window must not vanish with the person's work in view.
        p.meldung(kProgrammTitel, zalvor::A("Interner Fehler: ") + zalvor::utf8NachAnsi(e.what()),
                  Symbol::Stopp);
    }
}

void TMainForm::zwischenabschlussPlanen() {
    // A timer of 0 ms runs when an event loop (also a dialog's) next waits for input, that is
    // after the step the person started; while a message or question of that step is open,
    // the step is not complete yet.
    auto* qt = dynamic_cast<QtPerson*>(person_);
    QTimer::singleShot(qt && qt->imGespraech() ? 50 : 0, this, [this, qt] {
        auto* t = zalvor::Schreibtransaktion::laufende();
        if (!t) return;
        if (qt && qt->imGespraech()) {
            zwischenabschlussPlanen();
            return;
        }
        if (!qt || qt->gemeldeterAusgang() == zalvor::Ausgang::Erledigt)
            t->abschliessen();
        else
            t->zuruecknehmen();
    });
}

void TMainForm::tabelleFuellen(zalvor::TabellenModus modus) {
    if (tabelle_) tabelle_->fuellen(modus);
}

void TMainForm::tabellenTitel(const std::string& titel) {
    if (tabelle_) tabelle_->setWindowTitle(QString::fromStdString(titel));
}

QStringList TMainForm::statuszeile() const {
    if (!sitzung_->dateiOffen) return {hinweis_->text()};
    QStringList t;
    for (auto* f : felder_)
        t << f->text();
    return t;
}

void TMainForm::statuszeileAktualisieren() {
    // A hint still shown from a menu or button would cover the panels shown now.
    statusBar()->clearMessage();
    const bool offen = sitzung_->dateiOffen;
    hinweis_->setText(ausAnsi(zalvor::kStatusOhneDatei));
    hinweis_->setVisible(!offen);
    if (offen) {
        const auto texte = zalvor::statuszeilenTexte(sitzung_->verein);
        for (int i = 0; i < 4; ++i)
            felder_[i]->setText(ausAnsi(texte[static_cast<std::size_t>(i)]));
    }
    for (auto* f : felder_)
        f->setVisible(offen);
    nurLesen_->setVisible(offen && sitzung_->verein.nurLesen);
}

void TMainForm::nachDemOeffnenFreigeben() {
    auto& s = *sitzung_;
    for (int n = 1; n <= zalvor::kKonten; ++n) {
        QString name =
            ausAnsi(zalvor::OemNachAnsi(s.verein.def.konten[static_cast<std::size_t>(n)]));
        aktion(QString("kontenliste%1").arg(n))->setText(name.replace("&", "&&"));
    }
    for (const char* m : {"buchungen", "mitglieder", "listen", "abschluss"})
        menues_.value(m)->menuAction()->setEnabled(
            !(s.verein.nurLesen && QString(m) == "buchungen"));
    for (auto it = aktionen_.cbegin(); it != aktionen_.cend(); ++it)
        aktualisiereVerfuegbarkeit(it.key());
    if (tabelle_) tabelle_->freigeben();
    for (const auto& g : Befehlsgruppen::alle())
        if (g.nachDemOeffnen) g.nachDemOeffnen(*this);
    statuszeileAktualisieren();
}

void TMainForm::nurLesenAnwenden() {
    menues_.value("buchungen")
        ->menuAction()
        ->setEnabled(sitzung_->dateiOffen && !sitzung_->verein.nurLesen);
    for (auto it = aktionen_.cbegin(); it != aktionen_.cend(); ++it)
        aktualisiereVerfuegbarkeit(it.key());
}

void TMainForm::mitgliederFreigeben(bool hatMitglieder) {
    for (const auto& id : kMitgliederAbhaengig) {
        aktion(id)->setProperty("mitgliederGesperrt", !hatMitglieder);
        aktualisiereVerfuegbarkeit(id);
    }
}

zalvor::OeffnenErgebnis TMainForm::dateiOeffnen(const QString& name) {
    const auto ergebnis =
        zalvor::dateiOeffnenBefehl(*sitzung_, name.toStdString(), {.automatischeBuchungen = true});
    if (ergebnis == zalvor::OeffnenErgebnis::Geoeffnet) {
        tabelle_->setHilfeKontext(1);
        tabelle_->maximieren();
        nurLesenAnwenden();
        emit dateiGeoeffnet();
        statuszeileAktualisieren();
    }
    return ergebnis;
}

void TMainForm::oeffnenBefehl() {
    emit dateiWirdGewechselt();
    for (;;) {
        QFileDialog dlg(this, QString::fromUtf8("Datei öffnen"));
        // In the last club's folder.
        oeffnenVorbereiten(dlg,
                           "Buchungsdatei (PC) (*.?"
                           "?)",
                           QString::fromStdString(sitzung_->verein.datei.jahr),
                           oeffnenStartordner(*sitzung_));
        dlg.setFileMode(QFileDialog::ExistingFile);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
        const QString name = dlg.selectedFiles().constFirst();
        const QFileInfo info(name);
        if (info.exists() && !info.isWritable()) {
            // Bookings are written in place: a write-protected file cannot be worked on.
            QMessageBox::warning(
                this, QString::fromUtf8("Datei öffnen"),
                QString::fromUtf8("%1\nDiese Datei ist schreibgeschützt.").arg(info.fileName()));
            continue;
        }
        if (dateiOeffnen(name) != zalvor::OeffnenErgebnis::NichtVorhanden) return;
    }
}

void TMainForm::nachNeuerDatei(bool nameEingegeben) {
    if (nameEingegeben) {
        nachDemOeffnenFreigeben();
        tabelleFuellen(zalvor::TabellenModus::Voll);
        tabelle_->setHilfeKontext(19);
        nurLesenAnwenden();
    }
    tabelle_->maximieren();
    statuszeileAktualisieren();
}

void TMainForm::ereignis(const zalvor::Ereignis& e) {
    if (e.art == zalvor::Ereignis::Art::DateiGewechselt) {
        emit dateiWirdGewechselt();
        if (tabelle_) tabelle_->dateiGewechselt();
    }
    if (e.art != zalvor::Ereignis::Art::DateiGewechselt) emit dateiVeraendert();
}

void TMainForm::hilfeZeigen(int kontext) {
    hilfe_->zeigen(kontext);
}

void TMainForm::closeEvent(QCloseEvent* e) {
    hilfe_->close();
    QMainWindow::closeEvent(e);
}

void TMainForm::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    statuszeileAktualisieren();
}

} // namespace zalvor::gui
