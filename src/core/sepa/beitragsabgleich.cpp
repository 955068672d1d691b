// Statement lines matched to members' contributions.
#include "core/sepa/beitragsabgleich.h"

#include "core/common/typverwaltung.h"
#include "core/common/zeichensatz.h"
#include "core/database/feldwerte.h"
#include "core/database/lastschriften.h"
#include "core/database/mandate.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedsdatei.h"

#include <cmath>
#include <map>
#include <utility>

namespace zalvor::sepa {

namespace {

bool keineKennung(const std::string& id) {
    return id.empty() || id == "NOTPROVIDED";
}

} // namespace

Beitragsabgleich::Beitragsabgleich(const Verein& v, const Datenbank& db)
    : db_(db), kartei_(mitgliederLesen(v.dateien().mitglieder())) {
    beitrag_.reserve(kartei_.size());
    std::map<std::pair<std::string, std::string>, int> gesehen;
    std::map<std::tuple<std::string, std::string, int>, std::uint32_t> nummern;
    for (std::size_t i = 0; i < kartei_.size(); ++i) {
        const TMitglied& m = kartei_[i];
        const bool buchbar =
            !v.beitraege.unlesbar && !v.def.unlesbar && v.beitraege.eintrag(m.satz).buchbar();
        beitrag_.push_back(buchbar ? std::llround(beitragsBetrag(m, v.beitraege, v.def) * 100.0L)
                                   : 0);
        const int vorkommen = gesehen[{m.nachname.text(), m.vorname.text()}]++;
        nummern.emplace(std::tuple{m.nachname.text(), m.vorname.text(), vorkommen},
                        static_cast<std::uint32_t>(i));
    }
    for (const Mandat& m : mandateLesen(db)) {
        const auto nr = nummern.find(
            std::tuple{m.mitglied->nachname, m.mitglied->vorname, m.mitglied->vorkommen});
        if (nr == nummern.end()) continue;
        mandatMitglied_.emplace(m.id, nr->second);
        ibanMitglieder_[m.iban].push_back(nr->second);
        referenzMitglied_.emplace(m.referenz, nr->second);
    }
}

std::optional<std::uint32_t> Beitragsabgleich::mitgliedZuMandat(std::int64_t mandat) const {
    const auto i = mandatMitglied_.find(mandat);
    if (i == mandatMitglied_.end()) return std::nullopt;
    return i->second;
}

std::optional<std::uint32_t> Beitragsabgleich::perEndeZuEnde(const std::string& id) {
    if (keineKennung(id)) return std::nullopt;
    if (!suche_) suche_.emplace(db_);
    const auto l = (*suche_)(id);
    if (!l) return std::nullopt;
    return mitgliedZuMandat(l->lastschrift.mandat);
}

Beitragstreffer Beitragsabgleich::treffer(Beitragsart art, std::uint32_t nr) {
    TMitglied& m = kartei_[nr];
    const std::string name = mitgliedName(m);
    Beitragstreffer t;
    t.art = art;
    t.mitglied = nr;
    if (art == Beitragsart::Beitrag) {
        t.text = name.substr(0, 30);
        t.anzeige = "Beitrag " + OemNachAnsi(name);
        m.bezahlt = 1;
    } else {
        t.text = (AnsiNachOem(A("Rücklastschrift ")) + name).substr(0, 30);
        t.anzeige = A("Rücklastschrift ") + OemNachAnsi(name);
        m.bezahlt = 0;
    }
    geaendert_ = true;
    return t;
}

std::optional<Beitragstreffer> Beitragsabgleich::zuordnen(const bank::Auszugszeile& z) {
    if (z.richtung == bank::Richtung::Haben) {
        if (z.storno) return std::nullopt;
        auto nr = perEndeZuEnde(z.endToEndId);
        if (!nr) {
            const auto kandidaten = ibanMitglieder_.find(kennungNormal(z.iban));
            if (kandidaten == ibanMitglieder_.end()) return std::nullopt;
            // Several members may pay from one account (a family): the first one still
            // owing this amount.
            for (std::uint32_t k : kandidaten->second)
                if (kartei_[k].bezahlt == 0 && beitrag_[k] == z.cent) {
                    nr = k;
                    break;
                }
        }
        if (!nr || kartei_[*nr].bezahlt != 0 || beitrag_[*nr] == 0) return std::nullopt;
        return treffer(Beitragsart::Beitrag, *nr);
    }
    auto nr = perEndeZuEnde(z.endToEndId);
    if (!nr && !z.rueckgabegrund.empty()) {
        const auto ref = referenzMitglied_.find(z.mandatsreferenz);
        if (ref != referenzMitglied_.end()) nr = ref->second;
    }
    if (!nr) return std::nullopt;
    return treffer(Beitragsart::Ruecklastschrift, *nr);
}

TBuchung Beitragsabgleich::alsBeitragsbuchung(TBuchung b, const Beitragstreffer& t) {
    b.typcode = kCodeBeitrag;
    b.text.setze(t.text);
    return b;
}

} // namespace zalvor::sepa
