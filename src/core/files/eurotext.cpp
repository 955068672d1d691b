// Reading and keeping the Euro label.
#include "core/files/eurotext.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/files/dateischreiben.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace zalvor {

namespace {

// File names compare without regard to letter case.
std::string labeldatei(const std::string& verzeichnis) {
    return aufgeloest(pfadVerbinden(verzeichnis, "EUROSYMB"));
}

// The user's folder is a place only when there is one; the program's folder always is.
bool nutzerkopie(const Euroablage& ablage) {
    return !ablage.konfigVerzeichnis.empty() &&
           dateiExistiert(labeldatei(ablage.konfigVerzeichnis));
}

bool ordnerNimmtNichts(int fehlernummer) {
    return fehlernummer == EACCES || fehlernummer == EPERM || fehlernummer == EROFS ||
           fehlernummer == ENOENT || fehlernummer == ENOTDIR;
}

} // namespace

std::string nutzerKonfigurationsordner() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string basis;
    if (xdg != nullptr && xdg[0] == '/') {
        basis = xdg;
    } else {
        const char* heim = std::getenv("HOME");
        if (heim == nullptr || heim[0] == '\0') return {};
        basis = pfadVerbinden(heim, ".config");
    }
    // The folder the desktop program's settings library names for its organisation and
    // program name.
    return pfadVerbinden(pfadVerbinden(basis, "zalvor"), "Zalvor 4.5");
}

std::string euroTextAusBytes(const std::vector<std::uint8_t>& inhalt) {
    const auto zeilen = textzeilen(inhalt);
    return zeilen.empty() ? std::string() : zeilen.front().substr(0, 3);
}

std::string euroTextLaden(const Euroablage& ablage) {
    if (nutzerkopie(ablage))
        return euroTextAusBytes(dateiLesen(labeldatei(ablage.konfigVerzeichnis)));
    const std::string beimProgramm = labeldatei(ablage.programmVerzeichnis);
    if (!dateiExistiert(beimProgramm)) return "EUR";
    return euroTextAusBytes(dateiLesen(beimProgramm));
}

void euroTextSpeichern(const Euroablage& ablage, const std::string& euroText) {
    try {
        textdateiSchreiben(labeldatei(ablage.programmVerzeichnis), {euroText});
    } catch (const EAFehler& e) {
        // A folder that takes no file (no permission, a read-only system folder, none at
        // all) leaves the choice to the user's folder; a full or failing disk is reported.
        if (ablage.konfigVerzeichnis.empty() || !ordnerNimmtNichts(e.nummer())) throw;
        std::error_code fehler;
        std::filesystem::create_directories(ablage.konfigVerzeichnis, fehler);
        if (fehler) throw EAFehler(fehler.value(), ablage.konfigVerzeichnis);
        textdateiSchreiben(labeldatei(ablage.konfigVerzeichnis), {euroText});
        return;
    }
    if (nutzerkopie(ablage)) dateiLoeschen(labeldatei(ablage.konfigVerzeichnis));
}

} // namespace zalvor
