// Code word check at opening and the "Codeschutz..." procedure.
#include "core/protection/codeschutz.h"

#include "core/common/befehlsregeln.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/definitionen.h"
#include "core/files/sitzung.h"
#include "core/protection/codewort.h"
#include "core/protection/codewortdatei.h"

namespace zalvor {

namespace {

// The read-only code can only be set as the follow-up of a new main code word.
enum class Modus { Hauptcode, NurLeseCode };

// Nothing of the file stays reachable in this run: the program ends, and until it has, no
// command finds an open file.
[[noreturn]] void programmEnde(Sitzung& s, const std::string& grund) {
    s.verein.datei.basisname.clear();
    s.dateiOffen = false;
    s.verein.nurLesen = false;
    throw ProgrammEnde(grund);
}

[[noreturn]] void codedateiFehlt(Sitzung& s) {
    s.person.meldung(A("Fehler!"),
                     A("Code-Datei fehlt! (Wurde offensichtlich gelöscht!). Daten unzugänglich, "
                       "bitte an Orvan-Soft wenden..."),
                     Symbol::Fehler);
    programmEnde(s, "Code-Datei fehlt");
}

void falscherCode(Sitzung& s) {
    s.person.meldung(A("Alarm!"), A("Falscher Code eingegeben!"), Symbol::Fehler);
}

bool passt(const std::string& eingegeben, const std::string& gespeichert) {
    return eingegeben == codewortDekodieren(gespeichert);
}

Codewoerter vorhandeneLesen(Sitzung& s) {
    const std::string pfad = s.verein.datei.dateien().codewort();
    if (!dateiExistiert(pfad)) codedateiFehlt(s);
    return codewortdateiLesen(pfad);
}

// Definitions written, then the code word file deleted: a failure in between leaves an
// unguarded file with a stray code word file, never a guarded file without one.
void schutzEntfernen(Sitzung& s) {
    const std::uint8_t vorher = s.verein.def.mitgliedEinstellung;
    s.verein.def.mitgliedEinstellung = static_cast<std::uint8_t>(vorher % 10);
    bool geschrieben = false;
    try {
        geschrieben = definitionenSchreiben(s.verein.datei.basisname, s.verein.def, s.person);
    } catch (...) {
        s.verein.def.mitgliedEinstellung = vorher;
        throw;
    }
    if (!geschrieben) {
        s.verein.def.mitgliedEinstellung = vorher;
        throw BefehlAbgebrochen();
    }
    dateiLoeschen(s.verein.datei.dateien().codewort());
    s.person.nachricht(A("Wichtig!"), "\r\r" + A("Codeschutz wurde entfernt!!"));
}

// The code word file first, then the definitions: when the definitions of a file that was
// not guarded cannot be written, the new code word file is taken away again, so that the
// file stays as it was.
void speichern(Sitzung& s, Modus modus, const std::string& kodiert) {
    const std::string pfad = s.verein.datei.dateien().codewort();
    Codewoerter c;
    if (modus == Modus::Hauptcode) {
        c.haupt = kodiert;
    } else {
        c = codewortdateiLesen(pfad);
        c.nurLese = kodiert;
    }
    codewortdateiSchreiben(pfad, c);

    const std::uint8_t vorher = s.verein.def.mitgliedEinstellung;
    if (vorher >= 10) {
        // The guard is recorded already; the rewrite only repeats it.
        definitionenSchreiben(s.verein.datei.basisname, s.verein.def, s.person);
        return;
    }
    s.verein.def.mitgliedEinstellung = static_cast<std::uint8_t>(vorher + 10);
    bool geschrieben = false;
    try {
        geschrieben = definitionenSchreiben(s.verein.datei.basisname, s.verein.def, s.person);
    } catch (...) {
        s.verein.def.mitgliedEinstellung = vorher;
        dateiLoeschen(pfad);
        throw;
    }
    if (!geschrieben) {
        s.verein.def.mitgliedEinstellung = vorher;
        dateiLoeschen(pfad);
        throw BefehlAbgebrochen();
    }
}

// The new code as typed, or nullopt when cancelled. A code whose stored form would hold a
// line break cannot be one line of the file: it is refused and asked for again.
std::optional<std::string> neuenCodeAbfragen(Sitzung& s, Modus modus) {
    const std::string titel =
        modus == Modus::Hauptcode ? A("Neues Codewort eingeben!") : A("Nur-Lese-Code festlegen");
    for (;;) {
        auto eingabe = s.person.codeEingabe(titel, CodeBild::Keins);
        if (!eingabe || alsZeileSpeicherbar(codewortKodieren(*eingabe))) return eingabe;
        s.person.meldung(A("Fehler"),
                         A("Dieses Codewort kann nicht gespeichert werden! Bitte wählen Sie "
                           "ein anderes."),
                         Symbol::Warnung);
    }
}

// True when a code word was stored or the guard removed.
bool festlegen(Sitzung& s, Modus modus) {
    if (modus == Modus::Hauptcode && s.verein.def.codeGeschuetzt()) {
        const Codewoerter alt = vorhandeneLesen(s);
        auto eingabe = s.person.codeEingabe(A("Alten Code betätigen!"), CodeBild::VorhandenerCode);
        if (!eingabe) return false;
        if (!passt(*eingabe, alt.haupt)) {
            falscherCode(s);
            return false;
        }
    }
    const auto neu = neuenCodeAbfragen(s, modus);
    if (!neu) return false;
    if (neu->empty()) {
        schutzEntfernen(s);
        return true;
    }
    const auto wiederholt =
        s.person.codeEingabe(A("Codewort nocheinmal eingeben!"), CodeBild::Wiederholung);
    if (!wiederholt) return false;
    if (*wiederholt != *neu) {
        s.person.meldung(A("Fehler"), A("Eingaben nicht identisch!"), Symbol::Warnung);
        return false;
    }
    speichern(s, modus, codewortKodieren(*neu));
    if (modus == Modus::NurLeseCode) {
        s.person.nachricht("", "\r\r" + A("Nur-Lese-Code gesichert."));
        return true;
    }
    Frage f = jaNeinFrage(A("Bestätigen"),
                          A("Neues Codewort wurde gesichert! Wollen Sie auch einen Nur-Lese-Code "
                            "festlegen?"),
                          Symbol::Frage);
    f.hilfeKontext = kHilfeCodeschutz;
    if (s.person.frage(f) == Knopf::Ja) festlegen(s, Modus::NurLeseCode);
    return true;
}

} // namespace

void codewortPruefen(Sitzung& s) {
    if (!s.verein.def.codeGeschuetzt()) {
        s.verein.nurLesen = false;
        return;
    }
    codewortAbfragen(s, vorhandeneLesen(s));
}

void codewortAbfragen(Sitzung& s, const Codewoerter& c) {
    const auto eingabe =
        s.person.codeEingabe(A("Bitte Codewort eingeben!"), CodeBild::VorhandenerCode);
    if (!eingabe) programmEnde(s, "kein Codewort eingegeben");
    if (passt(*eingabe, c.haupt)) {
        s.verein.nurLesen = false;
        return;
    }
    // An empty read-only line is no code: an empty entry never opens the file read-only.
    if (c.nurLese && !c.nurLese->empty() && passt(*eingabe, *c.nurLese)) {
        s.verein.nurLesen = true;
        return;
    }
    falscherCode(s);
    programmEnde(s, "falscher Code");
}

bool codeschutzBefehl(Sitzung& s) {
    befehlPruefen(s, Befehlsart::Codeschutz);
    bool geaendert = false;
    try {
        geaendert = festlegen(s, Modus::Hauptcode);
    } catch (const BefehlAbgebrochen&) {
        s.statuszeile();
        throw;
    } catch (const EAFehler&) {
        s.statuszeile();
        throw;
    }
    s.statuszeile();
    return geaendert;
}

bool nurLeseCodeVorhanden(const Dateisatz& dateien) {
    const std::string pfad = dateien.codewort();
    if (!dateiExistiert(pfad)) return false;
    const auto c = codewortdateiLesen(pfad);
    return c.nurLese && !c.nurLese->empty();
}

} // namespace zalvor
