// The rules of the commands, declared once: which need an open file and which read-only mode
// refuses. Both front ends ask here; the desktop program enables its items from it.
#pragma once

#include <string_view>
#include <vector>

namespace zalvor {

struct Sitzung;

struct Befehlsregel {
    // The stable id shared by the menu item, the tool button and the command line.
    std::string_view id;
    // Disabled until a booking file has been opened or created.
    bool brauchtDatei = true;
    // Changes a stored file: refused while the file is open read-only (read-only code).
    bool schreibt = false;
    // A member item: disabled while the member file holds no member.
    bool brauchtMitglieder = false;
};

const std::vector<Befehlsregel>& befehlsregeln();
// The rule of a command id, or null for an id without rules (always available).
const Befehlsregel* befehlsregel(std::string_view id);

// Whether the command may run in the present state (for enabling items; no message).
bool befehlVerfuegbar(const Sitzung& s, std::string_view id);
// Before a command runs: with no active file or in read-only mode the person is told why
// and the command ends (BefehlAbgebrochen).
void befehlPruefen(Sitzung& s, std::string_view id);

} // namespace zalvor
