// Reorganisation: drops deleted bookings and templates, rebuilds the nine indexes, keeps the
// old files under the backup name.
#include "files/reorganisation.h"

#include "common/dateisystem.h"
#include "common/fehler.h"
#include "common/zeichensatz.h"
#include "files/buchungsdatei.h"
#include "files/indexdatei.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace zalvor {

namespace {

// Shows the share of records done, calling the person only when the whole percent changes,
// so that a front end can repaint without slowing the work down.
class Fortschritt {
  public:
    explicit Fortschritt(Person& p) : person_(p) {}
    ~Fortschritt() {
        if (offen_) person_.fortschrittSchliessen();
    }
    Fortschritt(const Fortschritt&) = delete;
    Fortschritt& operator=(const Fortschritt&) = delete;

    void zeigen(const std::string& titel, const std::string& text) {
        person_.fortschrittZeigen(titel, text);
        offen_ = true;
        prozent_ = -1;
        setze(0);
    }
    void text(const std::string& t) {
        person_.fortschrittText(t);
        setze(0);
    }
    void anteil(std::size_t erledigt, std::size_t gesamt) {
        // An empty file has nothing to share out: it is done at once.
        if (gesamt == 0) {
            setze(100);
            return;
        }
        setze(static_cast<int>(
            std::lround(100.0 * static_cast<double>(erledigt) / static_cast<double>(gesamt))));
    }
    void schliessen() {
        offen_ = false;
        person_.fortschrittSchliessen();
    }

  private:
    void setze(int p) {
        if (p == prozent_) return;
        prozent_ = p;
        person_.fortschritt(p);
    }
    Person& person_;
    bool offen_ = false;
    int prozent_ = -1;
};

std::vector<std::uint8_t> gepackt(const std::vector<TBuchung>& saetze) {
    std::vector<std::uint8_t> roh;
    roh.reserve(saetze.size() * TBuchung::kGroesse);
    for (const auto& b : saetze) {
        const auto bytes = b.packen();
        roh.insert(roh.end(), bytes.begin(), bytes.end());
    }
    return roh;
}

// Writes the records as a new file under `name` (created even when there is no record).
void neuSchreiben(const std::string& name, const std::vector<TBuchung>& saetze) {
    const std::vector<std::uint8_t> roh = gepackt(saetze);
    BinaerDatei datei(name, BinaerDatei::Modus::Neu);
    if (!roh.empty()) datei.schreiben(0, roh.data(), roh.size());
    datei.schliessen();
}

void loeschenFallsVorhanden(const std::string& name) {
    const std::string wirklich = aufgeloest(name);
    if (dateiExistiert(wirklich)) dateiLoeschen(wirklich);
}

// Records filed one by one into empty indexes always go after every record that sorts
// before-or-equal, so each index is the stable sort of the kept records in their new order.
std::vector<std::uint16_t> sortierterIndex(int k, const std::vector<TBuchung>& saetze) {
    std::vector<Sortierschluessel> schluessel;
    schluessel.reserve(saetze.size());
    for (const auto& b : saetze)
        schluessel.push_back(sortierschluessel(k, b));
    std::vector<std::uint16_t> eintraege(saetze.size());
    std::iota(eintraege.begin(), eintraege.end(), std::uint16_t{0});
    std::stable_sort(eintraege.begin(), eintraege.end(), [&](std::uint16_t a, std::uint16_t b) {
        return vergleicheSchluessel(k, schluessel[a], schluessel[b]) < 0;
    });
    return eintraege;
}

void buchungsdateiNeuAufbauen(Sitzung& s, const std::string& sicherung,
                              const std::vector<TBuchung>& alle, Fortschritt& fortschritt) {
    const std::string dateiname = aufgeloest(s.datei.dateiname());
    for (int k = 1; k <= 9; ++k) {
        const std::string alt = sicherung + static_cast<char>('0' + k);
        loeschenFallsVorhanden(alt);
        const std::string index = aufgeloest(indexdateiName(s.datei, k));
        if (dateiExistiert(index)) dateiUmbenennen(index, alt);
    }
    dateiUmbenennen(dateiname, sicherung);

    std::vector<TBuchung> behalten;
    behalten.reserve(alle.size());
    for (std::size_t i = 0; i < alle.size(); ++i) {
        if (!alle[i].geloescht()) behalten.push_back(alle[i]);
        fortschritt.anteil(i + 1, alle.size());
    }
    fortschritt.anteil(alle.size(), alle.size());

    neuSchreiben(dateiname, behalten);
    for (const auto& b : behalten)
        naechsteNummerNachAnhaengen(s.datei, b);
    // With no record left the file starts afresh: number 1 and nine empty indexes, so that
    // the next booking can be filed without a missing-index message.
    if (behalten.empty()) s.datei.naechsteNummer = 1;
    for (int k = 1; k <= 9; ++k)
        indexSchreiben(s.datei, k, sortierterIndex(k, behalten));
}

void schablonenNeuAufbauen(Sitzung& s, const std::string& schablonen, const std::string& sicherung,
                           bool umrechnen, Fortschritt& fortschritt) {
    fortschritt.text(A("Reorganisiere die Schablonen-Datei..."));
    const std::vector<TBuchung> alle = alleBuchungenLesen(schablonen);
    dateiUmbenennen(schablonen, sicherung);
    const auto& w = s.def.waehrung;
    const bool inEuro = umrechnen && w.kursVorhanden() && DateiInEuro(w, s.datei.jahr);
    std::vector<TBuchung> behalten;
    for (std::size_t i = 0; i < alle.size(); ++i) {
        if (!alle[i].geloescht()) {
            TBuchung b = alle[i];
            if (inEuro) b.betrag = Real6::aus(InEuro(w, b.betrag.wert()));
            behalten.push_back(b);
        }
        fortschritt.anteil(i + 1, alle.size());
    }
    fortschritt.anteil(alle.size(), alle.size());
    neuSchreiben(schablonen, behalten);
}

} // namespace

bool reorganisieren(Sitzung& s, bool schablonenUmrechnen) {
    s.dateiErforderlich();
    const std::string b = sicherungsname(s.datei.basisname);
    const std::string sicherung = b + "." + s.datei.jahr;
    const std::string dateiname = aufgeloest(s.datei.dateiname());
    if (b == s.datei.basisname) {
        // A name that already begins with "~" (or has no name part) would be its own backup:
        // the overwrite question would delete the booking file itself.
        s.person.meldung(A("Fehler!"),
                         A("Für die Datei ") + utf8NachAnsi(dateiname) +
                             A(" lässt sich kein Sicherungsname bilden. Die Reorganisation "
                               "wird nicht durchgeführt."),
                         Symbol::Fehler);
        return false;
    }

    const std::vector<TBuchung> alle = alleBuchungenLesen(dateiname);
    const auto lebend =
        std::count_if(alle.begin(), alle.end(), [](const TBuchung& x) { return !x.geloescht(); });
    if (lebend > static_cast<std::ptrdiff_t>(kMaxSaetze)) {
        // Record numbers of the indexes have 16 bits; such a file cannot have been written
        // by this program, and cutting it short would lose bookings.
        s.person.meldung(A("Fehler!"),
                         A("Die Datei ") + utf8NachAnsi(dateiname) + A(" enthält ") +
                             std::to_string(lebend) +
                             A(" Buchungen, die Indexdateien fassen höchstens 65535. Die "
                               "Reorganisation wird nicht durchgeführt."),
                         Symbol::Fehler);
        return false;
    }

    if (dateiExistiert(aufgeloest(sicherung))) {
        auto antwort =
            s.person.frage(jaNeinFrage(A("Achtung!!!"),
                                       A("Datei ") + utf8NachAnsi(sicherung) +
                                           A(" existiert bereits.") + "\r\r" + A("Überschreiben?"),
                                       Symbol::Frage));
        if (antwort != Knopf::Ja) return false;
        dateiLoeschen(aufgeloest(sicherung));
    }

    loeschenFallsVorhanden(b + ".SBD");
    const std::string schablonen = aufgeloest(s.datei.basisname + ".SBD");
    if (dateiExistiert(schablonen) && satzAnzahl(schablonen) == 0) dateiLoeschen(schablonen);

    Fortschritt fortschritt(s.person);
    fortschritt.zeigen(A("Reorganisation..."),
                       A("Datei wird neu geschrieben und Indexdateien werden neu aufgebaut..."));
    buchungsdateiNeuAufbauen(s, sicherung, alle, fortschritt);
    if (dateiExistiert(schablonen))
        schablonenNeuAufbauen(s, schablonen, b + ".SBD", schablonenUmrechnen, fortschritt);

    s.person.meldung(A("Fertig"),
                     A("Reorganisation abgeschlossen! Alte Dateien wurden unter ") +
                         utf8NachAnsi(sicherung) + A("? gespeichert."),
                     Symbol::Information);
    fortschritt.schliessen();
    return true;
}

} // namespace zalvor
