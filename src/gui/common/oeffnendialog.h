// The open dialog's view of a folder: reorganisation backups ("~...") are not offered.
#pragma once

#include <QSortFilterProxyModel>

namespace zalvor::gui {

class OhneSicherungskopien : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

  protected:
    bool filterAcceptsRow(int zeile, const QModelIndex& eltern) const override;
};

} // namespace zalvor::gui
