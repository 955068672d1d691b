// TMainTab: filling the booking table from the file, selection, pop-up menu, deleting.
#include "mainwindow/mtab.h"

#include "common/dateisystem.h"
#include "files/buchungsdatei.h"
#include "mainwindow/buchungsmodell.h"
#include "mainwindow/loeschen.h"
#include "mainwindow/movelmain.h"
#include "mainwindow/tabellentexte.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <fstream>

namespace zalvor::gui {

TMainTab::TMainTab(TMainForm& haupt, QWidget* parent) : QWidget(parent), haupt_(haupt) {
    setWindowTitle(QString::fromUtf8("keine Datei geöffnet"));
    modell_ = new TBuchungsModell(this);
    ansicht_ = new QTableView(this);
    ansicht_->setObjectName("StringGrid1");
    ansicht_->setModel(modell_);
    ansicht_->setSelectionBehavior(QAbstractItemView::SelectRows);
    ansicht_->setSelectionMode(QAbstractItemView::SingleSelection);
    ansicht_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ansicht_->setWordWrap(false);
    ansicht_->verticalHeader()->hide();
    // Fixed row heights keep scrolling through tens of thousands of rows cheap.
    ansicht_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ansicht_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ansicht_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    ansicht_->horizontalHeader()->setHighlightSections(false);
    ansicht_->horizontalHeader()->setStretchLastSection(false);
    const int breiten[zalvor::kTabellenSpalten] = {46, 53, 104, 245, 79, 27, 33};
    for (int s = 0; s < zalvor::kTabellenSpalten; ++s)
        ansicht_->setColumnWidth(s, breiten[s]);
    ansicht_->setContextMenuPolicy(Qt::CustomContextMenu);
    ansicht_->installEventFilter(this);
    connect(ansicht_, &QTableView::customContextMenuRequested, this, &TMainTab::kontextmenue);
    connect(ansicht_, &QTableView::doubleClicked, this, [this] {
        if (freigegeben_) anzeigenAendern();
    });

    popup_ = new QMenu(this);
    QAction* anzeigen = popup_->addAction(QString::fromUtf8("&Anzeigen/Ändern"));
    popup_->setDefaultAction(anzeigen);
    connect(anzeigen, &QAction::triggered, this, &TMainTab::anzeigenAendern);
    QAction* loeschenAktion = popup_->addAction(QString::fromUtf8("&Löschen"));
    connect(loeschenAktion, &QAction::triggered, this,
            [this] { haupt_.befehl([this] { loeschen(); }); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ansicht_);
    zeileWaehlen(0);
}

void TMainTab::fuellen(zalvor::TabellenModus modus) {
    auto& s = haupt_.sitzung();
    const std::string name = s.datei.dateien().buchungsdatei();
    switch (modus) {
    case zalvor::TabellenModus::Voll: {
        // A file that cannot be opened leaves the table as it was, without a message.
        if (!s.datei.aktiv() || !std::ifstream(name, std::ios::binary)) return;
        // Redrawing the same file keeps the selected row; another file starts at the top.
        const int vorher = name == gefuellteDatei_ ? ausgewaehlteZeile() : 0;
        modell_->setzen(zalvor::tabellenKopf(s), zalvor::alleBuchungenLesen(name), s.def.typen);
        gefuellteDatei_ = name;
        zeileWaehlen(std::clamp(vorher, 0, modell_->saetze()));
        break;
    }
    case zalvor::TabellenModus::Anhaengen: {
        const auto satz = static_cast<std::uint32_t>(modell_->saetze());
        modell_->anhaengen(zalvor::buchungLesen(name, satz));
        // The new booking becomes visible and selected, as after typing it in.
        ansicht_->selectRow(static_cast<int>(satz));
        ansicht_->scrollTo(modell_->index(static_cast<int>(satz), 0));
        break;
    }
    case zalvor::TabellenModus::Auffrischen: {
        const int zeile = ausgewaehlteZeile();
        // The empty last row has no record to read again.
        if (zeile < 0 || zeile >= modell_->saetze()) return;
        modell_->ersetzen(zeile, zalvor::buchungLesen(name, static_cast<std::uint32_t>(zeile)));
        break;
    }
    }
}

int TMainTab::ausgewaehlteZeile() const {
    const QModelIndex i = ansicht_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TMainTab::zeileWaehlen(int zeile) {
    const QModelIndex i = modell_->index(zeile, 0);
    if (!i.isValid()) return;
    ansicht_->setCurrentIndex(i);
    ansicht_->selectRow(zeile);
}

void TMainTab::loeschen() {
    if (!freigegeben_) return;
    const int zeile = ausgewaehlteZeile();
    if (zeile < 0 || zeile >= modell_->saetze()) return;
    zalvor::satzLoeschen(haupt_.sitzung(), static_cast<std::uint32_t>(zeile));
}

void TMainTab::anzeigenAendern() {
    if (!freigegeben_) return;
    QAction* a = haupt_.aktion("anzeigenAendern");
    emit anzeigenAendernGewuenscht();
    if (a->isEnabled()) a->trigger();
}

void TMainTab::kontextmenue(const QPoint& pos) {
    if (!freigegeben_) return;
    const QModelIndex i = ansicht_->indexAt(pos);
    if (i.isValid()) zeileWaehlen(i.row());
    popup_->popup(ansicht_->viewport()->mapToGlobal(pos));
}

bool TMainTab::eventFilter(QObject* objekt, QEvent* ereignis) {
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
