// The static list of registered command groups.
#include "gui/mainwindow/befehlsgruppen.h"

namespace zalvor::gui {

namespace {

// Function-local so that registrations from other translation units find it built.
std::vector<Befehlsgruppe>& liste() {
    static std::vector<Befehlsgruppe> gruppen;
    return gruppen;
}

} // namespace

void Befehlsgruppen::registrieren(Befehlsgruppe g) {
    liste().push_back(std::move(g));
}

const std::vector<Befehlsgruppe>& Befehlsgruppen::alle() {
    return liste();
}

} // namespace zalvor::gui
