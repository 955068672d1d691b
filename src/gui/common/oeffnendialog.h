// The program's open dialogs: reorganisation backups ("~...") are not offered.
#pragma once

#include <QSortFilterProxyModel>

class QFileDialog;
class QString;

namespace zalvor::gui {

// An open dialog of the program's own kind (the same on every desktop) for an existing or a
// new file: filter, default extension, start folder (empty: the dialog's own), no backups.
void oeffnenVorbereiten(QFileDialog& dlg, const QString& filter, const QString& endung,
                        const QString& ordner);

class OhneSicherungskopien : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

  protected:
    bool filterAcceptsRow(int zeile, const QModelIndex& eltern) const override;
};

} // namespace zalvor::gui
