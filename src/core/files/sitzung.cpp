// Program-wide state of the active file.
#include "core/files/sitzung.h"

#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"

namespace zalvor {

void Sitzung::vorgabeDatumZuruecksetzen() {
    Datum d = uhr.heute();
    vorgabeTag = std::to_string(d.tag);
    vorgabeMonat = std::to_string(d.monat);
}

void Sitzung::dateiErforderlich() {
    if (datei.aktiv()) return;
    person.meldung(A("Fehler!"),
                   A("Es ist keine Buchungsdatei geöffnet. Öffnen Sie eine Datei oder legen Sie "
                     "eine neue an."),
                   Symbol::Fehler);
    throw BefehlAbgebrochen();
}

std::unique_ptr<Sitzung> sitzungAnlegen(Person& p, const Uhr& u, std::string programmVerzeichnis) {
    auto s = std::make_unique<Sitzung>(
        p, u, Euroablage{std::move(programmVerzeichnis), nutzerKonfigurationsordner()});
    s->datei.jahr = Kalenderjahr(u);
    s->euroText = euroTextLaden(s->euroablage);
    s->vorgabeDatumZuruecksetzen();
    return s;
}

} // namespace zalvor
