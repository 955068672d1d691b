// Mandates: the checks of the bank, the defaults, and their grid.
#include "core/sepa/mandatsdaten.h"

#include "core/common/zeichensatz.h"
#include "core/database/lastschriften.h"
#include "core/database/mitgliedsschluessel.h"
#include "core/sepa/pruefziffern.h"
#include "core/sepa/sepazeichen.h"
#include "core/sepa/target2.h"

#include <cstdio>

namespace zalvor::sepa {

namespace {

bool spaeter(const Datum& a, const Datum& b) {
    if (a.jahr != b.jahr) return a.jahr > b.jahr;
    if (a.monat != b.monat) return a.monat > b.monat;
    return a.tag > b.tag;
}

// A reference of the club's own series; a number taken by a typed reference is skipped.
Ergebnis<std::int64_t> mitNeuerReferenz(Transaktion& t, const Mitgliedsschluessel& s, Mandat m) {
    for (int versuch = 0; versuch < 1000; ++versuch) {
        char text[24];
        std::snprintf(text, sizeof text, "ZALVOR-M%06lld",
                      static_cast<long long>(zaehlerWeiter(t, "mandatsreferenz")));
        m.referenz = text;
        auto r = mandatSetzen(t, s, m);
        if (r || r.meldung() != A("Die Mandatsreferenz ist schon vergeben!")) return r;
    }
    return Abweisung{A("Die Mandatsreferenz ist schon vergeben!")};
}

} // namespace

std::string vollerName(const TMitglied& m) {
    const std::string vor = ansiNachUtf8(OemNachAnsi(m.vorname.text()));
    const std::string nach = ansiNachUtf8(OemNachAnsi(m.nachname.text()));
    if (vor.empty()) return nach;
    return nach.empty() ? vor : vor + " " + nach;
}

std::string datumAnzeige(const Datum& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", d.tag, d.monat, d.jahr);
    return text;
}

std::optional<Datum> datumAusAnzeige(std::string_view text) {
    Datum d;
    char rest = 0;
    const std::string s(text);
    if (std::sscanf(s.c_str(), "%d.%d.%d%c", &d.tag, &d.monat, &d.jahr, &rest) != 3)
        return std::nullopt;
    if (!gueltigesDatum(d)) return std::nullopt;
    return d;
}

std::optional<std::string> mandatsEingabeFehler(const MandatsEingabe& e, const Datum& heute) {
    if (e.iban && !ibanPruefen(*e.iban)) return ungueltigeIbanText();
    if (e.bic && !e.bic->empty() && !bicPruefen(*e.bic)) return ungueltigeBicText();
    if (e.referenz && !sepaKennungGueltig(*e.referenz)) return ungueltigeMandatsreferenzText();
    if (e.inhaber && sepaText(*e.inhaber, kSepaNamenLaenge).empty())
        return A("Der Kontoinhaber hat 1 bis 70 Zeichen!");
    if (e.datum && (!gueltigesDatum(*e.datum) || spaeter(*e.datum, heute)))
        return A("Ungültiges Datum der Unterschrift!");
    return std::nullopt;
}

Ergebnis<Mandat> mandatAendern(Datenbank& db, std::span<const TMitglied> kartei, std::size_t nummer,
                               const MandatsEingabe& e, const Datum& heute) {
    if (const auto fehler = mandatsEingabeFehler(e, heute)) return Abweisung{*fehler};
    const Mitgliedsschluessel s = mitgliedsschluessel(kartei, nummer);
    auto m = mandatLesen(db, s);
    const bool neu = !m;
    if (neu) {
        if (!e.iban) return Abweisung{A("Ein neues Mandat braucht die IBAN!")};
        m = Mandat{};
        m->inhaber = vollerName(kartei[nummer]);
        m->unterschrieben = heute;
    }
    if (e.iban) m->iban = *ibanPruefen(*e.iban);
    if (e.bic) m->bic = e.bic->empty() ? std::string() : *bicPruefen(*e.bic);
    if (e.inhaber) m->inhaber = *e.inhaber;
    if (e.referenz) m->referenz = *e.referenz;
    if (e.datum) m->unterschrieben = *e.datum;
    Transaktion t(db);
    auto r = m->referenz.empty() ? mitNeuerReferenz(t, s, *m) : mandatSetzen(t, s, *m);
    if (!r) return Abweisung{r.meldung()};
    // Read before the commit: once committed, nothing of the change may fail.
    Mandat gespeichert = *mandatLesen(db, s);
    t.festschreiben();
    return gespeichert;
}

void mandatBeenden(Datenbank& db, std::span<const TMitglied> kartei, std::size_t nummer) {
    Transaktion t(db);
    mandatEntfernen(t, mitgliedsschluessel(kartei, nummer));
    t.festschreiben();
}

std::optional<Mandat> mandatDes(const Datenbank& db, std::span<const TMitglied> kartei,
                                std::size_t nummer) {
    return mandatLesen(db, mitgliedsschluessel(kartei, nummer));
}

Raster mandatRaster(std::span<const TMitglied> kartei, std::size_t nummer,
                    const std::optional<Mandat>& m) {
    Raster r;
    r.titel = "Mandat";
    r.kopf = {"Nr", "Name", "IBAN", "BIC", "Inhaber", "Referenz", "Unterschrieben", "Sequenz"};
    if (!m) return r;
    r.zeilen.push_back({std::to_string(nummer), OemNachAnsi(mitgliedName(kartei[nummer])), m->iban,
                        m->bic, utf8NachAnsi(m->inhaber), utf8NachAnsi(m->referenz),
                        datumAnzeige(m->unterschrieben), m->eingezogen ? "RCUR" : "FRST"});
    return r;
}

} // namespace zalvor::sepa
