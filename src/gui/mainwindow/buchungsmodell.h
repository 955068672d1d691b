// Table model of the booking table: the engine's row texts of every record plus one empty row.
#pragma once

#include "mainwindow/mtab.h"

#include <QAbstractTableModel>
#include <QFont>

#include <vector>

namespace zalvor::gui {

class TBuchungsModell : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Header and rows in the Windows form, as the engine makes them.
    void setzen(zalvor::TabellenZeile kopf, std::vector<zalvor::TabellenZeile> zeilen);
    void anhaengen(zalvor::TabellenZeile zeile);
    void ersetzen(int zeile, zalvor::TabellenZeile texte);

    // Number of records shown (the empty last row not counted).
    int saetze() const { return static_cast<int>(zeilen_.size()); }
    const zalvor::TabellenZeile& zeile(int z) const { return zeilen_[static_cast<std::size_t>(z)]; }

  private:
    zalvor::TabellenZeile kopf_{"BuNr", "Datum", "Typ", "Buchungstext", "Betrag", "E/A", "Kto"};
    std::vector<zalvor::TabellenZeile> zeilen_;
    QFont fest_ = festeSchrift();

    static QFont festeSchrift();
};

} // namespace zalvor::gui
