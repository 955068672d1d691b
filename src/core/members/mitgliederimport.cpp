// Import of the old member file at opening.
#include "core/members/mitgliederimport.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedsdatei.h"

#include <vector>

namespace zalvor {

bool altesMitgliederformatImportieren(Sitzung& s) {
    const Dateisatz d = s.datei.dateien();
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
        s.person.meldung(A("Fehler"),
                         A("Beim Versuch, Ihre alte Mitgliederkartei ins neue Format zu "
                           "importieren, ist ein Fehler aufgetreten!"),
                         Symbol::Fehler);
        return false;
    }
    s.person.meldung(A("Import erfolgt"),
                     A("Ihre alte Mitgliederkartei wurde erfolgreich importiert. Sie können nun "
                       "ggf. den Mitgliedern andere Beitragssätze zuordnen."),
                     Symbol::Information);
    return true;
}

void mitgliederBeimOeffnen(Sitzung& s) {
    altesMitgliederformatImportieren(s);
    // Without a member file the items are disabled too: they must not keep the state of the
    // file that was open before.
    s.mitgliederVorhanden = mitgliederAnzahl(s.datei.dateien().mitglieder()) > 0;
    s.melden({Ereignis::Art::MitgliederGeaendert});
}

void mitgliederFuerNeueDatei(Sitzung& s) {
    s.beitraege = vorgabeSaetze(s.def);
    s.mitgliederVorhanden = mitgliederAnzahl(s.datei.dateien().mitglieder()) > 0;
    s.melden({Ereignis::Art::MitgliederGeaendert});
}

} // namespace zalvor
