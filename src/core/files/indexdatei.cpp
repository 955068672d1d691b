// Index files: comparison of the nine orders, filing and re-filing of one record, the check.
#include "core/files/indexdatei.h"

#include "core/common/betrag.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/typverwaltung.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateischreiben.h"
#include "core/files/satzdatei.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>

namespace zalvor {

namespace {

std::vector<std::uint16_t> eintraegeLesen(const std::string& name) {
    return indexAusBytes(dateiLesen(name)).wert;
}

void fehlendenIndexMelden(Person& person) {
    person.meldung(A("Fehler"), A("Eine Indexdatei fehlt! Bitte Reorganisieren!"), Symbol::Fehler);
}

// Records of the booking file, read in one piece when a filing needs more than the last
// entry; records are unpacked only when the scan reaches them.
class SatzQuelle {
  public:
    explicit SatzQuelle(std::string dateiname) : dateiname_(std::move(dateiname)) {}
    TBuchung satz(std::uint16_t nr) {
        if (!roh_) {
            BinaerDatei datei(dateiname_, BinaerDatei::Modus::Lesen);
            const std::uint64_t ganze = datei.groesse() / TBuchung::kGroesse;
            roh_.emplace(ganze * TBuchung::kGroesse);
            if (!roh_->empty()) datei.lesen(0, roh_->data(), roh_->size());
            datei.schliessen();
        }
        // An entry beyond the file counts as an empty record rather than a crash.
        if (std::size_t{nr} * TBuchung::kGroesse >= roh_->size()) return TBuchung{};
        return TBuchung::entpacken(roh_->data() + std::size_t{nr} * TBuchung::kGroesse);
    }
    TBuchung einzeln(std::uint16_t nr) {
        if (roh_) return satz(nr);
        if (nr >= satzAnzahl(dateiname_)) return TBuchung{};
        return buchungLesen(dateiname_, nr);
    }

  private:
    std::string dateiname_;
    std::optional<std::vector<std::uint8_t>> roh_;
};

// Steps 2-4 of filing on entries in memory. Returns true when the index must be rewritten
// (false: the new entry goes at the end and can be appended).
bool einfuegen(int k, std::vector<std::uint16_t>& eintraege, std::uint16_t satz,
               const TBuchung& neu, SatzQuelle& quelle) {
    if (eintraege.empty()) {
        eintraege.push_back(satz);
        return false;
    }
    const Sortierschluessel n = sortierschluessel(k, neu);
    if (vergleicheSchluessel(k, sortierschluessel(k, quelle.einzeln(eintraege.back())), n) <= 0) {
        eintraege.push_back(satz);
        return false;
    }
    // Copying stops at the first entry that sorts after the new record, as the file copy
    // does; an index out of order is not searched further.
    std::size_t pos = 0;
    for (; pos < eintraege.size(); ++pos) {
        const TBuchung e = quelle.satz(eintraege[pos]);
        if (vergleicheSchluessel(k, sortierschluessel(k, e), n) > 0) break;
    }
    eintraege.insert(eintraege.begin() + static_cast<std::ptrdiff_t>(pos), satz);
    return true;
}

} // namespace

Gelesen<std::vector<std::uint16_t>> indexAusBytes(std::span<const std::uint8_t> bytes) {
    Gelesen<std::vector<std::uint16_t>> g;
    const std::size_t n = bytes.size() / 2;
    g.wert.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        g.wert[i] = static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    if (bytes.size() % 2 != 0) g.status = Lesestatus::Beschaedigt;
    return g;
}

Sortierschluessel sortierschluessel(int k, const TBuchung& b) {
    Sortierschluessel s;
    s.ea = b.einnahme != 0 ? 1 : 0;
    switch (k) {
    case 1:
    case 5:
        s.text =
            std::string_view(reinterpret_cast<const char*>(b.text.roh.data() + 1), b.text.laenge());
        break;
    case 2:
    case 6:
        s.betrag = b.betrag.wert();
        break;
    case 3:
    case 7:
        s.zahl = Typverwaltung::typcodeZuPosten(b.typcode);
        break;
    case 4: {
        // A booking number that is not a number sorts as 0.
        auto v = ganzzahlLesen(b.bunr.text());
        s.zahl = v ? *v : 0;
        break;
    }
    default:
        s.zahl = b.monat * 256 + b.tag;
        break;
    }
    return s;
}

bool sortiertVorOderGleich(int k, const TBuchung& a, const TBuchung& b) {
    return vergleicheSchluessel(k, sortierschluessel(k, a), sortierschluessel(k, b)) <= 0;
}

namespace {

std::vector<std::uint8_t> gepackt(const std::vector<std::uint16_t>& eintraege) {
    std::vector<std::uint8_t> roh(eintraege.size() * 2);
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        roh[2 * i] = static_cast<std::uint8_t>(eintraege[i] & 0xFF);
        roh[2 * i + 1] = static_cast<std::uint8_t>(eintraege[i] >> 8);
    }
    return roh;
}

} // namespace

void indexSchreiben(const TBuchungsdatei& d, int k, const std::vector<std::uint16_t>& eintraege) {
    // The working copy is written and synced first and then takes the index's name, so a
    // failure never leaves half an index behind.
    const Dateisatz dateien = d.dateien();
    Ersetzung(ersetzungsziel(dateien.index(k)), gepackt(eintraege), dateien.indexKopie())
        .umschalten();
}

Ersetzung indexVorbereiten(const TBuchungsdatei& d, int k,
                           const std::vector<std::uint16_t>& eintraege) {
    return ersetzungVorbereiten(d.dateien().index(k), gepackt(eintraege));
}

namespace {

void eintragAnhaengen(const std::string& name, std::uint16_t satz) {
    const std::uint8_t roh[2] = {static_cast<std::uint8_t>(satz & 0xFF),
                                 static_cast<std::uint8_t>(satz >> 8)};
    BinaerDatei datei(name, BinaerDatei::Modus::LesenSchreiben);
    // A stray odd byte at the end is dropped, so the new entry stays aligned.
    const std::uint64_t groesse = datei.groesse();
    datei.schreiben(groesse - groesse % 2, roh, 2);
    datei.schliessen();
}

} // namespace

namespace {

void einordnen(const TBuchungsdatei& d, Person& person, int k, std::uint16_t satz,
               const TBuchung& b, bool fehlendenAnlegen, SatzQuelle& quelle) {
    const std::string name = d.dateien().index(k);
    if (!dateiExistiert(name)) {
        if (!fehlendenAnlegen) {
            fehlendenIndexMelden(person);
            return;
        }
        // Only the first record of a file gets here, so the entry is 0; the record's own
        // number keeps the index right should it ever be another one.
        indexSchreiben(d, k, {satz});
        return;
    }
    std::vector<std::uint16_t> eintraege = eintraegeLesen(name);
    if (einfuegen(k, eintraege, satz, b, quelle))
        indexSchreiben(d, k, eintraege);
    else
        eintragAnhaengen(name, satz);
}

void neuEinordnen(const TBuchungsdatei& d, Person& person, int k, std::uint16_t satz,
                  const TBuchung& b, bool fehlendenAnlegen, SatzQuelle& quelle) {
    const std::string name = d.dateien().index(k);
    if (!dateiExistiert(name)) {
        einordnen(d, person, k, satz, b, fehlendenAnlegen, quelle);
        return;
    }
    std::vector<std::uint16_t> eintraege = eintraegeLesen(name);
    auto alt = std::find(eintraege.begin(), eintraege.end(), satz);
    if (alt != eintraege.end()) eintraege.erase(alt);
    einfuegen(k, eintraege, satz, b, quelle);
    indexSchreiben(d, k, eintraege);
}

} // namespace

void indexEinordnen(const TBuchungsdatei& d, Person& person, int k, std::uint16_t satz,
                    const TBuchung& b, bool fehlendenAnlegen) {
    SatzQuelle quelle(d.dateien().buchungsdatei());
    einordnen(d, person, k, satz, b, fehlendenAnlegen, quelle);
}

void indexNeuEinordnen(const TBuchungsdatei& d, Person& person, int k, std::uint16_t satz,
                       const TBuchung& b, bool fehlendenAnlegen) {
    SatzQuelle quelle(d.dateien().buchungsdatei());
    neuEinordnen(d, person, k, satz, b, fehlendenAnlegen, quelle);
}

// The nine filings of one record share one read of the booking file.
void alleIndizesEinordnen(const TBuchungsdatei& d, Person& person, std::uint16_t satz,
                          const TBuchung& b, bool fehlendenAnlegen) {
    SatzQuelle quelle(d.dateien().buchungsdatei());
    for (int k = 1; k <= 9; ++k)
        einordnen(d, person, k, satz, b, fehlendenAnlegen, quelle);
}

void alleIndizesNeuEinordnen(const TBuchungsdatei& d, Person& person, std::uint16_t satz,
                             const TBuchung& b, const std::function<void()>& satzSchreiben) {
    SatzQuelle quelle(d.dateien().buchungsdatei());
    // The record is still the old one on disk; it is no entry of the lists being sorted, so
    // the new places can be found before it is rewritten.
    std::vector<Ersetzung> neu;
    int marke = 0;
    for (int k = 1; k <= 9; ++k) {
        const std::string name = d.dateien().index(k);
        if (!dateiExistiert(name)) {
            fehlendenIndexMelden(person);
            continue;
        }
        std::vector<std::uint16_t> eintraege = eintraegeLesen(name);
        auto alt = std::find(eintraege.begin(), eintraege.end(), satz);
        if (alt != eintraege.end()) eintraege.erase(alt);
        einfuegen(k, eintraege, satz, b, quelle);
        neu.push_back(indexVorbereiten(d, k, eintraege));
        marke = k;
    }
    // While the record and the indexes disagree, one index is missing: a failure in between
    // is found by the check at the next opening, which offers the reorganisation.
    if (marke != 0) dateiLoeschen(d.dateien().index(marke));
    satzSchreiben();
    for (auto& e : neu)
        e.umschalten();
}

std::vector<Ersetzung> alleIndizesVorbereiten(const TBuchungsdatei& d, Person& person,
                                              std::uint16_t erster,
                                              const std::vector<TBuchung>& neu) {
    const std::vector<TBuchung> alt = alleBuchungenLesen(d.dateien().buchungsdatei());
    const TBuchung leer;
    auto satz = [&](std::uint16_t nr) -> const TBuchung& {
        if (nr >= erster) {
            const std::size_t i = nr - erster;
            return i < neu.size() ? neu[i] : leer;
        }
        // An entry beyond the file counts as an empty record, as in a single filing.
        return nr < alt.size() ? alt[nr] : leer;
    };
    std::vector<std::uint16_t> neueNummern(neu.size());
    for (std::size_t i = 0; i < neu.size(); ++i)
        neueNummern[i] = static_cast<std::uint16_t>(erster + i);
    std::vector<Ersetzung> r;
    bool gemeldet = false;
    // Each record's key is made once per index, not at every comparison.
    std::vector<Sortierschluessel> schluessel(erster + neu.size());
    for (int k = 1; k <= 9; ++k) {
        const std::string name = d.dateien().index(k);
        if (!dateiExistiert(name)) {
            if (!gemeldet) fehlendenIndexMelden(person);
            gemeldet = true;
            continue;
        }
        for (std::size_t nr = 0; nr < schluessel.size(); ++nr)
            schluessel[nr] = sortierschluessel(k, satz(static_cast<std::uint16_t>(nr)));
        const Sortierschluessel leerSchluessel = sortierschluessel(k, leer);
        auto schluesselVon = [&](std::uint16_t nr) -> const Sortierschluessel& {
            return nr < schluessel.size() ? schluessel[nr] : leerSchluessel;
        };
        auto vor = [&](std::uint16_t a, std::uint16_t b) {
            return vergleicheSchluessel(k, schluesselVon(a), schluesselVon(b)) < 0;
        };
        // Filing one after the other puts a record after every record of an equal key, old
        // or new: a stable sort of the new ones and a merge that prefers the old entries.
        std::vector<std::uint16_t> dazu = neueNummern;
        std::stable_sort(dazu.begin(), dazu.end(), vor);
        const std::vector<std::uint16_t> eintraege = eintraegeLesen(name);
        std::vector<std::uint16_t> zusammen;
        zusammen.reserve(eintraege.size() + dazu.size());
        std::merge(eintraege.begin(), eintraege.end(), dazu.begin(), dazu.end(),
                   std::back_inserter(zusammen), vor);
        r.push_back(indexVorbereiten(d, k, zusammen));
    }
    return r;
}

std::vector<std::uint16_t> indexLesen(const TBuchungsdatei& d, int k) {
    return eintraegeLesen(d.dateien().index(k));
}

IndexBefund indizesPruefen(const TBuchungsdatei& d) {
    const std::uint32_t n = satzAnzahl(d.dateien().buchungsdatei());
    // A missing index is named even when an earlier one is damaged: the message then tells
    // the more telling of the two problems.
    std::optional<IndexBefund> erster;
    for (int k = 1; k <= 9; ++k) {
        const std::string name = d.dateien().index(k);
        if (!dateiExistiert(name)) return IndexBefund::Fehlt;
        if (erster) continue;
        try {
            // Opened for writing, as every filing does.
            BinaerDatei datei(name, BinaerDatei::Modus::LesenSchreiben);
            const std::uint64_t eintraege = datei.groesse() / 2;
            datei.schliessen();
            if (eintraege % 65536 != n % 65536) erster = IndexBefund::Beschaedigt;
        } catch (const EAFehler&) {
            erster = IndexBefund::Zugriffsfehler;
        }
    }
    return erster.value_or(IndexBefund::InOrdnung);
}

std::pair<int, int> indexPaar(Sortierung sortierung) {
    switch (sortierung) {
    case Sortierung::Nummer:
        return {0, 4};
    case Sortierung::Typ:
        return {3, 7};
    case Sortierung::Text:
        return {1, 5};
    case Sortierung::Betrag:
        return {2, 6};
    case Sortierung::Datum:
        return {8, 9};
    }
    return {0, 4};
}

} // namespace zalvor
