// Program-wide state of the active file.
#include "core/files/sitzung.h"

namespace zalvor {

void Sitzung::vorgabeDatumZuruecksetzen() {
    Datum d = uhr.heute();
    vorgabeTag = std::to_string(d.tag);
    vorgabeMonat = std::to_string(d.monat);
}

void Sitzung::dateiErforderlich() {
    zalvor::dateiErforderlich(verein.datei, person);
}

std::unique_ptr<Sitzung> sitzungAnlegen(Person& p, const Uhr& u, std::string programmVerzeichnis) {
    auto s = std::make_unique<Sitzung>(
        p, u, Euroablage{std::move(programmVerzeichnis), nutzerKonfigurationsordner()});
    s->verein.datei.jahr = Kalenderjahr(u);
    s->euroText = euroTextLaden(s->euroablage);
    s->vorgabeDatumZuruecksetzen();
    return s;
}

} // namespace zalvor
