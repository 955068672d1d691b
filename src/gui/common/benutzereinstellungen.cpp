// The per-user settings of the desktop program.
#include "gui/common/benutzereinstellungen.h"

#include "core/files/eurotext.h"

namespace zalvor::gui {

// The engine's rule, so that the settings and the Euro label share one folder in both
// programs.
QString konfigOrdner() {
    return QString::fromStdString(nutzerKonfigurationsordner());
}

std::unique_ptr<QSettings> benutzerEinstellungen() {
    // One explicit file instead of the platform's default, so that the folder of the Euro
    // label and of the settings is the same one.
    return std::make_unique<QSettings>(konfigOrdner() + QStringLiteral("/zalvor.conf"),
                                       QSettings::IniFormat);
}

} // namespace zalvor::gui
