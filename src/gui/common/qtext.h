// Text at the border between the engine (Windows-1252 bytes) and Qt (QString).
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zalvor::gui {

// Engine text (Windows form) to QString.
QString ausAnsi(std::string_view windows);
// QString to engine text (Windows form); characters Windows-1252 lacks become "?".
std::string nachAnsi(const QString& text);

} // namespace zalvor::gui
