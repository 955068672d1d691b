// The member card's mandate entries between the card and the club database.
#include "core/sepa/mandatskarte.h"

#include "core/common/dateisystem.h"
#include "core/common/zeichensatz.h"
#include "core/sepa/mandatsdaten.h"

namespace zalvor::sepa {

namespace {

std::optional<std::string> wennGesetzt(const std::string& windows) {
    if (windows.empty()) return std::nullopt;
    return ansiNachUtf8(windows);
}

// The entries as a change; false for a date that cannot be read.
bool eingabe(const MandatsKarte& k, MandatsEingabe& e) {
    e.iban = wennGesetzt(k.iban);
    e.bic = ansiNachUtf8(k.bic);
    e.inhaber = wennGesetzt(k.inhaber);
    e.referenz = wennGesetzt(k.referenz);
    if (k.datum.empty()) return true;
    e.datum = datumAusAnzeige(k.datum);
    return e.datum.has_value();
}

} // namespace

MandatsKarte mandatsKarteFuellen(const std::string& pfad, std::span<const TMitglied> kartei,
                                 std::optional<std::size_t> nummer) {
    MandatsKarte k;
    if (!nummer || !dateiExistiert(pfad)) return k;
    auto db = Datenbank::lesen(pfad);
    if (!db) return k;
    const auto m = mandatDes(*db, kartei, *nummer);
    if (!m) return k;
    k.iban = m->iban;
    k.bic = m->bic;
    k.inhaber = utf8NachAnsi(m->inhaber);
    k.referenz = utf8NachAnsi(m->referenz);
    k.datum = datumAnzeige(m->unterschrieben);
    k.sequenz = m->eingezogen ? A("Folgelastschrift (RCUR)") : A("Erstlastschrift (FRST)");
    return k;
}

std::optional<std::string> mandatsKarteFehler(const MandatsKarte& k, const Datum& heute) {
    if (k.iban.empty()) return std::nullopt;
    MandatsEingabe e;
    if (!eingabe(k, e)) return A("Ungültiges Datum der Unterschrift!");
    return mandatsEingabeFehler(e, heute);
}

Ergebnis<void> mandatsKarteSpeichern(const std::string& pfad, std::span<const TMitglied> kartei,
                                     std::size_t nummer, const MandatsKarte& k,
                                     const Datum& heute) {
    if (k.iban.empty() && !dateiExistiert(pfad)) return {};
    auto db = Datenbank::schreiben(pfad);
    if (!db) return Abweisung{db.meldung()};
    if (k.iban.empty()) {
        mandatBeenden(*db, kartei, nummer);
        return {};
    }
    MandatsEingabe e;
    if (!eingabe(k, e)) return Abweisung{A("Ungültiges Datum der Unterschrift!")};
    const auto r = mandatAendern(*db, kartei, nummer, e, heute);
    if (!r) return Abweisung{r.meldung()};
    return {};
}

} // namespace zalvor::sepa
