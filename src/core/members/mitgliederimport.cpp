// Import of the old member file at opening.
#include "core/members/mitgliederimport.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/person.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateisatz.h"
#include "core/members/mitgliedsdatei.h"

#include <vector>

namespace zalvor {

bool altesMitgliederformatImportieren(const Dateisatz& d, Person& person) {
    if (dateiExistiert(d.mitglieder()) || !dateiExistiert(d.mitgliederAlt())) return false;
    try {
        BinaerDatei alt(d.mitgliederAlt(), BinaerDatei::Modus::Lesen);
        const std::uint64_t anzahl = alt.groesse() / TMitglied::kGroesseAlt;
        std::vector<std::uint8_t> bytes(anzahl * TMitglied::kGroesseAlt);
        if (!bytes.empty()) alt.lesen(0, bytes.data(), bytes.size());
        std::vector<TMitglied> liste;
        liste.reserve(anzahl);
        std::array<std::uint8_t, TMitglied::kGroesse> satz{};
        for (std::uint64_t i = 0; i < anzahl; ++i) {
            std::copy_n(bytes.data() + i * TMitglied::kGroesseAlt, TMitglied::kGroesseAlt,
                        satz.begin());
            satz[TMitglied::kGroesseAlt] = 0; // standard rate
            liste.push_back(TMitglied::entpacken(satz.data()));
        }
        mitgliederSchreiben(d.mitglieder(), liste);
    } catch (const EAFehler&) {
        person.meldung(A("Fehler"),
                       A("Beim Versuch, Ihre alte Mitgliederkartei ins neue Format zu "
                         "importieren, ist ein Fehler aufgetreten!"),
                       Symbol::Fehler);
        return false;
    }
    person.meldung(A("Import erfolgt"),
                   A("Ihre alte Mitgliederkartei wurde erfolgreich importiert. Sie können nun "
                     "ggf. den Mitgliedern andere Beitragssätze zuordnen."),
                   Symbol::Information);
    return true;
}

bool mitgliederVorhanden(const Dateisatz& d) {
    return mitgliederAnzahl(d.mitglieder()) > 0;
}

} // namespace zalvor
