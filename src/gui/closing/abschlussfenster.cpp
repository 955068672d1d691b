// Closing window: tool row, currency line, tabs with the grids, splitter panels, chart.
#include "gui/closing/abschlussfenster.h"

#include "gui/closing/grafikreiter.h"
#include "gui/closing/splitterpanel.h"
#include "gui/common/qtext.h"
#include "gui/common/spaltenbreiten.h"
#include "gui/lists/berichtsleiste.h"
#include "gui/lists/berichtsraster.h"
#include "gui/lists/rastermodell.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zalvor::gui {

namespace {

// Column widths for tabs whose grids the engine leaves to the window: a name column of 15
// characters, amounts of 11.
std::vector<int> standardBreiten(const zalvor::Raster& r) {
    std::vector<int> b;
    for (std::size_t c = 0; c < r.spalten(); ++c) {
        const bool betrag = r.spalten() == 6 || c + 3 >= r.spalten();
        b.push_back(betrag ? 100 : 140);
    }
    return b;
}

QLabel* kopfPanel(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return l;
}

} // namespace

std::vector<QPointer<TabschlWin>>& abschlussfenster() {
    static std::vector<QPointer<TabschlWin>> liste;
    return liste;
}

TabschlWin::TabschlWin(zalvor::Bericht bericht, int tag,
                       std::optional<zalvor::Abschlussgrafik> grafik, QWidget* parent)
    : QWidget(parent), bericht_(std::move(bericht)), tag_(tag) {
    setObjectName("TabschlWin");
    setWindowTitle(ausAnsi(bericht_.fenstertitel));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    const auto leiste = berichtsleiste(this, "abschlussleiste", kHilfeKontext);
    drucken_ = leiste.drucken;
    layout->addWidget(leiste.leiste);

    auto* waehrungsreihe = new QHBoxLayout;
    waehrungsreihe->setContentsMargins(4, 2, 4, 2);
    PanelWaehrung = new QLabel(ausAnsi(bericht_.waehrungszeile), this);
    PanelWaehrung->setObjectName("PanelWaehrung");
    waehrungsreihe->addWidget(PanelWaehrung, 1);
    PanelAndereWaehrg = new QWidget(this);
    PanelAndereWaehrg->setObjectName("PanelAndereWaehrg");
    auto* andere = new QHBoxLayout(PanelAndereWaehrg);
    andere->setContentsMargins(0, 0, 0, 0);
    auto* euro = new QLabel(QString::fromUtf8("€"), PanelAndereWaehrg);
    QFont gross = euro->font();
    gross.setBold(true);
    gross.setPointSize(gross.pointSize() + 4);
    euro->setFont(gross);
    andere->addWidget(euro);
    ButtonAndereWaehrg = new QPushButton(ausAnsi(bericht_.andereWaehrung), PanelAndereWaehrg);
    ButtonAndereWaehrg->setObjectName("ButtonAndereWaehrg");
    andere->addWidget(ButtonAndereWaehrg);
    PanelAndereWaehrg->setVisible(!bericht_.andereWaehrung.empty());
    connect(ButtonAndereWaehrg, &QPushButton::clicked, this, [this] {
        if (andereWaehrung_) andereWaehrung_(tag_);
    });
    waehrungsreihe->addWidget(PanelAndereWaehrg);
    layout->addLayout(waehrungsreihe);

    reiter_ = new QTabWidget(this);
    reiter_->setObjectName("reiter");
    for (std::size_t i = 0; i < bericht_.reiter.size(); ++i) {
        const zalvor::Reiter& r = bericht_.reiter[i];
        if (r.raster.empty()) continue;
        QWidget* seite = nullptr;
        if (r.titel == "Ausgabenbilanz")
            seite = bilanzSeite(r, "StringGrid2", "StringGrid22", panel1_);
        else if (r.titel == "Einnahmenbilanz")
            seite = bilanzSeite(r, "StringGrid3", "StringGrid32", panel2_);
        else if (r.titel == "Gewinn- / Verlustrechnung")
            seite = gewinnSeite(r);
        else
            seite = kontenSeite(r);
        reiter_->addTab(seite, ausAnsi(r.titel));
        // A multi-file closing keeps the tab "Kontenbestände" hidden.
        reiter_->setTabVisible(reiter_->count() - 1, r.raster.front().sichtbar);
    }
    if (grafik) reiter_->addTab(new TGrafikReiter(*grafik, reiter_), QStringLiteral("Grafik"));
    layout->addWidget(reiter_, 1);
}

QTableView* TabschlWin::raster(const QString& name) const {
    return findChild<QTableView*>(name);
}

QTableView* TabschlWin::rasterAnsicht(const zalvor::Raster& r, const QString& name,
                                      QWidget* eltern) {
    QTableView* ansicht =
        berichtsraster(r, r.breiten.empty() ? standardBreiten(r) : r.breiten, 19, eltern);
    ansicht->setObjectName(name);
    // A multi-file closing names its files by their paths: the cell shows the file name with
    // its year, the tool tip the whole path.
    if (tag_ >= kMehrdateiTag) {
        static_cast<TRasterModell*>(ansicht->model())->dateinamenZeigen(0);
        spaltenNachInhalt(ansicht);
    }
    return ansicht;
}

QWidget* TabschlWin::kontenSeite(const zalvor::Reiter& r) {
    auto* seite = new QWidget(reiter_);
    auto* l = new QVBoxLayout(seite);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(rasterAnsicht(r.raster.front(), "StringGrid1", seite));
    return seite;
}

QWidget* TabschlWin::bilanzSeite(const zalvor::Reiter& r, const QString& oben, const QString& unten,
                                 TSplitterPanel*& panel) {
    auto* seite = new QWidget(reiter_);
    auto* l = new QVBoxLayout(seite);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(rasterAnsicht(r.raster.front(), oben, seite), 1);
    if (r.raster.size() < 2) return seite;
    const zalvor::Raster& gruppen = r.raster[1];
    QTableView* untenAnsicht = rasterAnsicht(gruppen, unten, seite);
    panel = new TSplitterPanel(ausAnsi(gruppen.ueberschrift), untenAnsicht, seite);
    panel->setObjectName(oben == "StringGrid2" ? "Panel1" : "Panel2");
    panel->setVisible(gruppen.sichtbar);
    l->addWidget(panel);
    l->addWidget(untenAnsicht);
    return seite;
}

QWidget* TabschlWin::gewinnSeite(const zalvor::Reiter& r) {
    auto* seite = new QWidget(reiter_);
    auto* l = new QVBoxLayout(seite);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    QTableView* ansicht = rasterAnsicht(r.raster.front(), "StringGrid4", seite);
    auto* koepfe = new QHBoxLayout;
    koepfe->setSpacing(0);
    int spalte = 0;
    for (const char* text : {"real", "Planungen", "Summe"}) {
        QLabel* panel = kopfPanel(QString::fromUtf8(text), seite);
        panel->setFixedWidth(ansicht->columnWidth(spalte) + ansicht->columnWidth(spalte + 1));
        koepfe->addWidget(panel);
        spalte += 2;
    }
    koepfe->addStretch(1);
    l->addLayout(koepfe);
    l->addWidget(ansicht, 1);
    return seite;
}

void TabschlWin::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (angeordnet_) return;
    angeordnet_ = true;
    // The group grids start at a third of the page; the splitter panels move them.
    for (const char* name : {"StringGrid22", "StringGrid32"})
        if (QTableView* t = raster(name)) t->setFixedHeight(std::max(60, reiter_->height() / 3));
}

} // namespace zalvor::gui
