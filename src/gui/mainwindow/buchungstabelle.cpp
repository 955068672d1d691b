// TMainTab: filling the booking table from the file, selection, pop-up menu, deleting.
#include "gui/mainwindow/buchungstabelle.h"

#include "core/common/dateisystem.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/mainwindow/kontostaende.h"
#include "core/mainwindow/loeschen.h"
#include "core/mainwindow/tabellentexte.h"
#include "gui/common/benutzereinstellungen.h"
#include "gui/common/qtext.h"
#include "gui/common/spaltenbreiten.h"
#include "gui/mainwindow/buchungsmodell.h"
#include "gui/mainwindow/kontostandmodell.h"
#include "gui/mainwindow/tabellenfilter.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <fstream>

namespace zalvor::gui {

namespace {

constexpr int kTextSpalte = 3;

} // namespace

namespace {

// A pop-up entry with its own text that runs a command and is enabled with it.
QAction* folgt(QMenu* menue, const QString& text, QAction* befehl) {
    QAction* a = menue->addAction(text);
    a->setEnabled(befehl->isEnabled());
    QObject::connect(befehl, &QAction::changed, a,
                     [a, befehl] { a->setEnabled(befehl->isEnabled()); });
    QObject::connect(a, &QAction::triggered, befehl, &QAction::trigger);
    return a;
}

} // namespace

TMainTab::TMainTab(zalvor::Sitzung& sitzung, QAction* anzeigen, QAction* loeschen, QWidget* parent)
    : QWidget(parent), s_(sitzung), anzeigen_(anzeigen) {
    setWindowTitle(QString::fromUtf8("keine Datei geöffnet"));
    modell_ = new TBuchungsModell(this);
    filter_ = new TTabellenFilter(modell_, this);
    ansicht_ = new QTableView(this);
    ansicht_->setObjectName("StringGrid1");
    ansicht_->setModel(filter_);
    ansicht_->setSelectionBehavior(QAbstractItemView::SelectRows);
    ansicht_->setSelectionMode(QAbstractItemView::SingleSelection);
    ansicht_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ansicht_->setWordWrap(false);
    ansicht_->verticalHeader()->hide();
    // Fixed row heights keep scrolling through tens of thousands of rows cheap.
    ansicht_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ansicht_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    QHeaderView* kopf = ansicht_->horizontalHeader();
    kopf->setSectionResizeMode(QHeaderView::Interactive);
    kopf->setHighlightSections(false);
    kopf->setStretchLastSection(false);
    const int breiten[zalvor::kTabellenSpalten] = {46, 53, 104, 245, 79, 27, 33};
    for (int s = 0; s < zalvor::kTabellenSpalten; ++s)
        ansicht_->setColumnWidth(s, breiten[s]);
    // The booking text takes what the window has to spare.
    kopf->setSectionResizeMode(kTextSpalte, QHeaderView::Stretch);
    spaltenbreitenLaden();
    connect(kopf, &QHeaderView::sectionResized, this, [this] { spaltenbreitenSpeichern(); });
    // A header click sorts the view; the file order comes back with a full redraw.
    kopf->setSortIndicator(-1, Qt::AscendingOrder);
    kopf->setSortIndicatorShown(true);
    ansicht_->setSortingEnabled(true);
    ansicht_->setContextMenuPolicy(Qt::CustomContextMenu);
    ansicht_->installEventFilter(this);
    connect(ansicht_, &QTableView::customContextMenuRequested, this, &TMainTab::kontextmenue);
    connect(ansicht_, &QTableView::doubleClicked, this, [this] {
        if (freigegeben_) anzeigenAendern();
    });

    popup_ = new QMenu(this);
    popup_->setObjectName("PopupMenu1");
    popup_->setDefaultAction(folgt(popup_, QString::fromUtf8("&Anzeigen/Ändern"), anzeigen));
    folgt(popup_, QString::fromUtf8("&Löschen"), loeschen);

    kontostaende_ = new TKontostandModell(this);
    kontostandAnsicht_ = new QTableView(this);
    kontostandAnsicht_->setObjectName("Kontostaende");
    kontostandAnsicht_->setModel(kontostaende_);
    kontostandAnsicht_->verticalHeader()->hide();
    kontostandAnsicht_->setSelectionMode(QAbstractItemView::NoSelection);
    kontostandAnsicht_->setFocusPolicy(Qt::NoFocus);
    kontostandAnsicht_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    kontostandAnsicht_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    kontostandAnsicht_->hide();

    suchleisteAnlegen();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(suchleiste_);
    layout->addWidget(ansicht_, 1);
    layout->addWidget(kontostandAnsicht_);
    zeileWaehlen(0);
}

QStringList TMainTab::buchungstexte() const {
    QStringList texte;
    for (const auto& b : modell_->alle())
        if (!b.geloescht() && !b.text.text().empty())
            texte << ausAnsi(zalvor::OemNachAnsi(b.text.text()));
    texte.removeDuplicates();
    texte.sort(Qt::CaseInsensitive);
    return texte;
}

void TMainTab::rueckgaengigMachen() {
    const auto satz = rueckgaengig_.naechsterSatz();
    if (!satz) return;
    // The row is refreshed as the selected one: a search must not hide it.
    if (!filter_->suchtext().isEmpty()) sucheSchliessen();
    zeileWaehlen(static_cast<int>(*satz));
    aufzeichnen_ = false;
    struct Wieder {
        bool& an;
        ~Wieder() { an = true; }
    } wieder{aufzeichnen_};
    rueckgaengig_.rueckgaengigMachen(s_);
    // A sorted view may have moved the restored row: it stays in sight.
    zeileWaehlen(static_cast<int>(*satz));
}

void TMainTab::suchleisteAnlegen() {
    suchleiste_ = new QWidget(this);
    suchleiste_->setObjectName("Suchleiste");
    suchfeld_ = new QLineEdit(suchleiste_);
    suchfeld_->setObjectName("Suchfeld");
    suchfeld_->setPlaceholderText(QString::fromUtf8("Text, Empfänger, Betrag oder Datum"));
    suchfeld_->setClearButtonEnabled(true);
    auto* beschriftung = new QLabel(QString::fromUtf8("&Suchen:"), suchleiste_);
    beschriftung->setBuddy(suchfeld_);
    auto* schliessen = new QToolButton(suchleiste_);
    schliessen->setText(QString::fromUtf8("×"));
    schliessen->setToolTip(QString::fromUtf8("Suche schließen (Esc)"));
    auto* zeile = new QHBoxLayout(suchleiste_);
    zeile->setContentsMargins(4, 2, 4, 2);
    zeile->addWidget(beschriftung);
    zeile->addWidget(suchfeld_, 1);
    zeile->addWidget(schliessen);
    connect(suchfeld_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const int satz = ausgewaehlteZeile();
        filter_->suchen(text);
        zeileWaehlen(satz);
    });
    connect(schliessen, &QToolButton::clicked, this, &TMainTab::sucheSchliessen);
    suchfeld_->installEventFilter(this);
    suchleiste_->hide();
}

void TMainTab::sucheZeigen() {
    suchleiste_->show();
    suchfeld_->setFocus();
    suchfeld_->selectAll();
}

void TMainTab::sucheSchliessen() {
    const int satz = ausgewaehlteZeile();
    suchfeld_->clear();
    suchleiste_->hide();
    zeileWaehlen(satz);
    ansicht_->setFocus();
}

void TMainTab::kontostaendeAktualisieren() {
    auto& s = s_;
    if (!s.verein.datei.aktiv()) return;
    // The records the table holds are the file's: no second read.
    kontostaende_->setzen(zalvor::kontostaendeRaster(
        zalvor::kontostaendeAus(modell_->alle(), s.verein.def), s.verein, s.euroText));
    kontostandAnsicht_->show();
    // The panel shows every row without a scroll bar of its own.
    int hoehe = kontostandAnsicht_->horizontalHeader()->sizeHint().height() +
                2 * kontostandAnsicht_->frameWidth();
    for (int r = 0; r < kontostaende_->rowCount(); ++r)
        hoehe += kontostandAnsicht_->rowHeight(r);
    kontostandAnsicht_->setFixedHeight(hoehe);
}

void TMainTab::spaltenbreitenLaden() {
    const QVariantList breiten =
        benutzerEinstellungen()->value(QStringLiteral("tabelle/spaltenbreiten")).toList();
    if (breiten.size() != zalvor::kTabellenSpalten) return;
    for (int s = 0; s < zalvor::kTabellenSpalten; ++s)
        if (s != kTextSpalte && breiten[s].toInt() > 0)
            ansicht_->setColumnWidth(s, breiten[s].toInt());
}

void TMainTab::spaltenbreitenSpeichern() {
    QVariantList breiten;
    for (int s = 0; s < zalvor::kTabellenSpalten; ++s)
        breiten << ansicht_->columnWidth(s);
    benutzerEinstellungen()->setValue(QStringLiteral("tabelle/spaltenbreiten"), breiten);
}

int TMainTab::satzzeile(const QModelIndex& ansichtsIndex) const {
    const QModelIndex i = filter_->mapToSource(ansichtsIndex);
    return i.isValid() ? i.row() : -1;
}

void TMainTab::fuellen(zalvor::TabellenModus modus) {
    // Every booking, change and deletion passes here: the balances follow it.
    struct Nachher {
        TMainTab& t;
        ~Nachher() { t.kontostaendeAktualisieren(); }
    } nachher{*this};
    auto& s = s_;
    const std::string name = s.verein.datei.dateien().buchungsdatei();
    switch (modus) {
    case zalvor::TabellenModus::Voll: {
        // A file that cannot be opened leaves the table as it was, without a message.
        if (!s.verein.datei.aktiv() || !std::ifstream(name, std::ios::binary)) return;
        // Redrawing the same file keeps the selected row; another file starts at the top.
        const int vorher = name == gefuellteDatei_ ? ausgewaehlteZeile() : 0;
        // Record numbers of older steps may no longer hold (reorganisation, another file).
        rueckgaengig_.leeren();
        modell_->setzen(zalvor::tabellenKopf(s.waehrungstext()), zalvor::alleBuchungenLesen(name),
                        s.verein.def.typen);
        gefuellteDatei_ = name;
        // A redraw shows the file's own order again.
        ansicht_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        filter_->dateiReihenfolge();
        spaltenNachInhalt(ansicht_);
        zeileWaehlen(std::clamp(vorher, 0, modell_->saetze()));
        break;
    }
    case zalvor::TabellenModus::Anhaengen: {
        const auto satz = static_cast<std::uint32_t>(modell_->saetze());
        modell_->anhaengen(zalvor::buchungLesen(name, satz));
        spaltenNachInhalt(ansicht_);
        if (aufzeichnen_) rueckgaengig_.neueBuchung(satz);
        // The new booking becomes visible and selected, as after typing it in.
        zeileWaehlen(static_cast<int>(satz));
        break;
    }
    case zalvor::TabellenModus::Auffrischen: {
        const int zeile = ausgewaehlteZeile();
        // The empty last row has no record to read again.
        if (zeile < 0 || zeile >= modell_->saetze()) return;
        const auto satz = static_cast<std::uint32_t>(zeile);
        const zalvor::TBuchung vorher = modell_->satz(zeile);
        const zalvor::TBuchung jetzt = zalvor::buchungLesen(name, satz);
        modell_->ersetzen(zeile, jetzt);
        // The table still held the record as it was: that is what undo writes back.
        if (aufzeichnen_ && !(vorher == jetzt)) rueckgaengig_.aenderung(satz, vorher);
        break;
    }
    }
}

void TMainTab::dateiGewechselt() {
    rueckgaengig_.leeren();
    gefuellteDatei_.clear();
    modell_->leeren();
    kontostandAnsicht_->hide();
    setWindowTitle(QString::fromStdString(s_.verein.datei.dateiname()));
}

void TMainTab::maximieren() {
    auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!rahmen) return;
    rahmen->showMaximized();
}

int TMainTab::ausgewaehlteZeile() const {
    const QModelIndex i = ansicht_->currentIndex();
    return i.isValid() ? satzzeile(i) : -1;
}

void TMainTab::zeileWaehlen(int zeile) {
    const QModelIndex i = filter_->mapFromSource(modell_->index(zeile, 0));
    if (!i.isValid()) return;
    ansicht_->setCurrentIndex(i);
    ansicht_->selectRow(i.row());
    ansicht_->scrollTo(i);
}

void TMainTab::loeschen() {
    if (!freigegeben_) return;
    const int zeile = ausgewaehlteZeile();
    if (zeile < 0 || zeile >= modell_->saetze()) return;
    zalvor::satzLoeschen(s_, static_cast<std::uint32_t>(zeile));
}

void TMainTab::anzeigenAendern() {
    if (!freigegeben_) return;
    if (anzeigen_->isEnabled()) anzeigen_->trigger();
}

void TMainTab::kontextmenue(const QPoint& pos) {
    if (!freigegeben_) return;
    const QModelIndex i = ansicht_->indexAt(pos);
    if (i.isValid()) zeileWaehlen(satzzeile(i));
    popup_->popup(ansicht_->viewport()->mapToGlobal(pos));
}

bool TMainTab::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == suchfeld_ && ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
        sucheSchliessen();
        return true;
    }
    if (objekt == ansicht_ && ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            if (freigegeben_) anzeigenAendern();
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

} // namespace zalvor::gui
