// The open dialog's view of a folder without reorganisation backups.
#include "gui/mainwindow/oeffnendialog.h"

#include "core/files/dateisatz.h"

#include <QFileSystemModel>

namespace zalvor::gui {

bool OhneSicherungskopien::filterAcceptsRow(int zeile, const QModelIndex& eltern) const {
    const auto* dateien = qobject_cast<const QFileSystemModel*>(sourceModel());
    const QModelIndex i = sourceModel()->index(zeile, 0, eltern);
    // Folders stay, whatever their name: the way to other clubs must remain open.
    if (dateien && dateien->isDir(i)) return true;
    return !zalvor::Dateisatz::istSicherungskopie(i.data().toString().toStdString());
}

} // namespace zalvor::gui
