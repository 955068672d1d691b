// Cell texts of the settings dialog and storing what was edited in it.
#include "core/files/dateieinstellungen.h"

#include "core/common/zeichensatz.h"

namespace zalvor {

namespace {

std::string nrRechtsbuendig(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? " " + s : s;
}

} // namespace

SetDefZellen setDefZellen(const TDefinitionen& d) {
    SetDefZellen z;
    for (int n = 1; n <= kTypen; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        z.ausgaben[i] = {nrRechtsbuendig(n), d.typen.typName(Seite::Ausgabe, n)};
        z.einnahmen[i] = {nrRechtsbuendig(n), d.typen.typName(Seite::Einnahme, n)};
    }
    for (int k = 1; k <= kKonten; ++k)
        z.konten[static_cast<std::size_t>(k - 1)] = {
            std::to_string(k), OemNachAnsi(d.konten[static_cast<std::size_t>(k)])};
    return z;
}

bool setDefUebernehmen(const SetDefZellen& zellen, const std::string& basisname, TDefinitionen& d,
                       Person& person) {
    for (int n = 1; n <= kTypen; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        d.typen.setzeTypName(Seite::Ausgabe, n, zellen.ausgaben[i].name);
        d.typen.setzeTypName(Seite::Einnahme, n, zellen.einnahmen[i].name);
    }
    for (int k = 1; k <= kKonten; ++k)
        d.konten[static_cast<std::size_t>(k)] =
            AnsiNachOem(zellen.konten[static_cast<std::size_t>(k - 1)].name).substr(0, 10);
    return definitionenSchreiben(basisname, d, person);
}

} // namespace zalvor
