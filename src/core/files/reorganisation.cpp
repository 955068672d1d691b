// Reorganisation: drops deleted bookings and templates, rebuilds the nine indexes, keeps the
// old files under the backup name.
#include "core/files/reorganisation.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/dateischreiben.h"
#include "core/files/indexdatei.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
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

// `name` as the file set gives it: spelt as on disk when it exists.
void loeschenFallsVorhanden(const std::string& name) {
    if (dateiExistiert(name)) dateiLoeschen(name);
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

std::vector<TBuchung> lebende(const std::vector<TBuchung>& alle, Fortschritt& fortschritt) {
    std::vector<TBuchung> behalten;
    behalten.reserve(alle.size());
    for (std::size_t i = 0; i < alle.size(); ++i) {
        if (!alle[i].geloescht()) behalten.push_back(alle[i]);
        fortschritt.anteil(i + 1, alle.size());
    }
    fortschritt.anteil(alle.size(), alle.size());
    return behalten;
}

std::vector<TBuchung> schablonenNeu(const Verein& v, const std::string& schablonen, bool umrechnen,
                                    Fortschritt& fortschritt) {
    fortschritt.text(A("Reorganisiere die Schablonen-Datei..."));
    std::vector<TBuchung> behalten = lebende(alleBuchungenLesen(schablonen), fortschritt);
    const auto& w = v.def.waehrung;
    if (umrechnen && w.kursVorhanden() && DateiInEuro(w, v.datei.jahr)) {
        for (auto& b : behalten)
            b.betrag = Real6::aus(InEuro(w, b.betrag.wert()));
    }
    return behalten;
}

// The old files keep a second name under the backup base name; an earlier backup is
// replaced file by file, each name holding a whole file at every moment.
void sicherungenAnlegen(const Dateisatz& dateien, const Dateisatz& sicherung,
                        bool schablonenSichern) {
    for (int k = 1; k <= 9; ++k) {
        const std::string index = dateien.index(k);
        if (dateiExistiert(index))
            sicherungAnlegen(index, sicherung.index(k));
        else
            loeschenFallsVorhanden(sicherung.index(k));
    }
    sicherungAnlegen(dateien.buchungsdatei(), sicherung.buchungsdatei());
    if (schablonenSichern)
        sicherungAnlegen(dateien.schablonen(), sicherung.schablonen());
    else
        loeschenFallsVorhanden(sicherung.schablonen());
}

} // namespace

bool reorganisieren(Verein& v, Person& person, bool schablonenUmrechnen) {
    dateiErforderlich(v.datei, person);
    const Dateisatz dateien = v.datei.dateien();
    const Dateisatz sicherung = dateien.sicherung();
    const std::string dateiname = dateien.buchungsdatei();
    if (!dateien.sicherungMoeglich()) {
        // A name that already begins with "~" (or has no name part) would be its own backup:
        // the overwrite question would delete the booking file itself.
        person.meldung(A("Fehler!"),
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
        person.meldung(A("Fehler!"),
                       A("Die Datei ") + utf8NachAnsi(dateiname) + A(" enthält ") +
                           std::to_string(lebend) +
                           A(" Buchungen, die Indexdateien fassen höchstens 65535. Die "
                             "Reorganisation wird nicht durchgeführt."),
                       Symbol::Fehler);
        return false;
    }

    if (dateiExistiert(sicherung.buchungsdatei())) {
        auto antwort =
            person.frage(jaNeinFrage(A("Achtung!!!"),
                                     A("Datei ") + utf8NachAnsi(sicherung.buchungsdateiName()) +
                                         A(" existiert bereits.") + "\r\r" + A("Überschreiben?"),
                                     Symbol::Frage));
        if (antwort != Knopf::Ja) return false;
    }

    const std::string schablonen = dateien.schablonen();
    const bool mitSchablonen = dateiExistiert(schablonen) && satzAnzahl(schablonen) > 0;

    Fortschritt fortschritt(person);
    fortschritt.zeigen(A("Reorganisation..."),
                       A("Datei wird neu geschrieben und Indexdateien werden neu aufgebaut..."));
    // 1. The new content in memory: a conversion overflow ends the work before any write.
    const std::vector<TBuchung> behalten = lebende(alle, fortschritt);
    std::vector<TBuchung> neueSchablonen;
    if (mitSchablonen)
        neueSchablonen = schablonenNeu(v, schablonen, schablonenUmrechnen, fortschritt);

    // 2. The old files under the backup names; the files themselves are untouched.
    sicherungenAnlegen(dateien, sicherung, mitSchablonen);

    // 3. The new files beside the old ones, complete and synced.
    Ersetzung neueDatei = ersetzungVorbereiten(dateiname, gepackt(behalten));
    std::vector<Ersetzung> neueIndizes;
    for (int k = 1; k <= 9; ++k)
        neueIndizes.push_back(indexVorbereiten(v.datei, k, sortierterIndex(k, behalten)));
    std::optional<Ersetzung> schablonenDatei;
    if (mitSchablonen)
        schablonenDatei.emplace(ersetzungVorbereiten(schablonen, gepackt(neueSchablonen)));

    // 4. Switching over by renames. Index 9 is missing until the last rename, so that the
    // check at opening finds a switch cut short; the backups are the way back.
    loeschenFallsVorhanden(dateien.index(9));
    neueDatei.umschalten();
    for (auto& index : neueIndizes)
        index.umschalten();
    if (schablonenDatei)
        schablonenDatei->umschalten();
    else if (dateiExistiert(schablonen))
        dateiLoeschen(schablonen); // an empty template file is dropped

    for (const auto& x : behalten)
        naechsteNummerNachAnhaengen(v.datei, x);
    // With no record left the file starts afresh: number 1 and nine empty indexes, so that
    // the next booking can be filed without a missing-index message.
    if (behalten.empty()) v.datei.naechsteNummer = 1;

    person.meldung(A("Fertig"),
                   A("Reorganisation abgeschlossen! Alte Dateien wurden unter ") +
                       utf8NachAnsi(sicherung.buchungsdateiName()) + A("? gespeichert."),
                   Symbol::Information);
    fortschritt.schliessen();
    return true;
}

} // namespace zalvor
