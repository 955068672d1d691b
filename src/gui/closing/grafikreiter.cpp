// Horizontal bars, one row per type, so that 50 type names stay readable; the page scrolls.
#include "gui/closing/grafikreiter.h"

#include "gui/common/qtext.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHorizontalStackedBarSeries>
#include <QVBoxLayout>

#include <QValueAxis>
#include <algorithm>

namespace zalvor::gui {

namespace {

constexpr int kZeilenhoehe = 24;

QChartView* balkengrafik(const QString& titel, const std::vector<zalvor::Grafikbalken>& balken,
                         const QString& waehrung, QWidget* eltern) {
    auto* real = new QBarSet(QStringLiteral("real"));
    auto* geplant = new QBarSet(QStringLiteral("Planungen"));
    QStringList namen;
    // Stacked bars: positive parts to the right, negative ones to the left.
    double links = 0;
    double rechts = 0;
    // Top to bottom in item order: the category axis runs upwards.
    for (auto it = balken.rbegin(); it != balken.rend(); ++it) {
        namen << ausAnsi(it->name);
        *real << static_cast<double>(it->real);
        *geplant << static_cast<double>(it->geplant);
        const double r = static_cast<double>(it->real);
        const double g = static_cast<double>(it->geplant);
        links = std::min(links, std::min(r, 0.0) + std::min(g, 0.0));
        rechts = std::max(rechts, std::max(r, 0.0) + std::max(g, 0.0));
    }
    auto* reihe = new QHorizontalStackedBarSeries;
    reihe->append(real);
    reihe->append(geplant);
    reihe->setBarWidth(0.7);

    auto* grafik = new QChart;
    grafik->setTitle(titel);
    grafik->addSeries(reihe);
    auto* kategorien = new QBarCategoryAxis;
    kategorien->append(namen);
    QFont klein = kategorien->labelsFont();
    klein.setPointSize(8);
    kategorien->setLabelsFont(klein);
    grafik->addAxis(kategorien, Qt::AlignLeft);
    reihe->attachAxis(kategorien);
    auto* werte = new QValueAxis;
    werte->setTitleText(waehrung);
    werte->setLabelFormat(QStringLiteral("%.0f"));
    grafik->addAxis(werte, Qt::AlignBottom);
    reihe->attachAxis(werte);
    // A closing without figures still gets a scale.
    werte->setRange(links, rechts > links ? rechts : links + 1);
    werte->applyNiceNumbers();
    grafik->legend()->setAlignment(Qt::AlignTop);
    grafik->setAnimationOptions(QChart::NoAnimation);

    auto* ansicht = new QChartView(grafik, eltern);
    ansicht->setRenderHint(QPainter::Antialiasing);
    ansicht->setMinimumHeight(150 + kZeilenhoehe * static_cast<int>(balken.size()));
    return ansicht;
}

} // namespace

TGrafikReiter::TGrafikReiter(const zalvor::Abschlussgrafik& g, QWidget* parent)
    : QScrollArea(parent) {
    setObjectName("Grafik");
    setWidgetResizable(true);
    auto* innen = new QWidget(this);
    auto* l = new QVBoxLayout(innen);
    const QString waehrung = ausAnsi(g.waehrung);
    l->addWidget(balkengrafik(QStringLiteral("Ausgaben je Typ"), g.ausgaben, waehrung, innen));
    l->addWidget(balkengrafik(QStringLiteral("Einnahmen je Typ"), g.einnahmen, waehrung, innen));
    l->addWidget(balkengrafik(QString::fromUtf8("Kontenbestände"), g.konten, waehrung, innen));
    setWidget(innen);
}

} // namespace zalvor::gui
