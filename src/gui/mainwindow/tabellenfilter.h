// The booking table's view order and find filter: a proxy over the table's model, so that
// sorting and finding never touch the file or its order.
#pragma once

#include "gui/mainwindow/buchungsmodell.h"

#include <QSortFilterProxyModel>

#include <optional>

namespace zalvor::gui {

class TTabellenFilter : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit TTabellenFilter(TBuchungsModell* quelle, QObject* eltern = nullptr);

    // Rows whose text, payee, amount or date contain `text` (any case), and rows of the amount
    // `text` reads as (with a decimal comma or point, as the booking dialog takes it); empty
    // shows all.
    void suchen(const QString& text);
    const QString& suchtext() const { return suchtext_; }
    // Back to file order.
    void dateiReihenfolge();

  protected:
    bool filterAcceptsRow(int zeile, const QModelIndex& eltern) const override;
    bool lessThan(const QModelIndex& links, const QModelIndex& rechts) const override;

  private:
    TBuchungsModell* quelle_;
    QString suchtext_;
    std::optional<long double> betrag_;
};

} // namespace zalvor::gui
