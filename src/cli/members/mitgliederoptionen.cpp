// Option readers of the member commands.
#include "cli/members/mitgliederoptionen.h"

#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"

#include <sstream>

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

Spaltenwahl spaltenwahlLesen(const std::string& text) {
    Spaltenwahl wahl;
    std::istringstream in(text);
    std::string name;
    while (std::getline(in, name, ',')) {
        if (name == "beschreibung")
            wahl.beschreibung = true;
        else if (name == "betrag")
            wahl.betrag = true;
        else if (name.size() == 5 && name.rfind("frei", 0) == 0 && name[4] >= '1' && name[4] <= '5')
            wahl.frei[static_cast<std::size_t>(name[4] - '1')] = true;
        else
            throw Aufruffehler("--spalten: unbekannte Spalte " + name);
    }
    return wahl;
}

} // namespace zalvor::cli
