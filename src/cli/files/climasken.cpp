// Entry forms of zalvor-cli.
#include "cli/files/climasken.h"

#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/entry/waehrungspruefung.h"
#include "core/files/dateieinstellungen.h"
#include "core/files/sitzung.h"

namespace zalvor::cli {

bool CliMasken::waehrungseinstellungen(Sitzung& s, bool ausMenue) {
    return waehrungsDialog(s, ausMenue, [this](WaehrungsEingaben& e) {
        if (waehrungGezeigt_) {
            abgelehnt = true;
            return false;
        }
        waehrungGezeigt_ = true;
        if (waehrung) e.waehrung = utf8NachAnsi(*waehrung).substr(0, 3);
        if (kurs) e.kurs = kurs->substr(0, 10);
        if (umstellungsjahr) e.umstellungsjahr = umstellungsjahr->substr(0, 2);
        if (umstellungBis) e.umstellungBis = umstellungBis->substr(0, 2);
        return true;
    });
}

bool CliMasken::dateieinstellungen(Sitzung& s) {
    SetDefZellen zellen = setDefZellen(s.verein.def);
    for (const auto& [n, name] : ausgabetypen)
        zellen.ausgaben[static_cast<std::size_t>(n - 1)].name = utf8NachAnsi(name);
    for (const auto& [n, name] : einnahmetypen)
        zellen.einnahmen[static_cast<std::size_t>(n - 1)].name = utf8NachAnsi(name);
    for (const auto& [n, name] : konten)
        zellen.konten[static_cast<std::size_t>(n - 1)].name = utf8NachAnsi(name);
    return setDefUebernehmen(zellen, s.verein.datei.basisname, s.verein.def, s.person);
}

std::optional<std::array<std::string, 9>>
CliMasken::anfangsbestaende(Sitzung&, const std::array<std::string, 9>& vorher) {
    if (bestaendeGezeigt_) {
        abgelehnt = true;
        return std::nullopt;
    }
    bestaendeGezeigt_ = true;
    auto eingaben = vorher;
    for (const auto& [n, betrag] : bestaende)
        eingaben[static_cast<std::size_t>(n - 1)] = utf8NachAnsi(betrag);
    return eingaben;
}

std::optional<std::string> CliMasken::naechstesJahr(Sitzung&, const std::string& vorschlag) {
    if (jahrGezeigt_) {
        abgelehnt = true;
        return std::nullopt;
    }
    jahrGezeigt_ = true;
    // The field holds at most two characters.
    return jahr ? utf8NachAnsi(*jahr).substr(0, 2) : vorschlag;
}

void nummerierteWerte(Argumente& args, const std::string& option, int max,
                      std::map<int, std::string>& ziel) {
    for (const auto& w : args.werte(option)) {
        auto gleich = w.find('=');
        auto n = gleich == std::string::npos ? std::nullopt : ganzzahlLesen(w.substr(0, gleich));
        if (!n || *n < 1 || *n > max)
            throw Aufruffehler(option + " erwartet N=WERT mit N von 1 bis " + std::to_string(max) +
                               ": " + w);
        ziel[static_cast<int>(*n)] = w.substr(gleich + 1);
    }
}

} // namespace zalvor::cli
