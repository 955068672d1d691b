// The template window TDTabSB.
#include "gui/templates/schablonendialog.h"

#include "core/templates/schablonendatei.h"
#include "core/templates/schablonenfenster.h"
#include "gui/common/qtext.h"
#include "gui/common/spaltenbreiten.h"
#include "gui/files/dialoghilfe.h"
#include "gui/templates/schablonenmodell.h"
#include "gui/templates/wiederholungsdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace zalvor::gui {

TDTabSB::TDTabSB(zalvor::Sitzung& s, Grenze grenze, QWidget* parent)
    : QDialog(parent), s_(s), grenze_(std::move(grenze)) {
    setObjectName(QStringLiteral("TDTabSB"));
    setWindowTitle(QStringLiteral("Schablonen"));

    modell = new TSchablonenModell(this);
    StringGrid1 = benannt(new QTableView, "StringGrid1");
    StringGrid1->setModel(modell);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(PopupMenu1->addAction(QStringLiteral("&Buchen")), &QAction::triggered, this,
            &TDTabSB::buchen);
    connect(PopupMenu1->addAction(QStringLiteral("&Wiederholung...")), &QAction::triggered, this,
            &TDTabSB::wiederholung);
    connect(PopupMenu1->addAction(QString::fromUtf8("&Löschen")), &QAction::triggered, this,
            &TDTabSB::loeschen);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        const QModelIndex i = StringGrid1->indexAt(p);
        if (i.isValid()) StringGrid1->selectRow(i.row());
        PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(p));
    });

    auto* knoepfe = new QDialogButtonBox;
    BtnWiederholung =
        neuerKnopf(knoepfe, QStringLiteral("&Wiederholung..."), QDialogButtonBox::ActionRole);
    BtnWiederholung->setToolTip(
        QString::fromUtf8("Zyklus für Automatische Buchung der markierten Schablone festlegen"));
    BtnLoeschen = neuerKnopf(knoepfe, QString::fromUtf8("&Löschen"), QDialogButtonBox::ActionRole);
    BtnLoeschen->setToolTip(QString::fromUtf8("Markierte Schablone löschen"));
    // An action button, so that the box keeps the window's order of the buttons.
    BtnSchliessen =
        neuerKnopf(knoepfe, QString::fromUtf8("&Schließen"), QDialogButtonBox::ActionRole);
    BtnBuchen = neuerKnopf(knoepfe, QStringLiteral("&Buchen"), QDialogButtonBox::ActionRole);
    BtnBuchen->setToolTip(QStringLiteral("Die markierte Schablone buchen."));
    hilfeKnopf(knoepfe, kHilfeSchablonen);
    for (QPushButton* k : {BtnWiederholung, BtnLoeschen, BtnSchliessen})
        k->setAutoDefault(false);
    BtnBuchen->setDefault(true);
    connect(BtnWiederholung, &QPushButton::clicked, this, &TDTabSB::wiederholung);
    connect(BtnLoeschen, &QPushButton::clicked, this, &TDTabSB::loeschen);
    connect(BtnBuchen, &QPushButton::clicked, this, &TDTabSB::buchen);
    connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::reject);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(StringGrid1);
    haupt->addWidget(knoepfe);
    resize(fontMetrics().averageCharWidth() * 95, fontMetrics().height() * 22);
}

void TDTabSB::fuellen(const zalvor::Raster& r) {
    modell->setzen(r);
    for (std::size_t i = 0; i < r.breiten.size(); ++i)
        StringGrid1->setColumnWidth(static_cast<int>(i), r.breiten[i]);
    spaltenNachInhalt(StringGrid1);
    // The window takes the width its columns need, as far as the screen has room.
    int breite = 2 * StringGrid1->frameWidth() +
                 StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                 layout()->contentsMargins().left() + layout()->contentsMargins().right();
    for (int s = 0; s < modell->columnCount(); ++s)
        breite += StringGrid1->columnWidth(s);
    if (screen()) breite = std::min(breite, screen()->availableGeometry().width());
    if (width() < breite) resize(breite, height());
    if (modell->rowCount() > 0) StringGrid1->selectRow(0);
    StringGrid1->setFocus();
}

int TDTabSB::markierteZeile() const {
    const QModelIndexList zeilen = StringGrid1->selectionModel()->selectedRows();
    return zeilen.isEmpty() ? -1 : zeilen.constFirst().row();
}

void TDTabSB::zeileNeuZeichnen(int zeile) {
    const auto t = zalvor::schabloneLesen(s_.verein.datei.dateien().schablonen(),
                                          static_cast<std::uint32_t>(zeile));
    modell->zeileSetzen(zeile, zalvor::schablonenZeile(s_.verein.def, t));
}

void TDTabSB::buchen() {
    const int zeile = markierteZeile();
    if (zeile < 0) return;
    grenze_([this, zeile] {
        zalvor::schabloneBuchen(s_.verein, s_.person, s_.uhr, static_cast<std::uint32_t>(zeile));
    });
    accept();
}

void TDTabSB::wiederholung() {
    const int zeile = markierteZeile();
    if (zeile < 0) return;
    grenze_([this, zeile] {
        const auto satz = static_cast<std::uint32_t>(zeile);
        TDSBWdh dlg(this);
        dlg.fuellen(
            zalvor::wiederholungsMaske(schabloneLesen(s_.verein.dateien().schablonen(), satz)));
        if (dlg.exec() != QDialog::Accepted) return;
        zalvor::wiederholungSetzen(s_.verein.dateien(), s_.uhr, satz, dlg.wahl());
        zeileNeuZeichnen(zeile);
    });
}

void TDTabSB::loeschen() {
    const int zeile = markierteZeile();
    if (zeile < 0) return;
    grenze_([this, zeile] {
        if (zalvor::schabloneLoeschen(s_.verein.dateien(), s_.person,
                                      static_cast<std::uint32_t>(zeile)))
            zeileNeuZeichnen(zeile);
    });
}

} // namespace zalvor::gui
