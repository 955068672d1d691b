// The preview of a statement import: per line the proposal (type, account, status), which
// the person may change or leave out, the reconciliation line, and "&Buchen" for the chosen
// lines. The engine plans, books and reconciles; the window shows its grid.
#pragma once

#include "core/bank/kontoauszugimport.h"
#include "core/sepa/beitragsimport.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace zalvor {
struct Sitzung;
}

namespace zalvor::gui {

class Kontoauszugmodell : public QAbstractTableModel {
  public:
    Kontoauszugmodell(Sitzung& s, bank::Importplan& plan, QObject* eltern);
    int rowCount(const QModelIndex& = {}) const override;
    int columnCount(const QModelIndex& = {}) const override;
    QVariant data(const QModelIndex& i, int rolle) const override;
    QVariant headerData(int spalte, Qt::Orientation o, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;
    bool setData(const QModelIndex& i, const QVariant& wert, int rolle) override;
    // The engine's grid again, after a change or the booking.
    void auffrischen();

    static constexpr int kBuchen = 0;
    static constexpr int kTyp = 6;
    static constexpr int kKonto = 7;

  private:
    Sitzung& s_;
    bank::Importplan& plan_;
    Raster raster_;
};

class KontoauszugFenster : public QDialog {
  public:
    // `beitraege` (may be null) marks the members whose contributions the import books.
    KontoauszugFenster(Sitzung& s, Datenbank& db, bank::Importplan plan, QWidget* eltern,
                       sepa::Beitragsimport* beitraege = nullptr);
    QTableView* tabelle() const { return tabelle_; }

  private:
    void abgleichZeigen(bool vorschau);
    void buchen();

    Sitzung& s_;
    Datenbank& db_;
    bank::Importplan plan_;
    sepa::Beitragsimport* beitraege_;
    Kontoauszugmodell* modell_;
    QTableView* tabelle_;
    QLabel* abgleich_;
    QPushButton* buchenKnopf_;
    QPushButton* schliessenKnopf_;
};

} // namespace zalvor::gui
