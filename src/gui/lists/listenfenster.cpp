// List window: tool bar, caption lines, upper and lower grid, tabs for all account lists.
#include "gui/lists/listenfenster.h"

#include "gui/common/qtext.h"
#include "gui/lists/berichtsleiste.h"
#include "gui/lists/berichtsraster.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zalvor::gui {

namespace {

QLabel* titelZeile(const std::string& text, QWidget* eltern) {
    auto* l = new QLabel(ausAnsi(text), eltern);
    l->setVisible(!text.empty());
    return l;
}

} // namespace

std::vector<QPointer<TListenWin>>& listenfenster() {
    static std::vector<QPointer<TListenWin>> liste;
    return liste;
}

TListenWin* listenfensterSuchen(const std::string& fenstertitel) {
    for (const auto& w : listenfenster())
        if (w && w->bericht().fenstertitel == fenstertitel) return w;
    return nullptr;
}

TListenWin::TListenWin(zalvor::Bericht bericht, QWidget* parent)
    : QWidget(parent), bericht_(std::move(bericht)) {
    setObjectName("TListenWin");
    setWindowTitle(ausAnsi(bericht_.fenstertitel.empty() ? "Liste" : bericht_.fenstertitel));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    const auto leiste = berichtsleiste(this, "listenleiste", kHilfeKontext);
    leiste_ = leiste.leiste;
    drucken_ = leiste.drucken;
    // Enabled by whoever connects it to the printing.
    drucken_->setEnabled(false);
    layout->addWidget(leiste_);

    waehrung_ = titelZeile(bericht_.waehrungszeile, this);
    waehrung_->setObjectName("waehrungszeile");
    layout->addWidget(waehrung_);

    const bool mitReitern = std::any_of(bericht_.reiter.begin(), bericht_.reiter.end(),
                                        [](const zalvor::Reiter& r) { return !r.titel.empty(); });
    if (!mitReitern) {
        const std::vector<zalvor::Raster> keine;
        const auto& raster = bericht_.reiter.empty() ? keine : bericht_.reiter.front().raster;
        for (std::size_t i = 0; i < raster.size() && i < 2; ++i) {
            QLabel* titel = titelZeile(raster[i].ueberschrift, this);
            QTableView* ansicht = berichtsraster(raster[i], raster[i].breiten, 19, this);
            titel->setVisible(raster[i].sichtbar && !raster[i].ueberschrift.empty());
            layout->addWidget(titel);
            layout->addWidget(ansicht, i == 0 ? 1 : 0);
            (i == 0 ? oben_ : unten_) = ansicht;
            if (i == 1) untenTitel_ = titel;
        }
        return;
    }
    reiter_ = new QTabWidget(this);
    reiter_->setObjectName("reiter");
    for (const auto& r : bericht_.reiter) {
        auto* seite = new QWidget(reiter_);
        auto* seitenLayout = new QVBoxLayout(seite);
        seitenLayout->setContentsMargins(0, 0, 0, 0);
        seitenLayout->setSpacing(0);
        for (std::size_t i = 0; i < r.raster.size() && i < 2; ++i) {
            QLabel* titel = titelZeile(r.raster[i].ueberschrift, seite);
            titel->setVisible(r.raster[i].sichtbar && !r.raster[i].ueberschrift.empty());
            QTableView* ansicht = berichtsraster(r.raster[i], r.raster[i].breiten, 20, seite);
            seitenLayout->addWidget(titel);
            seitenLayout->addWidget(ansicht, i == 0 ? 1 : 0);
            if (i == 1) reiterUnten_.emplace_back(titel, ansicht);
        }
        seitenLayout->addStretch(r.raster.empty() || !r.raster.front().sichtbar ? 1 : 0);
        reiter_->addTab(seite, ausAnsi(r.titel));
    }
    layout->addWidget(reiter_, 1);
}

void TListenWin::anordnen() {
    const int haelfte = (height() - leiste_->height()) / 2;
    if (unten_ && untenTitel_)
        unten_->setFixedHeight(std::max(0, haelfte - untenTitel_->sizeHint().height()));
    for (auto& [titel, ansicht] : reiterUnten_)
        ansicht->setFixedHeight(std::max(0, haelfte - 2 * titel->sizeHint().height()));
}

void TListenWin::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    anordnen();
}

void TListenWin::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    anordnen();
}

} // namespace zalvor::gui
