// Windows-1252 <-> QString through the engine's one conversion table.
#include "gui/common/qtext.h"

#include "core/common/zeichensatz.h"

namespace zalvor::gui {

QString ausAnsi(std::string_view windows) {
    return QString::fromStdString(zalvor::ansiNachUtf8(windows));
}

std::string nachAnsi(const QString& text) {
    return zalvor::utf8NachAnsi(text.toStdString());
}

} // namespace zalvor::gui
