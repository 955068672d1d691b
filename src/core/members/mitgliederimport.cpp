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
        const std::vector<TMitglied> liste =
            alteMitgliederAusBytes(dateiLesen(d.mitgliederAlt())).wert;
        mitgliederSchreiben(d.mitglieder(), liste);
    } catch (const EAFehler&) {
        person.fehlermeldung(Ausgang::EAFehler, A("Fehler"),
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
