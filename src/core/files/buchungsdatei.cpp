// Booking file operations on 70-byte records.
#include "core/files/buchungsdatei.h"

#include "core/common/betrag.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/indexdatei.h"

#include <algorithm>

namespace zalvor {

namespace {

void umrechnen(const Verein& v, TBuchung& b, const AnhaengenOptionen& opt) {
    const auto& w = v.def.waehrung;
    if (!opt.umrechnen || !w.kursVorhanden()) return;
    const bool euroDatei = DateiInEuro(w, v.datei.jahr);
    if (opt.inLandeswaehrung && !euroDatei)
        b.betrag = Real6::aus(InLandeswaehrung(w, b.betrag.wert()));
    else if (!opt.inLandeswaehrung && euroDatei)
        b.betrag = Real6::aus(InEuro(w, b.betrag.wert()));
}

// A partial record at the end is only written over with the person's consent.
std::uint64_t schreibposition(Person& person, BinaerDatei& datei) {
    const std::uint64_t groesse = datei.groesse();
    const std::uint64_t rest = groesse % TBuchung::kGroesse;
    if (rest == 0) return groesse;
    auto antwort = person.frage(jaNeinFrage(
        A("Unvollständiger Datensatz"),
        A("Die Datei ") + utf8NachAnsi(datei.pfad()) + A(" endet mit ") + std::to_string(rest) +
            A(" Bytes, die keinen vollständigen Datensatz bilden.\rSollen diese Bytes "
              "verworfen werden, damit die neue Buchung angehängt werden kann?"),
        Symbol::Warnung, Knopf::Nein));
    if (antwort != Knopf::Ja) throw BefehlAbgebrochen();
    datei.kuerzen(groesse - rest);
    return groesse - rest;
}

std::uint32_t anhaengenAn(Person& person, const std::string& dateiname, const TBuchung& b) {
    BinaerDatei datei(dateiname, BinaerDatei::Modus::LesenSchreiben);
    const std::uint64_t pos = schreibposition(person, datei);
    const auto n = static_cast<std::uint32_t>(pos / TBuchung::kGroesse);
    if (n >= kMaxSaetze) {
        person.meldung(A("Fehler!"),
                       A("Die Datei ") + utf8NachAnsi(dateiname) +
                           A(" enthält bereits 65535 Datensätze, mehr fasst sie nicht. "
                             "Reorganisieren Sie die Datei, um gelöschte Buchungen zu "
                             "entfernen."),
                       Symbol::Fehler);
        throw BefehlAbgebrochen();
    }
    const auto bytes = b.packen();
    datei.schreiben(pos, bytes.data(), bytes.size());
    // On the disk before any index refers to it.
    datei.sichern();
    datei.schliessen();
    return n + 1;
}

} // namespace

void naechsteNummerNachAnhaengen(TBuchungsdatei& d, const TBuchung& b) {
    if (auto v = ganzzahlLesen(b.bunr.text()))
        d.naechsteNummer = static_cast<std::int32_t>(*v + 1);
    else
        ++d.naechsteNummer;
}

void buchungAnhaengen(Verein& v, Person& person, TBuchung b, const AnhaengenOptionen& opt) {
    dateiErforderlich(v.datei, person);
    umrechnen(v, b, opt);
    const std::string dateiname = v.datei.dateiname();
    const std::uint32_t n = anhaengenAn(person, dateiname, b);
    naechsteNummerNachAnhaengen(v.datei, b);
    if (opt.indizes) {
        alleIndizesEinordnen(v.datei, person, static_cast<std::uint16_t>(n - 1), b,
                             opt.fehlendenIndexAnlegen);
    }
}

void buchungenAnhaengen(Verein& v, Person& person, const std::vector<TBuchung>& neu) {
    dateiErforderlich(v.datei, person);
    if (neu.empty()) return;
    const std::string dateiname = v.datei.dateiname();
    BinaerDatei datei(dateiname, BinaerDatei::Modus::LesenSchreiben);
    const std::uint64_t pos = schreibposition(person, datei);
    const auto n = static_cast<std::uint32_t>(pos / TBuchung::kGroesse);
    if (n + neu.size() > kMaxSaetze) {
        person.meldung(A("Fehler!"),
                       A("Die Datei ") + utf8NachAnsi(dateiname) + A(" fasst nur noch ") +
                           std::to_string(kMaxSaetze - std::min(n, kMaxSaetze)) +
                           A(" Datensätze, es sollten ") + std::to_string(neu.size()) +
                           A(" angehängt werden. Reorganisieren Sie die Datei, um gelöschte "
                             "Buchungen zu entfernen."),
                       Symbol::Fehler);
        throw BefehlAbgebrochen();
    }
    std::vector<Ersetzung> indizes =
        alleIndizesVorbereiten(v.datei, person, static_cast<std::uint16_t>(n), neu);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(neu.size() * TBuchung::kGroesse);
    for (const TBuchung& b : neu) {
        const auto r = b.packen();
        bytes.insert(bytes.end(), r.begin(), r.end());
    }
    datei.schreiben(pos, bytes.data(), bytes.size());
    datei.sichern();
    datei.schliessen();
    for (const TBuchung& b : neu)
        naechsteNummerNachAnhaengen(v.datei, b);
    for (Ersetzung& e : indizes)
        e.umschalten();
}

void satzAnhaengen(const Verein& v, Person& person, const std::string& dateiname, TBuchung b,
                   const AnhaengenOptionen& opt) {
    umrechnen(v, b, opt);
    anhaengenAn(person, dateiname, b);
}

void buchungUeberschreiben(const std::string& dateiname, std::uint32_t satz, const TBuchung& b) {
    BinaerDatei datei(dateiname, BinaerDatei::Modus::LesenSchreiben);
    const auto bytes = b.packen();
    datei.schreiben(std::uint64_t{satz} * TBuchung::kGroesse, bytes.data(), bytes.size());
    datei.sichern();
    datei.schliessen();
}

void buchungLoeschen(const std::string& dateiname, std::uint32_t satz) {
    TBuchung b = buchungLesen(dateiname, satz);
    b.betrag = Real6{};
    buchungUeberschreiben(dateiname, satz, b);
}

void naechsteNummerFinden(TBuchungsdatei& d) {
    const std::string dateiname = d.dateiname();
    const std::uint32_t n = satzAnzahl(dateiname);
    if (n == 0) {
        d.naechsteNummer = 1;
        return;
    }
    const TBuchung letzte = buchungLesen(dateiname, n - 1);
    auto v = ganzzahlLesen(letzte.bunr.text());
    d.naechsteNummer = v ? static_cast<std::int32_t>(*v + 1) : 1;
}

std::string nummerText(std::int32_t nummer) {
    return std::to_string(nummer);
}

} // namespace zalvor
