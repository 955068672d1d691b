// Building the member list.
#include "core/members/mitgliederliste.h"

#include "core/common/befehlsregeln.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedereinstellungen.h"
#include "core/members/mitgliedsdatei.h"

namespace zalvor {

std::string spaltenwahlText() {
    return A("Welche Felder sollen in der Tabelle mit angezeigt werden?");
}

std::array<std::string, 7> spaltenwahlTitel(const TDefinitionen& def) {
    std::array<std::string, 7> r;
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        r[i] = OemNachAnsi(def.freiFelder[i + 1]);
    r[5] = "Beitragssatz (Beschr.)";
    r[6] = "Beitragssatz (Betrag)";
    return r;
}

std::optional<Bericht> mitgliederlisteErstellen(Sitzung& s, const Spaltenwahl& wahl) {
    befehlPruefen(s, Befehlsart::MitgliederListe);
    const std::string pfad = s.verein.datei.dateien().mitglieder();
    std::vector<TMitglied> liste;
    try {
        if (!dateiExistiert(pfad)) throw EAFehler(ENOENT, pfad);
        liste = mitgliederLesen(pfad);
    } catch (const EAFehler&) {
        s.person.meldung(A("Fehler!"), A("Kann Mitgliederdatei nicht öffnen!"), Symbol::Fehler);
        return std::nullopt;
    }
    return mitgliederliste(s, liste, wahl);
}

Bericht mitgliederliste(const Sitzung& s, const std::vector<TMitglied>& liste,
                        const Spaltenwahl& wahl) {
    const Datum heute = s.uhr.heute();
    Bericht b;
    b.fenstertitel = A("Mitgliederliste für Datei: ") + utf8NachAnsi(s.verein.datei.basisname) +
                     " (Stand: " + std::to_string(heute.tag) + "." + std::to_string(heute.monat) +
                     "." + Kalenderjahr(s.uhr) + ")";
    Raster r;
    r.kopf.push_back("Mitglied");
    if (wahl.beschreibung) r.kopf.push_back("Beitrag");
    if (wahl.betrag) r.kopf.push_back("Beitragssatz");
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        if (wahl.frei[i]) r.kopf.push_back(OemNachAnsi(s.verein.def.freiFelder[i + 1]));
    r.kopf.push_back("Bez");
    r.zeilen.reserve(liste.size());
    for (const TMitglied& m : liste) {
        const Beitragssatz& e = s.verein.beitraege.eintrag(m.satz);
        std::vector<std::string> z{OemNachAnsi(mitgliedName(m))};
        if (wahl.beschreibung) z.push_back(e.name.text());
        if (wahl.betrag) z.push_back(centText(e.cent));
        for (std::size_t i = 0; i < kFreiFelder; ++i)
            if (wahl.frei[i]) z.push_back(OemNachAnsi(m.frei[i].text()));
        z.push_back(m.bezahlt ? " X" : " -");
        r.zeilen.push_back(std::move(z));
    }
    b.reiter.push_back(Reiter{{}, {std::move(r)}});
    return b;
}

} // namespace zalvor
