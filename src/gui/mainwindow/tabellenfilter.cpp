// The booking table's view order and find filter.
#include "gui/mainwindow/tabellenfilter.h"

#include "core/common/betrag.h"
#include "core/common/real6.h"
#include "core/common/zeichensatz.h"
#include "gui/common/qtext.h"

namespace zalvor::gui {

namespace {

constexpr int kSpalteDatum = 1;
constexpr int kSpalteText = 3;
constexpr int kSpalteBetrag = 4;

} // namespace

TTabellenFilter::TTabellenFilter(TBuchungsModell* quelle, QObject* eltern)
    : QSortFilterProxyModel(eltern), quelle_(quelle) {
    setSourceModel(quelle);
    setSortRole(kSortierRolle);
    setSortLocaleAware(true);
    setDynamicSortFilter(true);
}

void TTabellenFilter::suchen(const QString& text) {
    suchtext_ = text.trimmed();
    betrag_ = zalvor::BetragLesen(
        QString(suchtext_).replace(QLatin1Char(','), QLatin1Char('.')).toStdString());
    invalidateFilter();
}

void TTabellenFilter::dateiReihenfolge() {
    sort(-1);
}

bool TTabellenFilter::filterAcceptsRow(int zeile, const QModelIndex&) const {
    // The empty last row stays: it is where a new booking goes.
    if (suchtext_.isEmpty() || zeile >= quelle_->saetze()) return true;
    const auto texte = quelle_->zeile(zeile);
    const auto& satz = quelle_->satz(zeile);
    const QString felder[] = {ausAnsi(texte[kSpalteText]),
                              ausAnsi(zalvor::OemNachAnsi(satz.anVon.text())),
                              ausAnsi(texte[kSpalteBetrag]).trimmed()};
    for (const QString& f : felder)
        if (f.contains(suchtext_, Qt::CaseInsensitive)) return true;
    if (betrag_ && !satz.geloescht() &&
        zalvor::durchReal6(*betrag_) == zalvor::durchReal6(satz.betrag.wert()))
        return true;
    // " 3.11." is found as "3.11." as well: the padding blanks are the table's, not typed.
    QString datum = ausAnsi(texte[kSpalteDatum]);
    return datum.remove(QLatin1Char(' ')).contains(QString(suchtext_).remove(QLatin1Char(' ')));
}

bool TTabellenFilter::lessThan(const QModelIndex& links, const QModelIndex& rechts) const {
    // The empty last row stays last in both directions.
    const bool linksLeer = links.row() >= quelle_->saetze();
    const bool rechtsLeer = rechts.row() >= quelle_->saetze();
    if (linksLeer || rechtsLeer) {
        if (linksLeer == rechtsLeer) return false;
        return (sortOrder() == Qt::DescendingOrder) == linksLeer;
    }
    return QSortFilterProxyModel::lessThan(links, rechts);
}

} // namespace zalvor::gui
