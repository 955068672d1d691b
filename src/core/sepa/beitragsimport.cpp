// Contribution lines of an import and their paid marks.
#include "core/sepa/beitragsimport.h"

#include "core/common/typverwaltung.h"
#include "core/files/sitzung.h"
#include "core/members/mitgliedsdatei.h"

namespace zalvor::sepa {

Beitragsimport::Beitragsimport(const Verein& v, const Datenbank& db) : abgleich_(v, db) {}

bank::Zuordner Beitragsimport::zuordner() {
    return [this](const bank::Auszugszeile& z, int) -> std::optional<bank::Zuordnung> {
        auto t = abgleich_.zuordnen(z);
        if (!t) return std::nullopt;
        bank::Zuordnung zu(kCodeBeitrag);
        zu.text = t->text;
        zu.anzeige = t->anzeige;
        zu.marke = static_cast<std::int64_t>(treffer_.size());
        treffer_.push_back(std::move(*t));
        return zu;
    };
}

std::size_t Beitragsimport::nachDemBuchen(Sitzung& s, const bank::Importplan& p) {
    const std::string pfad = s.verein.dateien().mitglieder();
    std::vector<TMitglied> kartei = mitgliederLesen(pfad);
    std::size_t geaendert = 0;
    for (const bank::Vorschauzeile& z : p.zeilen) {
        const bank::Zuordnung* zu = z.zugeordnet();
        if (!zu || z.bunr.empty() || zu->marke < 0 ||
            static_cast<std::size_t>(zu->marke) >= treffer_.size())
            continue;
        const Beitragstreffer& t = treffer_[static_cast<std::size_t>(zu->marke)];
        if (t.mitglied >= kartei.size()) continue;
        const std::uint8_t mark = t.art == Beitragsart::Beitrag ? 1 : 0;
        if (kartei[t.mitglied].bezahlt == mark) continue;
        kartei[t.mitglied].bezahlt = mark;
        ++geaendert;
    }
    if (geaendert == 0) return 0;
    mitgliederSchreiben(pfad, kartei);
    s.melden({Ereignis::Art::MitgliederGeaendert});
    return geaendert;
}

} // namespace zalvor::sepa
