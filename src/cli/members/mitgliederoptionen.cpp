// Option readers of the member commands.
#include "members/mitgliederoptionen.h"

#include "common/betrag.h"
#include "common/zeichensatz.h"

namespace zalvor::cli {

int zahlOption(const std::string& text, int von, int bis, const std::string& option) {
    const auto n = ganzzahlLesen(text);
    if (!n || *n < von || *n > bis)
        throw Aufruffehler(option + ": " + text + " ist keine Zahl von " + std::to_string(von) +
                           " bis " + std::to_string(bis));
    return static_cast<int>(*n);
}

std::pair<int, std::string> nummerWert(const std::string& text, int bis,
                                       const std::string& option) {
    const auto gleich = text.find('=');
    if (gleich == std::string::npos) throw Aufruffehler(option + " erwartet N=WERT: " + text);
    return {zahlOption(text.substr(0, gleich), 1, bis, option),
            utf8NachAnsi(text.substr(gleich + 1))};
}

} // namespace zalvor::cli
