// The booking table's view order and find filter: a proxy over the table's model, so that
// sorting and finding never touch the file or its order.
#pragma once

#include <QSortFilterProxyModel>

namespace zalvor::gui {

class TBuchungsModell;

// Sort key of a cell (Qt::UserRole of the model): the date by month and day, the amount by
// value, the booking number by number where it is one; other columns by their text.
inline constexpr int kSortierRolle = Qt::UserRole;

class TTabellenFilter : public QSortFilterProxyModel {
    Q_OBJECT

  public:
    explicit TTabellenFilter(TBuchungsModell* quelle, QObject* eltern = nullptr);

    // Rows whose text, payee, amount or date contain `text` (any case); empty shows all.
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
};

} // namespace zalvor::gui
