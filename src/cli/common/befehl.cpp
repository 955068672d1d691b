// Command registry and argument parsing.
#include "cli/common/befehl.h"

#include <algorithm>

namespace zalvor::cli {

const Befehl* befehlSuchen(const std::string& name) {
    for (const auto& b : befehle())
        if (b.name == name) return &b;
    return nullptr;
}

std::optional<std::string> Argumente::wert(const std::string& name) {
    auto it = std::find(liste_.begin(), liste_.end(), name);
    if (it == liste_.end()) return std::nullopt;
    if (it + 1 == liste_.end()) throw Aufruffehler(name + " braucht einen Wert");
    std::string w = *(it + 1);
    liste_.erase(it, it + 2);
    return w;
}

std::vector<std::string> Argumente::werte(const std::string& name) {
    std::vector<std::string> alle;
    while (auto w = wert(name))
        alle.push_back(*w);
    return alle;
}

std::vector<std::pair<std::string, std::string>>
Argumente::werteInFolge(const std::vector<std::string>& namen) {
    std::vector<std::pair<std::string, std::string>> alle;
    for (;;) {
        auto it = std::find_if(liste_.begin(), liste_.end(), [&](const std::string& a) {
            return std::find(namen.begin(), namen.end(), a) != namen.end();
        });
        if (it == liste_.end()) return alle;
        const std::string name = *it;
        alle.emplace_back(name, *wert(name));
    }
}

bool Argumente::schalter(const std::string& name) {
    auto it = std::find(liste_.begin(), liste_.end(), name);
    if (it == liste_.end()) return false;
    liste_.erase(it);
    return true;
}

std::string Argumente::position(const std::string& bezeichnung) {
    auto it = std::find_if(liste_.begin(), liste_.end(),
                           [](const std::string& a) { return a.rfind("--", 0) != 0; });
    if (it == liste_.end()) throw Aufruffehler(bezeichnung + " fehlt");
    std::string w = *it;
    liste_.erase(it);
    return w;
}

std::string Argumente::letzte(const std::string& bezeichnung) {
    std::string w = position(bezeichnung);
    fertig();
    return w;
}

void Argumente::fertig() const {
    if (!liste_.empty()) throw Aufruffehler("unbekanntes Argument: " + liste_.front());
}

} // namespace zalvor::cli
