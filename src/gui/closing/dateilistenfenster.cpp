// The file list window: list, buttons, context menu, the closing question and the notice.
#include "gui/closing/dateilistenfenster.h"

#include "core/closing/abschlussbericht.h"
#include "core/closing/mehrdateiabschluss.h"
#include "core/common/waehrung.h"
#include "gui/closing/abschlussanzeige.h"
#include "gui/closing/abschlussfenster.h"
#include "gui/closing/monatsdialog.h"
#include "gui/common/kindfenster.h"
#include "gui/common/oeffnendialog.h"
#include "gui/common/qtext.h"
#include "gui/mainwindow/hauptfenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

constexpr int kHilfeKontext = 17;

QPushButton* knopf(const char* text, const char* hinweis, QWidget* eltern) {
    auto* b = new QPushButton(QString::fromUtf8(text), eltern);
    if (hinweis) {
        b->setToolTip(QString::fromUtf8(hinweis));
        b->setStatusTip(QString::fromUtf8(hinweis));
    }
    return b;
}

} // namespace

zalvor::Dateiwaehler dateidialog(QWidget* eltern, const QString& titel, const QString& filter,
                                 const QString& endung, const QString& ordner) {
    return [=]() -> std::optional<std::string> {
        QFileDialog dlg(eltern, titel);
        oeffnenVorbereiten(dlg, filter, endung, ordner);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
        return QFileInfo(dlg.selectedFiles().constFirst()).absoluteFilePath().toStdString();
    };
}

TDFL::TDFL(TMainForm& f, zalvor::Dateiliste liste, QWidget* parent)
    : QWidget(parent), f_(f), liste_(std::move(liste)) {
    setObjectName("TDFL");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* label = new QLabel(QString::fromUtf8("Datei&liste"), this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setToolTip(QString::fromUtf8("Liste der Dateien für den Mehr-Datei-Abschluß"));
    label->setBuddy(ListBox1);
    Entfernen1 = new QAction(QString::fromUtf8("&Entfernen"), ListBox1);
    ListBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
    ListBox1->addAction(Entfernen1);

    BitBtnJahr = knopf("&Jahresabschluß",
                       "Erstellt den Mehr-Datei-Abschluß aus den Dateien in "
                       "der Liste",
                       this);
    BitBtnMonat = knopf("&Monatsabschluß", nullptr, this);
    BitBtnHinzu = knopf("Datei hi&zufügen", "Fügt der Liste eine Datei hinzu", this);
    BitBtnEntfernen = knopf("Datei &entfernen", "Entfernt die markierte Datei aus der Liste", this);
    BitBtnSpeichern = knopf("&Speichern", "Speichert die Liste und schließt den Dialog", this);
    BitBtnSpeichern->setDefault(true);
    BitBtnAbbruch = knopf("A&bbruch", "Schließt den Dialog, OHNE zu speichern", this);
    BitBtnHilfe = knopf("&Hilfe", nullptr, this);

    auto* knoepfe = new QVBoxLayout;
    for (QPushButton* b : {BitBtnJahr, BitBtnMonat, BitBtnHinzu, BitBtnEntfernen})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    for (QPushButton* b : {BitBtnSpeichern, BitBtnAbbruch, BitBtnHilfe})
        knoepfe->addWidget(b);
    auto* links = new QVBoxLayout;
    links->addWidget(label);
    links->addWidget(ListBox1);
    auto* aussen = new QHBoxLayout(this);
    aussen->addLayout(links, 1);
    aussen->addLayout(knoepfe);

    auto lauf = [this](void (TDFL::*m)()) {
        return [this, m] { f_.befehl([this, m] { (this->*m)(); }); };
    };
    connect(BitBtnJahr, &QPushButton::clicked, this, lauf(&TDFL::jahresabschluss));
    connect(BitBtnMonat, &QPushButton::clicked, this, lauf(&TDFL::monatsabschluss));
    connect(BitBtnHinzu, &QPushButton::clicked, this, lauf(&TDFL::hinzufuegen));
    connect(BitBtnEntfernen, &QPushButton::clicked, this, lauf(&TDFL::entfernen));
    connect(Entfernen1, &QAction::triggered, this, lauf(&TDFL::entfernen));
    connect(BitBtnSpeichern, &QPushButton::clicked, this, lauf(&TDFL::speichern));
    connect(BitBtnAbbruch, &QPushButton::clicked, this, &TDFL::abbrechen);
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { f_.hilfeZeigen(kHilfeKontext); });

    setWindowTitle(ausAnsi(liste_.fenstertitel()));
    listeZeigen();
}

void TDFL::listeZeigen() {
    const int zeile = ListBox1->currentRow();
    ListBox1->clear();
    for (const std::string& d : liste_.anzeige())
        ListBox1->addItem(QString::fromStdString(d));
    if (zeile >= 0 && zeile < ListBox1->count()) ListBox1->setCurrentRow(zeile);
}

void TDFL::jahresabschluss() {
    mehrdateiabschlussZeigen(f_, liste_.dateien, 0, false);
}

void TDFL::monatsabschluss() {
    if (liste_.dateien.empty()) return;
    if (const auto monat = monatAbfragen(f_.person(), this))
        mehrdateiabschlussZeigen(f_, liste_.dateien, *monat, false);
}

void TDFL::hinzufuegen() {
    const QString ordner = QFileInfo(QString::fromStdString(liste_.pfad)).absolutePath();
    const QString jahr = QString::fromStdString(zalvor::Kalenderjahr(f_.sitzung().uhr));
    zalvor::dateiHinzufuegen(liste_,
                             dateidialog(this, QString::fromUtf8("Datei hinzufügen"),
                                         QStringLiteral("Buchungsdatei (*.?"
                                                        "?)"),
                                         jahr, ordner),
                             f_.person());
    listeZeigen();
}

void TDFL::entfernen() {
    const int zeile = ListBox1->currentRow();
    const auto nr =
        zeile >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(zeile)) : std::nullopt;
    if (zalvor::dateiEntfernen(liste_, nr, f_.person())) listeZeigen();
}

void TDFL::speichern() {
    // A list that could not be written stays open, so its entries are not lost.
    if (zalvor::dateilisteSpeichern(liste_, f_.person())) schliessenOhneFrage();
}

void TDFL::abbrechen() {
    schliessenOhneFrage();
}

void TDFL::schliessenOhneFrage() {
    ohneFrage_ = true;
    QWidget* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!(rahmen ? rahmen->close() : close())) ohneFrage_ = false;
}

void TDFL::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous() || hinweisGezeigt_) return;
    hinweisGezeigt_ = true;
    // After the window has appeared, as the notice belongs to its showing.
    QTimer::singleShot(0, this, [this] { zalvor::dateilisteHinweis(f_.person()); });
}

void TDFL::closeEvent(QCloseEvent* e) {
    if (ohneFrage_) {
        e->accept();
        return;
    }
    switch (zalvor::schliessenFragen(f_.person())) {
    case zalvor::Schliessen::Speichern:
        if (zalvor::dateilisteSpeichern(liste_, f_.person()))
            e->accept();
        else
            e->ignore();
        break;
    case zalvor::Schliessen::Verwerfen:
        e->accept();
        break;
    case zalvor::Schliessen::Offenlassen:
        e->ignore();
        break;
    }
}

TDFL* dateilistenfensterZeigen(TMainForm& f, zalvor::Dateiliste liste) {
    auto* fenster = new TDFL(f, std::move(liste));
    kindfensterZeigen(f.arbeitsflaeche(), fenster, f.windowIcon(), false)->resize(720, 360);
    return fenster;
}

void mehrdateiabschlussZeigen(TMainForm& f, const std::vector<std::string>& dateien, int monat,
                              bool umrechnen) {
    const auto a = zalvor::mehrdateiabschlussErstellen(
        dateien, zalvor::AbschlussParameter{monat, umrechnen}, f.sitzung().euroText, f.person());
    if (!a) return;
    // The window keeps its own copy of the names for the other-currency button.
    auto andere = [&f, dateien](int tag) {
        f.befehl([&f, dateien, tag] {
            mehrdateiabschlussZeigen(f, dateien, tag - TabschlWin::kMehrdateiTag, true);
        });
    };
    abschlussfensterZeigen(f, zalvor::mehrdateiBericht(*a), monat + TabschlWin::kMehrdateiTag,
                           andere);
}

} // namespace zalvor::gui
