// The member list window: one grid, printing through the program's print flow.
#include "gui/members/mitgliederlistenfenster.h"

#include "core/common/befehlsregeln.h"
#include "core/members/mitgliederliste.h"
#include "core/printing/mitgliederdruck.h"
#include "gui/common/kindfenster.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/lists/rastermodell.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/members/listenspaltendialog.h"
#include "gui/members/mitgliederhilfe.h"
#include "gui/printing/bezahltspaltendialog.h"
#include "gui/printing/druckablauf.h"
#include "gui/printing/druckoptionendialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

QPointer<TWMglList>& offen() {
    static QPointer<TWMglList> fenster;
    return fenster;
}

} // namespace

TWMglList::TWMglList(TMainForm& f, Bericht bericht, QWidget* parent)
    : QWidget(parent), f_(f), bericht_(std::move(bericht)) {
    setObjectName(QStringLiteral("TWMglList"));
    setWindowTitle(ausAnsi(bericht_.fenstertitel));
    SGListe = new QTableView(this);
    SGListe->setObjectName(QStringLiteral("SGListe"));
    static const Raster leer;
    const Raster& r = bericht_.reiter.empty() || bericht_.reiter.front().raster.empty()
                          ? leer
                          : bericht_.reiter.front().raster.front();
    SGListe->setModel(new TRasterModell(r, SGListe));
    SGListe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGListe->setSelectionBehavior(QAbstractItemView::SelectRows);
    SGListe->verticalHeader()->hide();
    SGListe->verticalHeader()->setDefaultSectionSize(SGListe->fontMetrics().height() + 4);
    SGListe->setWordWrap(false);
    SGListe->resizeColumnsToContents();

    auto* knoepfe = new QDialogButtonBox;
    BtnDrucken = neuerKnopf(knoepfe, QStringLiteral("D&rucken ..."), QDialogButtonBox::ActionRole);
    BtnSchliessen =
        neuerKnopf(knoepfe, QString::fromUtf8("Schließen"), QDialogButtonBox::RejectRole);
    hilfeKnopf(knoepfe, kHilfeMitgliederliste);
    connect(BtnDrucken, &QPushButton::clicked, this, [this] { f_.befehl([this] { drucken(); }); });
    connect(BtnSchliessen, &QPushButton::clicked, this, [this] {
        if (parentWidget()) parentWidget()->close();
    });
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(SGListe, 1);
    haupt->addWidget(knoepfe);
}

druck::Setzer TWMglList::setzer(int stil, bool freieSpaltenSchrift2) const {
    return [b = bericht_, stil, freieSpaltenSchrift2](Messung& m, Seitenformat format) {
        return mitgliederlisteSetzen(b, static_cast<Bezahltstil>(stil), freieSpaltenSchrift2,
                                     druckeinstellungen(), m, format);
    };
}

bool TWMglList::drucken() {
    if (!druckoptionen(f_.person(), this, QString::fromUtf8("\"&freie\" Spalten in Schrift 2")))
        return false;
    const auto stil = bezahltSpalteFragen(this);
    if (!stil) return false;
    druckvorschau(this, setzer(static_cast<int>(*stil), druckeinstellungen().anVon),
                  pdfName(f_.sitzung(), bericht_));
    return true;
}

void mitgliederlisteZeigen(TMainForm& f) {
    befehlPruefen(f.sitzung(), Befehlsart::MitgliederListe);
    const auto wahl = spaltenWaehlen(f.sitzung(), &f);
    if (!wahl) return;
    mitgliederlisteSchliessen();
    auto bericht = mitgliederlisteErstellen(f.sitzung(), *wahl);
    if (!bericht) return;
    auto* fenster = new TWMglList(f, std::move(*bericht));
    kindfensterZeigen(f.arbeitsflaeche(), fenster, f.windowIcon(), true);
    offen() = fenster;
}

TWMglList* offeneMitgliederliste() {
    return offen().data();
}

void mitgliederlisteSchliessen() {
    kindfensterSchliessen(offen().data());
}

} // namespace zalvor::gui
