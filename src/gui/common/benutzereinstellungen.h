// The per-user settings of the desktop program (recent clubs, column widths).
#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace zalvor::gui {

// The user's configuration folder of both programs (the engine's nutzerKonfigurationsordner).
QString konfigOrdner();
// The settings file in that folder, in a readable text format.
std::unique_ptr<QSettings> benutzerEinstellungen();

} // namespace zalvor::gui
