// New file: name and overwrite question, first settings, empty files, opening balances.
#include "core/files/neuedatei.h"

#include "core/common/betrag.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/dateiname.h"
#include "core/files/definitionen.h"
#include "core/files/indexdatei.h"
#include "core/files/oeffnen.h"
#include "core/files/reorganisation.h"
#include "core/members/mitgliederimport.h"

namespace zalvor {

namespace {

bool dateiSchonDa(const Dateiwahl& w) {
    const Dateisatz d(w.basisname, w.jahr);
    return dateiExistiert(d.definitionen()) || dateiExistiert(d.buchungsdateiName());
}

// Step 4: a new club starts from clean definitions. The VAT rate and the free member field
// names are reset too, so that nothing of the previously open club is carried into the new
// club's definitions file; the currency settings stay as proposals for the currency dialog.
void definitionenZuruecksetzen(TDefinitionen& d) {
    for (int n = 1; n <= kKonten; ++n)
        d.konten[static_cast<std::size_t>(n)] = kUnbenannt;
    d.typen.namenLeeren();
    d.typen.zuordnungenLeeren();
    d.standardBeitrag = 0;
    d.mitgliedEinstellung = 1;
    d.mwstSatz = 0;
    d.freiFelder = TDefinitionen{}.freiFelder;
}

bool dateienAnlegen(Sitzung& s) {
    try {
        const Dateisatz dateien = s.verein.datei.dateien();
        for (int k = 1; k <= 9; ++k)
            dateiLoeschen(dateien.index(k));
        leereDateiAnlegen(s.verein.datei.dateiname());
        // The member register belongs to the club, not to the year: an existing one is kept.
        const std::string mitglieder = dateien.mitglieder();
        if (!dateiExistiert(mitglieder)) leereDateiAnlegen(mitglieder);
        return true;
    } catch (const EAFehler&) {
        return false;
    }
}

// One pass of the opening balances form: true when all nine rows were valid and stored.
bool anfangsbestaendeSpeichern(Sitzung& s, const std::array<std::string, 9>& eingaben) {
    for (int n = 1; n <= kKonten; ++n) {
        const std::string& roh = eingaben[static_cast<std::size_t>(n - 1)];
        if (roh.empty()) {
            s.person.meldung(A("Fehler!"), A("Kein Betrag angegeben!"), Symbol::Fehler);
            return false;
        }
        const std::string text = kommaZuPunkt(roh);
        auto betrag = BetragLesen(text);
        if (!betrag) {
            s.person.nachricht(A("Fehler"), A("Konto ") + std::to_string(n) + ": " + text +
                                                A(" hat kein gültiges Betragsformat!"));
            return false;
        }
        buchungAnhaengen(s.verein, s.person, anfangsbestandsBuchung(n, *betrag),
                         AnhaengenOptionen{});
    }
    return true;
}

} // namespace

void anfangsbestaendeErfassen(Sitzung& s) {
    std::array<std::string, 9> eingaben;
    eingaben.fill("0.00");
    while (true) {
        // Records of an earlier attempt are discarded.
        leereDateiAnlegen(s.verein.datei.dateiname());
        auto antwort = s.masken ? s.masken->anfangsbestaende(s, eingaben) : std::nullopt;
        if (!antwort) break;
        eingaben = *antwort;
        if (anfangsbestaendeSpeichern(s, eingaben)) break;
    }
    s.person.nachricht(
        A("Anmerkung"),
        A("Um die Indexdateien zu erstellen, wird nun eine Reorganisation gestartet."));
    reorganisieren(s.verein, s.person, false);
}

bool neueDatei(Sitzung& s) {
    Dateiwahl wahl;
    while (true) {
        auto name = s.person.eingabe(A("Neue Datei"), A("Dateiname:"), "");
        if (!name || name->empty()) return false;
        wahl = neuerDateiname(*name, Kalenderjahr(s.uhr));
        if (!namenPassen(Dateisatz(wahl.basisname, wahl.jahr), s.person)) continue;
        if (!dateiSchonDa(wahl)) break;
        auto antwort = s.person.frage(jaNeinFrage(
            A("ALARM!"), A("Datei  existiert bereits!\rüberschreiben ?"), Symbol::Warnung));
        if (antwort == Knopf::Ja) break;
    }

    TBuchungsdatei neu = s.verein.datei;
    neu.basisname = wahl.basisname;
    neu.jahr = wahl.jahr;
    if (!sperreFuerNeueDatei(s, neu)) return false;
    s.verein.datei.basisname = wahl.basisname;
    s.verein.datei.jahr = wahl.jahr;
    s.melden({Ereignis::Art::DateiGewechselt});
    s.verein.datei.naechsteNummer = 1;
    s.verein.nurLesen = false;
    s.verein.planvorgaben = false;
    definitionenZuruecksetzen(s.verein.def);
    // A new file starts with the default rates (never those of the club open before) and
    // enables the member items by its member file.
    s.verein.beitraege = vorgabeSaetze(s.verein.def);
    s.verein.mitgliederVorhanden = mitgliederVorhanden(s.verein.dateien());
    s.melden({Ereignis::Art::MitgliederGeaendert});

    s.person.nachricht(
        A("Einstellungen"),
        A("Legen Sie zunächst die Währungseinstellungen fest, d.h. geben Sie an, ab welchem Jahr "
          "Sie in Euro rechnen wollen (oder ein früheres Jahr, wenn Sie sofort in Euro abrechnen "
          "wollen!), welche Währung Sie davor benutz(t)en (DM,ÖS,...) sowie den Eurokurs."));
    const bool waehrungGespeichert = s.masken && s.masken->waehrungseinstellungen(s, false);

    s.person.nachricht(
        A("Einstellungen"),
        A("Sie werden im nächsten Dialog aufgefordert, die Namen für bestimmte Ein- bzw. "
          "Auszahlungstypen festzulegen. Nach diesen Typen, sowie dem Typ \"Sonstige\" werden "
          "ihre Buchungen sortiert und im Abschluß werden die Summen für jeden Typ einzeln "
          "summiert."));
    s.person.nachricht(
        A("Weiter..."),
        A("Nachher können Sie auch Typen zu Gruppen zusammenfassen (s. Hilfe) Außerdem legen Sie "
          "noch die Namen für die Konten fest. Diese Einstellungen können Sie jederzeit "
          "nachträglich ändern per \"Buchungen|Einstellungen\"."));
    const bool einstellungenGespeichert = s.masken && s.masken->dateieinstellungen(s);
    // Both forms cancelled: the new club still gets its definitions file, so that opening it
    // later finds one and no definitions of an earlier club stay behind under this name.
    if (!waehrungGespeichert && !einstellungenGespeichert)
        definitionenSchreiben(s.verein.datei.basisname, s.verein.def, s.person);

    s.verein.sortierung = Sortierung::Nummer;
    if (!dateienAnlegen(s)) {
        s.person.fehlermeldung(Ausgang::Abgelehnt, A("Fehler!"),
                               A("Schreiben der Dateien nicht möglich!"), Symbol::Fehler);
        s.verein.datei.basisname.clear();
        return true;
    }
    anfangsbestaendeErfassen(s);
    s.verein.datei.naechsteNummer = 1;
    s.dateiOffen = true;
    if (s.oberflaeche) s.oberflaeche->tabellenTitel(s.verein.datei.dateiname());
    return true;
}

} // namespace zalvor
