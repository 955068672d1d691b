// The Euro label choice of an installation and of its users: where both programs read and
// keep it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zalvor {

// The two places of the label file "EUROSYMB": beside the program (the installation's
// choice) and the user's configuration folder (the choice of a user who cannot write beside
// the program). An empty folder is no place.
struct Euroablage {
    std::string programmVerzeichnis;
    std::string konfigVerzeichnis;
};

// The user's configuration folder of both programs: $XDG_CONFIG_HOME (when set to an
// absolute path, else ~/.config) + "/zalvor/Zalvor 4.5"; empty without a home folder.
std::string nutzerKonfigurationsordner();

// The label of the file's first line, at most 3 characters.
std::string euroTextAusBytes(const std::vector<std::uint8_t>& inhalt);

// The user's copy when there is one, else the file beside the program, else "EUR".
std::string euroTextLaden(const Euroablage& ablage);
// Written beside the program; where the program's folder takes no file (no permission, a
// read-only system folder, no such folder), into the user's folder. A write beside the program
// removes the user's copy, so that one choice holds.
void euroTextSpeichern(const Euroablage& ablage, const std::string& euroText);

} // namespace zalvor
