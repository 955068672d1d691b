// Booking file arguments of the CLI commands.
#include "cli/common/dateiargument.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/gesperrtmeldung.h"
#include "core/common/sperre.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateiname.h"

namespace zalvor::cli {

namespace {

// A writing command holds the club's lock until it ends; one that finds it held by another
// program ends before it opens anything.
void sperren(Kontext& k, const std::string& name) {
    auto wahl = dateinamePruefen(name, k.sitzung.verein.datei.jahr, k.sitzung.person);
    if (!wahl) throw BefehlAbgebrochen();
    Sitzung& s = k.sitzung;
    s.verein.datei.basisname = wahl->basisname;
    s.verein.datei.jahr = wahl->jahr;
    if (!dateiExistiert(s.verein.datei.dateiname()))
        throw Aufruffehler("Buchungsdatei " + s.verein.datei.dateiname() + " nicht gefunden");
    if (!namenPassen(s.verein.datei.dateien(), s.person)) throw BefehlAbgebrochen();
    // Another command may be at work on the club: it is waited for.
    if (s.sperre.nehmen(s.verein.datei.dateien().sperre(), Sperre::wartezeit)) return;
    gesperrtMelden(s.person, s.verein.datei.dateiname(),
                   A("wird gerade von einem anderen Programm bearbeitet. Der Befehl ändert "
                     "nichts; lesende Befehle sind weiter möglich."));
    throw BefehlAbgebrochen();
}

} // namespace

void dateiLaden(Kontext& k, const std::string& name, std::optional<Befehlsart> regel,
                const OeffnenOptionen& optionen) {
    const Befehlsart art = regel.value_or(k.regel);
    if (zalvor::regel(art).absicht != Absicht::Lesen) sperren(k, name);
    switch (dateiOeffnenBefehl(k.sitzung, name, optionen)) {
    case OeffnenErgebnis::NameAbgelehnt:
        throw BefehlAbgebrochen();
    case OeffnenErgebnis::NichtVorhanden:
        throw Aufruffehler("Buchungsdatei " + k.sitzung.verein.datei.dateiname() +
                           " nicht gefunden");
    case OeffnenErgebnis::Geoeffnet:
        break;
    }
    befehlPruefen(k.sitzung, art);
}

std::unique_ptr<Sitzung> sitzungFuerNeueDatei(Kontext& k, Person& person) {
    auto s = std::make_unique<Sitzung>(person, k.sitzung.uhr, k.sitzung.euroablage);
    s->euroText = k.sitzung.euroText;
    s->verein.datei.jahr = k.sitzung.verein.datei.jahr;
    s->vorgabeDatumZuruecksetzen();
    return s;
}

} // namespace zalvor::cli
