// zalvor-cli dateiliste: opens or creates a file list, adds and removes files as the file
// list window does, and shows the list.
#include "cli/common/ausgabe.h"
#include "cli/common/befehl.h"
#include "core/closing/dateiliste.h"
#include "core/closing/dateilisteoeffnen.h"
#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"

#include <filesystem>

namespace zalvor::cli {

namespace {

// A path as the open dialog gives it: complete.
std::string vollerPfad(const std::string& pfad) {
    return std::filesystem::absolute(pfad).lexically_normal().string();
}

struct Aenderung {
    bool hinzufuegen = false;
    std::string datei;
    std::size_t nr = 0;
};

std::vector<Aenderung> aenderungenLesen(Argumente& args) {
    std::vector<Aenderung> alle;
    for (const auto& [option, wert] : args.werteInFolge({"--hinzufuegen", "--entfernen"})) {
        if (option == "--hinzufuegen") {
            alle.push_back({true, vollerPfad(wert), 0});
            continue;
        }
        const auto nr = ganzzahlLesen(wert);
        if (!nr || *nr < 0) throw Aufruffehler("--entfernen erwartet eine Nummer ab 0: " + wert);
        alle.push_back({false, {}, static_cast<std::size_t>(*nr)});
    }
    return alle;
}

int dateiliste(Kontext& k) {
    const bool neu = k.args.schalter("--neu");
    const std::vector<Aenderung> aenderungen = aenderungenLesen(k.args);
    const std::string name = vollerPfad(k.args.position("LISTE"));
    k.args.fertig();
    Person& person = k.sitzung.person;
    const auto geoeffnet = neu ? neueDateiliste(festeWahl(name), person)
                               : dateilisteOeffnen(festeWahl(name), k.sitzung.uhr, person);
    if (!geoeffnet) return kAbgelehnt;
    Dateiliste l = *geoeffnet;
    dateilisteHinweis(person);
    bool abgelehnt = false;
    for (const Aenderung& a : aenderungen) {
        if (a.hinzufuegen) {
            abgelehnt = !dateiHinzufuegen(l, festeWahl(a.datei), person) || abgelehnt;
            continue;
        }
        if (a.nr >= l.dateien.size()) {
            k.err << "zalvor-cli dateiliste: die Liste hat keinen Eintrag " << a.nr << "\n";
            abgelehnt = true;
            continue;
        }
        abgelehnt = !dateiEntfernen(l, a.nr, person) || abgelehnt;
    }
    if (!aenderungen.empty() && !dateilisteSpeichern(l, person)) return kEAFehler;
    Raster r;
    r.titel = l.fenstertitel();
    r.kopf = {"Datei"};
    for (const std::string& d : l.anzeige())
        r.zeilen.push_back({utf8NachAnsi(d)});
    rasterAusgeben(k.out, k.format, r);
    return abgelehnt ? kAbgelehnt : kFertig;
}

} // namespace

Befehl befehlDateiliste() {
    return {
        "dateiliste", "LISTE [--neu] [--hinzufuegen DATEI]... [--entfernen NR]...",
        "öffnet (mit der Jahresfrage) oder legt (--neu) eine Dateiliste an, fügt Dateien hinzu und "
        "entfernt Einträge (NR ab 0) in der angegebenen Folge, speichert und zeigt die Liste",
        Befehlsart::DateilisteOeffnen, dateiliste};
}

} // namespace zalvor::cli
