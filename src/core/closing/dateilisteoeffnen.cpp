// New and opened file lists; the year correction rewrites the list in one rename.
#include "core/closing/dateilisteoeffnen.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/waehrung.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateisatz.h"
#include "core/files/dateischreiben.h"

#include <algorithm>
#include <cctype>

namespace zalvor {

namespace {

// A leftover temporary file is harmless; its removal must not end the command.
void tempEntfernen(const std::string& temp) {
    try {
        dateiLoeschen(temp);
    } catch (const EAFehler&) {
    }
}

// The list with this year's names. Files of the new name that do not exist are left out
// when the person says so; cancelling leaves the list file and its folder as they were.
Dateiliste jahrKorrigieren(const Dateiliste& l, const std::string& jahr, Person& person) {
    const std::string temp = Dateisatz::listenKopie(l.pfad);
    try {
        leereDateiAnlegen(temp);
    } catch (const EAFehler&) {
        tempEntfernen(temp);
        person.fehlermeldung(Ausgang::EAFehler, "Fehler",
                             A("Schreibfehler, konnte Temporärdatei nicht erstellen!!"),
                             Symbol::Fehler);
        return l;
    }
    Dateiliste neu{l.pfad, {}};
    for (const std::string& eintrag : l.dateien) {
        const std::string name = Dateisatz::mitAnderemJahr(eintrag, jahr);
        if (dateiExistiert(aufgeloest(name))) {
            neu.dateien.push_back(name);
            continue;
        }
        const auto antwort = person.frage(
            frageMit("Fehler",
                     "Datei " + utf8NachAnsi(name) +
                         " existiert nicht. Aus der Liste streichen oder Operation abbrechen?",
                     Symbol::Fehler, {Knopf::Ok, Knopf::Abbruch}, Knopf::Ok));
        if (antwort != Knopf::Ok) {
            tempEntfernen(temp);
            return l;
        }
    }
    // The temporary file takes the list's name in one rename: the list is never missing.
    try {
        Ersetzung(ersetzungsziel(l.pfad), textinhalt(neu.dateien), temp).umschalten();
    } catch (const EAFehler&) {
        tempEntfernen(temp); // made above, before the rewrite opened it
        throw;
    }
    return neu;
}

} // namespace

Dateiwaehler listennameFragen(Person& person) {
    return [&person] { return person.eingabe("Neue Datei-Liste", "Listen-Dateiname:", ""); };
}

std::optional<Dateiliste> neueDateiliste(const Dateiwaehler& nameFragen, Person& person) {
    std::string name;
    for (;;) {
        const auto eingabe = nameFragen();
        if (!eingabe) return std::nullopt;
        name = aufgeloest(Dateisatz::listenname(*eingabe));
        if (!dateiExistiert(name)) break;
        const auto antwort = person.frage(jaNeinFrage(
            "Achtung!",
            "Datei " + utf8NachAnsi(name) + " existiert bereits!\r" + A("Überschreiben ?"),
            Symbol::Warnung));
        if (antwort == Knopf::Ja) break;
    }
    try {
        textdateiSchreiben(name, {});
    } catch (const EAFehler&) {
        person.fehlermeldung(Ausgang::EAFehler, "Achtung!",
                             "Datei " + utf8NachAnsi(name) + " konnte nicht erstellt werden!!!",
                             Symbol::Fehler);
        return std::nullopt;
    }
    return Dateiliste{name, {}};
}

std::optional<Dateiliste> dateilisteLaden(const Dateiwaehler& waehlen, Person& person) {
    std::string name;
    for (;;) {
        const auto gewaehlt = waehlen();
        if (!gewaehlt) return std::nullopt;
        name = aufgeloest(*gewaehlt);
        if (dateiExistiert(name)) break;
        person.meldung("Fehler!", "Datei " + utf8NachAnsi(name) + " existiert nicht!",
                       Symbol::Fehler);
    }
    if (!Dateisatz::istListenname(name)) {
        person.meldung("Fehler!", "Es handelt sich hier NICHT um eine Dateiliste!", Symbol::Fehler);
        return std::nullopt;
    }
    return dateilisteLesen(name);
}

std::optional<Dateiliste> dateilisteOeffnen(const Dateiwaehler& waehlen, const Uhr& uhr,
                                            Person& person) {
    auto geladen = dateilisteLaden(waehlen, person);
    if (!geladen) return std::nullopt;
    Dateiliste l = std::move(*geladen);
    const std::string jahr = Kalenderjahr(uhr);
    // An empty list has no year to correct.
    if (l.dateien.empty() || listenjahr(l.dateien.front()) == jahr) return l;
    const auto antwort = person.frage(
        frageMit(A("Bestätigen"),
                 "Die Dateien in dieser Liste sind nicht von diesem Jahr. Wollen Sie jeweils "
                 "das aktuelle Jahr eintragen?",
                 Symbol::Frage, {Knopf::Ja, Knopf::Nein, Knopf::Abbruch}, Knopf::Ja));
    if (antwort == Knopf::Nein) return l;
    if (antwort != Knopf::Ja) return std::nullopt;
    return jahrKorrigieren(l, jahr, person);
}

} // namespace zalvor
