// The open dialogs and their view of a folder without reorganisation backups.
#include "gui/common/oeffnendialog.h"

#include "core/files/dateisatz.h"

#include <QFileDialog>
#include <QFileSystemModel>

namespace zalvor::gui {

void oeffnenVorbereiten(QFileDialog& dlg, const QString& filter, const QString& endung,
                        const QString& ordner) {
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setNameFilter(filter);
    dlg.setDefaultSuffix(endung);
    // The proxy needs the program's own dialog.
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setProxyModel(new OhneSicherungskopien(&dlg));
    if (!ordner.isEmpty()) dlg.setDirectory(ordner);
}

bool OhneSicherungskopien::filterAcceptsRow(int zeile, const QModelIndex& eltern) const {
    const auto* dateien = qobject_cast<const QFileSystemModel*>(sourceModel());
    const QModelIndex i = sourceModel()->index(zeile, 0, eltern);
    // Folders stay, whatever their name: the way to other clubs must remain open.
    if (dateien && dateien->isDir(i)) return true;
    return !zalvor::Dateisatz::istSicherungskopie(i.data().toString().toStdString());
}

} // namespace zalvor::gui
