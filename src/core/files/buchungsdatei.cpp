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

void umrechnen(const Sitzung& s, TBuchung& b, const AnhaengenOptionen& opt) {
    const auto& w = s.def.waehrung;
    if (!opt.umrechnen || !w.kursVorhanden()) return;
    const bool euroDatei = DateiInEuro(w, s.datei.jahr);
    if (opt.inLandeswaehrung && !euroDatei)
        b.betrag = Real6::aus(InLandeswaehrung(w, b.betrag.wert()));
    else if (!opt.inLandeswaehrung && euroDatei)
        b.betrag = Real6::aus(InEuro(w, b.betrag.wert()));
}

// A partial record at the end is only written over with the person's consent.
std::uint64_t schreibposition(Sitzung& s, BinaerDatei& datei) {
    const std::uint64_t groesse = datei.groesse();
    const std::uint64_t rest = groesse % TBuchung::kGroesse;
    if (rest == 0) return groesse;
    auto antwort = s.person.frage(jaNeinFrage(
        A("Unvollständiger Datensatz"),
        A("Die Datei ") + utf8NachAnsi(datei.pfad()) + A(" endet mit ") + std::to_string(rest) +
            A(" Bytes, die keinen vollständigen Datensatz bilden.\rSollen diese Bytes "
              "verworfen werden, damit die neue Buchung angehängt werden kann?"),
        Symbol::Warnung, Knopf::Nein));
    if (antwort != Knopf::Ja) throw BefehlAbgebrochen();
    datei.kuerzen(groesse - rest);
    return groesse - rest;
}

std::uint32_t anhaengenAn(Sitzung& s, const std::string& dateiname, const TBuchung& b) {
    BinaerDatei datei(dateiname, BinaerDatei::Modus::LesenSchreiben);
    const std::uint64_t pos = schreibposition(s, datei);
    const auto n = static_cast<std::uint32_t>(pos / TBuchung::kGroesse);
    if (n >= kMaxSaetze) {
        s.person.meldung(A("Fehler!"),
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

std::uint32_t satzAnzahl(const std::string& dateiname) {
    return static_cast<std::uint32_t>(dateiGroesse(dateiname) / TBuchung::kGroesse);
}

std::uint32_t unvollstaendigeBytes(const std::string& dateiname) {
    return static_cast<std::uint32_t>(dateiGroesse(dateiname) % TBuchung::kGroesse);
}

TBuchung buchungLesen(const std::string& dateiname, std::uint32_t satz) {
    BinaerDatei datei(dateiname, BinaerDatei::Modus::Lesen);
    std::array<std::uint8_t, TBuchung::kGroesse> puffer{};
    datei.lesen(std::uint64_t{satz} * TBuchung::kGroesse, puffer.data(), puffer.size());
    return TBuchung::entpacken(puffer.data());
}

std::vector<TBuchung> alleBuchungenLesen(const std::string& dateiname) {
    BinaerDatei datei(dateiname, BinaerDatei::Modus::Lesen);
    const std::uint64_t n = datei.groesse() / TBuchung::kGroesse;
    std::vector<std::uint8_t> puffer(n * TBuchung::kGroesse);
    if (!puffer.empty()) datei.lesen(0, puffer.data(), puffer.size());
    datei.schliessen();
    std::vector<TBuchung> saetze;
    saetze.reserve(n);
    for (std::uint64_t i = 0; i < n; ++i)
        saetze.push_back(TBuchung::entpacken(puffer.data() + i * TBuchung::kGroesse));
    return saetze;
}

std::uint32_t satzbytesLesen(const std::string& dateiname, std::vector<std::uint8_t>& puffer) {
    BinaerDatei datei(dateiname, BinaerDatei::Modus::Lesen);
    const std::uint64_t n = datei.groesse() / TBuchung::kGroesse;
    puffer.resize(n * TBuchung::kGroesse);
    if (!puffer.empty()) datei.lesen(0, puffer.data(), puffer.size());
    datei.schliessen();
    return static_cast<std::uint32_t>(n);
}

void naechsteNummerNachAnhaengen(TBuchungsdatei& d, const TBuchung& b) {
    if (auto v = ganzzahlLesen(b.bunr.text()))
        d.naechsteNummer = static_cast<std::int32_t>(*v + 1);
    else
        ++d.naechsteNummer;
}

void buchungAnhaengen(Sitzung& s, TBuchung b, const AnhaengenOptionen& opt) {
    s.dateiErforderlich();
    umrechnen(s, b, opt);
    const std::string dateiname = s.datei.dateiname();
    const std::uint32_t n = anhaengenAn(s, dateiname, b);
    naechsteNummerNachAnhaengen(s.datei, b);
    if (opt.indizes) {
        alleIndizesEinordnen(s, static_cast<std::uint16_t>(n - 1), b, opt.fehlendenIndexAnlegen);
    }
}

void buchungenAnhaengen(Sitzung& s, const std::vector<TBuchung>& neu) {
    s.dateiErforderlich();
    if (neu.empty()) return;
    const std::string dateiname = s.datei.dateiname();
    BinaerDatei datei(dateiname, BinaerDatei::Modus::LesenSchreiben);
    const std::uint64_t pos = schreibposition(s, datei);
    const auto n = static_cast<std::uint32_t>(pos / TBuchung::kGroesse);
    if (n + neu.size() > kMaxSaetze) {
        s.person.meldung(A("Fehler!"),
                         A("Die Datei ") + utf8NachAnsi(dateiname) + A(" fasst nur noch ") +
                             std::to_string(kMaxSaetze - std::min(n, kMaxSaetze)) +
                             A(" Datensätze, es sollten ") + std::to_string(neu.size()) +
                             A(" angehängt werden. Reorganisieren Sie die Datei, um gelöschte "
                               "Buchungen zu entfernen."),
                         Symbol::Fehler);
        throw BefehlAbgebrochen();
    }
    std::vector<Ersetzung> indizes = alleIndizesVorbereiten(s, static_cast<std::uint16_t>(n), neu);
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
        naechsteNummerNachAnhaengen(s.datei, b);
    for (Ersetzung& e : indizes)
        e.umschalten();
}

void satzAnhaengen(Sitzung& s, const std::string& dateiname, TBuchung b,
                   const AnhaengenOptionen& opt) {
    umrechnen(s, b, opt);
    anhaengenAn(s, dateiname, b);
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

void naechsteNummerFinden(Sitzung& s) {
    const std::string dateiname = s.datei.dateiname();
    const std::uint32_t n = satzAnzahl(dateiname);
    if (n == 0) {
        s.datei.naechsteNummer = 1;
        return;
    }
    const TBuchung letzte = buchungLesen(dateiname, n - 1);
    auto v = ganzzahlLesen(letzte.bunr.text());
    s.datei.naechsteNummer = v ? static_cast<std::int32_t>(*v + 1) : 1;
}

std::string nummerText(std::int32_t nummer) {
    return std::to_string(nummer);
}

} // namespace zalvor
