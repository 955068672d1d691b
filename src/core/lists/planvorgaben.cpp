// Plan dialog model.
#include "core/lists/planvorgaben.h"

#include "core/common/betrag.h"
#include "core/common/fehler.h"
#include "core/common/person.h"
#include "core/common/zeichensatz.h"
#include "core/files/verein.h"

namespace zalvor {

namespace {

std::size_t i(int n) {
    return static_cast<std::size_t>(n);
}

std::optional<long double> betragOderNichts(const std::string& text) {
    try {
        return BetragLesen(text);
    } catch (const UeberlaufFehler&) {
        return std::nullopt;
    }
}

} // namespace

void planvorgabenBeginnen(Verein& v) {
    if (v.planvorgaben) return;
    v.planvorgaben = true;
    v.plan = Planwerte{};
}

Seite planvorgabenSeiteFragen(Person& person) {
    Frage f{A("Planvorgaben: E/A?"),
            A("Wollen Sie Planvorgaben für Einnahme- oder Ausgabetypen setzen?"),
            Symbol::Frage,
            {Knopf::Eigen1, Knopf::Eigen2},
            Knopf::Eigen1,
            {"Einnahme", "Ausgabe"},
            0,
            "TDEinoderAus"};
    return person.frage(f) == Knopf::Eigen1 ? Seite::Einnahme : Seite::Ausgabe;
}

Planvorgabenmodell::Planvorgabenmodell(Verein& v, Person& person, Seite seite)
    : v_(v), person_(person), seite_(seite) {
    const Plantabelle& t = v.plan[static_cast<std::size_t>(seite)];
    for (int n = 1; n <= kPosten; ++n)
        zellen_[i(n)] = t[i(n)].gruppe ? kSGruppe : BetragText(t[i(n)].wert, 12);
}

std::string Planvorgabenmodell::zeilenText(int n) const {
    const std::string nr = std::to_string(n);
    return (nr.size() < 2 ? " " : "") + nr + ": " + v_.def.typen.postenName(seite_, n);
}

std::vector<int> Planvorgabenmodell::mitglieder(int n) const {
    std::vector<int> gesammelt;
    std::array<bool, 100> gesehen{};
    gesehen[i(n)] = true;
    // A group placed under one of its own subgroups is met again: it is collected once.
    std::vector<int> offen{n};
    while (!offen.empty()) {
        const int gruppe = Typverwaltung::postenZuGruppe(offen.back());
        offen.pop_back();
        for (int m = kPosten; m >= 1; --m) {
            if (gesehen[i(m)] || v_.def.typen.gruppeVon(seite_, m) != gruppe) continue;
            gesehen[i(m)] = true;
            gesammelt.push_back(m);
            if (Typverwaltung::istGruppe(m)) offen.push_back(m);
        }
    }
    return gesammelt;
}

bool Planvorgabenmodell::uebernehmen(int n, const std::string& text) {
    const std::string punkt = kommaZuPunkt(text);
    const auto wert = betragOderNichts(punkt);
    if (!wert) {
        person_.nachricht("Fehler!", "\r\r" + punkt + A(" hat kein gültiges Betragsformat!"));
        return false;
    }
    if (Typverwaltung::istGruppe(n)) {
        const std::vector<int> unter = mitglieder(n);
        bool geplant = false;
        for (int m : unter) {
            const auto v = betragOderNichts(kommaZuPunkt(zellen_[i(m)]));
            if (v && *v != 0) geplant = true;
        }
        if (geplant &&
            person_.frage(jaNeinFrage(
                "Warnung!",
                A("Es existieren bereits Planvorgaben für Untergruppen/Typen dieser Gruppe. "
                  "Wenn Sie jetzt eine Vorgabe speichern, werden letztere aufgelöst!! Wollen "
                  "Sie das wirklich?"),
                Symbol::Warnung)) != Knopf::Ja)
            return false;
        for (int m : unter)
            zellen_[i(m)] = *wert != 0 ? kSGruppe : BetragText(0, 12);
    }
    zellen_[i(n)] = BetragText(*wert, 12);
    return true;
}

bool Planvorgabenmodell::speichern() {
    Plantabelle& t = v_.plan[static_cast<std::size_t>(seite_)];
    for (int n = 1; n <= kPosten; ++n) {
        if (zellen_[i(n)] == kSGruppe) {
            t[i(n)] = {0, true};
            continue;
        }
        const auto wert = betragOderNichts(kommaZuPunkt(zellen_[i(n)]));
        if (!wert) {
            person_.meldung("Fehler!",
                            A("Ungüliges Betragsformat gefunden... Dieser Fehler darf "
                              "normalerweise nicht auftreten!"),
                            Symbol::Fehler);
            continue;
        }
        t[i(n)] = {static_cast<double>(*wert), false};
    }
    return planwerteSchreiben(v_.dateien(), v_.plan, person_, v_.planUnlesbar);
}

Raster Planvorgabenmodell::raster() const {
    Raster r;
    r.titel = "Planvorgaben";
    r.kopf = {"Typ(engruppe)", "Betrag"};
    for (int n = 1; n <= kPosten; ++n)
        r.zeilen.push_back({zeilenText(n), zellen_[i(n)]});
    return r;
}

} // namespace zalvor
