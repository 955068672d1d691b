// The per-user settings of the desktop program.
#include "gui/common/benutzereinstellungen.h"

#include <QStandardPaths>

namespace zalvor::gui {

QString konfigOrdner() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

std::unique_ptr<QSettings> benutzerEinstellungen() {
    // One explicit file instead of the platform's default, so that the folder of the Euro
    // label and of the settings is the same one.
    return std::make_unique<QSettings>(konfigOrdner() + QStringLiteral("/zalvor.conf"),
                                       QSettings::IniFormat);
}

} // namespace zalvor::gui
