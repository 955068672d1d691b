// Table model of the booking table: every record of the file plus one empty row.
#pragma once

#include "core/common/typverwaltung.h"
#include "core/files/buchung.h"
#include "core/mainwindow/tabellentexte.h"

#include <QAbstractTableModel>
#include <QFont>

#include <vector>

namespace zalvor::gui {

// Sort key of a cell: the date by month and day, the amount by value, the booking number by
// number where it is one; other columns by their text.
inline constexpr int kSortierRolle = Qt::UserRole;

// Holds the records as read and the type names of the fill; the row texts of a record are
// made when the view asks for them, so a fill costs one pass over the file and no more.
class TBuchungsModell : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setzen(zalvor::TabellenZeile kopf, std::vector<zalvor::TBuchung> saetze,
                const zalvor::Typverwaltung& typen);
    void anhaengen(const zalvor::TBuchung& satz);
    // No record, the header as it was.
    void leeren();
    void ersetzen(int zeile, const zalvor::TBuchung& satz);

    // Number of records shown (the empty last row not counted).
    int saetze() const { return static_cast<int>(saetze_.size()); }
    // Cell texts of a record row, Windows form.
    zalvor::TabellenZeile zeile(int z) const;
    // Every record as read, in file order.
    const std::vector<zalvor::TBuchung>& alle() const { return saetze_; }
    // The record of a row (0 <= z < saetze()).
    const zalvor::TBuchung& satz(int z) const { return saetze_[static_cast<std::size_t>(z)]; }

  private:
    zalvor::TabellenZeile kopf_{"BuNr", "Datum", "Typ", "Buchungstext", "Betrag", "E/A", "Kto"};
    std::vector<zalvor::TBuchung> saetze_;
    zalvor::Typverwaltung typen_;
    QFont fest_ = festeSchrift();
    // The view asks for the seven cells of a row one after the other.
    mutable int zwischenZeile_ = -1;
    mutable zalvor::TabellenZeile zwischen_;

    static QFont festeSchrift();
    QVariant sortierwert(int z, int spalte) const;
};

} // namespace zalvor::gui
