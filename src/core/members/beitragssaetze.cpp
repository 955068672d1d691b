// Reading and writing the contribution rates; the contribution of a member.
#include "core/members/beitragssaetze.h"

#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateibytes.h"
#include "core/files/dateisatz.h"
#include "core/files/dateischreiben.h"
#include "core/files/definitionen.h"

#include <cerrno>
#include <cmath>
#include <vector>

namespace zalvor {

std::array<std::uint8_t, Beitragssaetze::kGroesse> Beitragssaetze::packen() const {
    std::array<std::uint8_t, kGroesse> b{};
    for (std::size_t i = 0; i < kBeitragssaetze; ++i) {
        std::uint8_t* e = &b[i * kEintrag];
        e[0] = static_cast<std::uint8_t>(eintraege[i].cent & 0xFF);
        e[1] = static_cast<std::uint8_t>(eintraege[i].cent >> 8);
        eintraege[i].name.schreiben(e + 2);
        e[43] = eintraege[i].frei;
    }
    return b;
}

Beitragssaetze Beitragssaetze::entpacken(const std::uint8_t* b) {
    Beitragssaetze r;
    for (std::size_t i = 0; i < kBeitragssaetze; ++i) {
        const std::uint8_t* e = b + i * kEintrag;
        r.eintraege[i].cent = static_cast<std::uint16_t>(e[0] | (e[1] << 8));
        r.eintraege[i].name.lesen(e + 2);
        r.eintraege[i].frei = e[43];
    }
    return r;
}

const Beitragssatz& Beitragssaetze::eintrag(std::uint8_t index) const {
    return eintraege[index < kBeitragssaetze ? index : 0];
}

std::uint16_t inCent(long double betrag) {
    const long double cent = std::round(betrag * 100.0L);
    if (!(cent > 0)) return 0;
    if (cent > 65535.0L) return 65535;
    return static_cast<std::uint16_t>(cent);
}

Beitragssaetze vorgabeSaetze(const TDefinitionen& d) {
    Beitragssaetze r;
    r.eintraege[0].name.setze("Standard");
    r.eintraege[0].cent = inCent(d.standardBeitrag);
    return r;
}

Gelesen<Beitragssaetze> beitragssaetzeAusBytes(const Dateiinhalt& inhalt, const TDefinitionen& d) {
    Gelesen<Beitragssaetze> g;
    // A file cut short holds no table to keep: the defaults may replace it.
    if (inhalt.da() && inhalt.bytes.size() >= Beitragssaetze::kGroesse) {
        g.wert = Beitragssaetze::entpacken(inhalt.bytes.data());
        return g;
    }
    g.wert = vorgabeSaetze(d);
    g.status = inhalt.da() ? Lesestatus::Beschaedigt : inhalt.status;
    if (g.status == Lesestatus::Fehlt) return g;
    g.wert.unlesbar = g.status == Lesestatus::Unlesbar;
    g.hinweise.push_back(
        {A("Fehler"), A("Die Beitragssätze ließen sich nicht einlesen!"), Symbol::Fehler});
    return g;
}

Gelesen<Beitragssaetze> beitragssaetzeLaden(const Dateisatz& dateien, const TDefinitionen& d) {
    return beitragssaetzeAusBytes(dateibytesHolen(dateien.beitraege()).inhalt(), d);
}

bool beitragssaetzeSchreiben(const Dateisatz& dateien, const Beitragssaetze& saetze,
                             Person& person) {
    const auto b = saetze.packen();
    try {
        if (saetze.unlesbar) throw EAFehler(EACCES, dateien.beitraege());
        dateiErsetzen(dateien.beitraege(), std::vector<std::uint8_t>(b.begin(), b.end()));
        return true;
    } catch (const EAFehler&) {
        person.fehlermeldung(Ausgang::EAFehler, A("Fehler"),
                             A("Fehler beim Speichern der Beitragssätze!"), Symbol::Fehler);
        return false;
    }
}

long double beitragsBetrag(const TMitglied& m, const Beitragssaetze& saetze,
                           const TDefinitionen& d) {
    const Beitragssatz& e = saetze.eintrag(m.satz);
    if (e.inGebrauch()) return static_cast<long double>(e.cent) / 100.0L;
    return d.standardBeitrag;
}

long double forderungJePeriode(const std::vector<TMitglied>& mitglieder,
                               const Beitragssaetze& saetze, const TDefinitionen& d) {
    long double summe = 0;
    for (const TMitglied& m : mitglieder)
        summe += beitragsBetrag(m, saetze, d);
    return summe;
}

} // namespace zalvor
