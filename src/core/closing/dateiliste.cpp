// The file list, its file and the window's checks.
#include "core/closing/dateiliste.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateisatz.h"
#include "core/files/dateischreiben.h"

#include <algorithm>
#include <cctype>

namespace zalvor {

namespace {

// File names are compared without regard to letter case.
bool gleicherName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::vector<std::string> Dateiliste::anzeige() const {
    if (dateien.empty()) return {kLeereListe};
    return dateien;
}

std::string Dateiliste::fenstertitel() const {
    return "Dateiliste: " + utf8NachAnsi(pfad);
}

Dateiwaehler festeWahl(std::string name) {
    return [name = std::move(name), gegeben = false]() mutable -> std::optional<std::string> {
        if (gegeben) return std::nullopt;
        gegeben = true;
        return name;
    };
}

std::string listenjahr(const std::string& eintrag) {
    return Dateisatz::ausBuchungsdatei(eintrag).jahr();
}

Gelesen<std::vector<std::string>> dateilisteAusBytes(std::span<const std::uint8_t> bytes) {
    return {textzeilen(bytes), {}, Lesestatus::Gelesen};
}

Dateiliste dateilisteLesen(const std::string& pfad) {
    return Dateiliste{pfad, dateilisteAusBytes(dateiLesen(pfad)).wert};
}

bool dateilisteSpeichern(const Dateiliste& l, Person& person) {
    std::vector<std::string> zeilen;
    for (const std::string& d : l.dateien)
        if (d != kLeereListe) zeilen.push_back(d);
    try {
        textdateiSchreiben(l.pfad, zeilen);
    } catch (const EAFehler&) {
        person.fehlermeldung(Ausgang::EAFehler, "FEHLER", "Datei konnte nicht geschrieben werden!",
                             Symbol::Fehler);
        return false;
    }
    return true;
}

void dateilisteHinweis(Person& person) {
    person.meldung("WICHTIG!",
                   A("Die Dateien einer Datei-Liste müssen über einheitliche "
                     "Währungseinstellungen verfügen, d.h. sie müssen zur selben Zeit die "
                     "Abrechnung auf Euro umstellen und vor dieser Umstellung dieselbe Währung "
                     "verwenden! \rAndernfalls sind die Abschlüsse nicht korrekt, da Beträge in "
                     "verschiedenen Währungen addiert würden!"),
                   Symbol::Warnung);
}

bool dateiHinzufuegen(Dateiliste& l, const Dateiwaehler& waehlen, Person& person) {
    std::string name;
    for (;;) {
        const auto gewaehlt = waehlen();
        if (!gewaehlt) return false;
        name = *gewaehlt;
        if (dateiExistiert(aufgeloest(name))) break;
        person.meldung("Fehler!", "Datei " + utf8NachAnsi(name) + " existiert nicht!",
                       Symbol::Fehler);
    }
    if (name.empty() || !std::isdigit(static_cast<unsigned char>(name.back()))) {
        person.meldung("Fehler!", "Es handelt sich hier NICHT um eine Buchungsdatei!",
                       Symbol::Fehler);
        return false;
    }
    if (Dateisatz::istSicherungsname(name)) {
        person.meldung("Fehler!",
                       A("Dateien, die mit ~ beginnen, können nicht geladen werden! Sie sind "
                         "i.A. Sicherungskopien einer Reorganisation, für die keine "
                         "Definitionsdatei besteht!"),
                       Symbol::Fehler);
        return false;
    }
    if (l.dateien.size() == 1 && l.dateien.front() == kLeereListe) l.dateien.clear();
    for (const std::string& d : l.dateien) {
        if (gleicherName(d, name)) {
            person.meldung("Info", "Die Datei steht bereits in der Liste!", Symbol::Information);
            return false;
        }
        if (listenjahr(d) != listenjahr(name)) {
            person.meldung("Problem", A("Die Dateien müssen alle für dasselbe Jahr sein!"),
                           Symbol::Information);
            return false;
        }
    }
    l.dateien.push_back(name);
    return true;
}

bool dateiEntfernen(Dateiliste& l, std::optional<std::size_t> nr, Person& person) {
    if (l.dateien.empty() || !nr || *nr >= l.dateien.size()) return false;
    const auto antwort = person.frage(jaNeinFrage(
        A("Bestätigen"), "Wollen Sie diesen Eintrag wirklich entfernen?", Symbol::Frage));
    if (antwort != Knopf::Ja) return false;
    l.dateien.erase(l.dateien.begin() + static_cast<std::ptrdiff_t>(*nr));
    return true;
}

Schliessen schliessenFragen(Person& person) {
    Frage f = jaNeinFrage(A("Bestätigen"), "Wollen Sie die Dateiliste speichern?", Symbol::Frage);
    f.knoepfe.push_back(Knopf::Abbruch);
    const auto antwort = person.frage(f);
    if (antwort == Knopf::Ja) return Schliessen::Speichern;
    if (antwort == Knopf::Nein) return Schliessen::Verwerfen;
    return Schliessen::Offenlassen;
}

} // namespace zalvor
