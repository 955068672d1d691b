// Roll-up of type sums through nested groups, with the cycle check.
#include "core/closing/gruppensumme.h"

#include "core/common/person.h"
#include "core/common/real6.h"
#include "core/common/zeichensatz.h"

#include <algorithm>

namespace zalvor {

void Tripel::addieren(const Tripel& t) {
    real = durchReal6(real + t.real);
    geplant = durchReal6(geplant + t.geplant);
    summe = durchReal6(summe + t.summe);
}

void Gruppenrechnung::cacheLeeren() {
    for (auto& g : gueltig_)
        g.fill(false);
    pfad_.clear();
}

bool Gruppenrechnung::berechnet(Seite s, int gruppe) const {
    if (gruppe < 1 || gruppe > kGruppen) return false;
    return gueltig_[static_cast<std::size_t>(s)][static_cast<std::size_t>(gruppe)];
}

void Gruppenrechnung::merken(Seite s, int gruppe, const Tripel& t) {
    if (gruppe < 1 || gruppe > kGruppen) return;
    const auto si = static_cast<std::size_t>(s);
    const auto gi = static_cast<std::size_t>(gruppe);
    cache_[si][gi] = t;
    gueltig_[si][gi] = true;
}

Tripel Gruppenrechnung::gruppenSumme(Seite s, int gruppe,
                                     const std::function<Tripel(int typ)>& typSumme,
                                     Person& person) {
    if (gruppe < 1 || gruppe > kGruppen) return {};
    const auto si = static_cast<std::size_t>(s);
    const auto gi = static_cast<std::size_t>(gruppe);
    if (gueltig_[si][gi]) return cache_[si][gi];
    const int eigenerPosten = Typverwaltung::gruppeZuPosten(gruppe);
    if (std::find(pfad_.begin(), pfad_.end(), eigenerPosten) != pfad_.end()) {
        person.meldung(
            A(s == Seite::Einnahme
                  ? "Zyklische Einnahme-Typengruppen gefunden, Ergebnisse undefiniert!"
                  : "Zyklische Ausgabe-Typengruppen gefunden, Ergebnisse undefiniert!"),
            A("Gruppe ") + typen_.gruppenName(s, gruppe) +
                A(" wurde einer Gruppe untergeordnet, die ihr selbst untergeordnet ist. Ihre "
                  "Gesamtsumme fließt somit in sich selbst ein, und das ist unmöglich!"),
            Symbol::Stopp);
        merken(s, gruppe, Tripel{});
        return cache_[si][gi];
    }
    Tripel ergebnis;
    for (int posten = 1; posten <= kPosten; ++posten) {
        if (posten == eigenerPosten || typen_.gruppeVon(s, posten) != gruppe) continue;
        pfad_.push_back(eigenerPosten);
        const Tripel t =
            Typverwaltung::istGruppe(posten)
                ? gruppenSumme(s, Typverwaltung::postenZuGruppe(posten), typSumme, person)
                : typSumme(posten);
        pfad_.pop_back();
        ergebnis.addieren(t);
    }
    merken(s, gruppe, ergebnis);
    return ergebnis;
}

} // namespace zalvor
