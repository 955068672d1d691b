// Opening a booking file: the steps in their fixed order.
#include "core/files/oeffnen.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/gesperrtmeldung.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/dateiname.h"
#include "core/files/definitionen.h"
#include "core/files/indexdatei.h"
#include "core/files/reorganisation.h"
#include "core/lists/planwerte.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliederimport.h"
#include "core/protection/codeschutz.h"
#include "core/templates/autobuchung.h"
#include "core/transaction/schreibtransaktion.h"

namespace zalvor {

namespace {

// A file cut short (for example by a full disk) still shows its whole records; the person
// hears of the loose bytes once, and appending asks before writing over them.
void unvollstaendigMelden(Sitzung& s) {
    const std::uint32_t rest = unvollstaendigeBytes(s.verein.datei.dateiname());
    if (rest == 0) return;
    s.person.meldung(A("Achtung!"),
                     A("Die Buchungsdatei ") + utf8NachAnsi(s.verein.datei.dateiname()) +
                         A(" endet mit ") + std::to_string(rest) +
                         A(" Bytes, die keinen vollständigen Datensatz bilden. Angezeigt und "
                           "ausgewertet werden nur die vollständigen Datensätze."),
                     Symbol::Warnung);
}

// The desktop program takes the club's lock; when another program holds it, the file is
// opened read-only.
bool vonAnderemGesperrt(Sitzung& s) {
    if (!s.sperrenBeimOeffnen) return false;
    if (vereinSperren(s)) return false;
    s.person.meldung(A("Schreibschutz"),
                     A("Die Datei ") + utf8NachAnsi(s.verein.datei.dateiname()) +
                         A(" ist in einem anderen Programm geöffnet. Sie wird nur zum Lesen "
                           "geöffnet; Änderungen sind erst möglich, wenn das andere Programm "
                           "sie geschlossen hat."),
                     Symbol::Warnung);
    return true;
}

// A reader holds the shared change lock while it reads, so that it never sees another
// program's change half made. zalvor-cli keeps it to the end of its command; the desktop
// program, which keeps a club open for long, only while it opens one it cannot write.
void lesesperreNehmen(Sitzung& s, Sperre& kurz) {
    if (s.sperre.gehalten()) return;
    const std::string datei = s.verein.datei.dateien().sperre();
    Sperre& sperre = s.sperrenBeimOeffnen ? kurz : s.sperre;
    if (sperre.lesen(datei)) return;
    gesperrtMelden(s.person, s.verein.datei.dateiname(),
                   A("wird gerade von einem anderen Programm geändert. Versuchen Sie es später "
                     "noch einmal."));
    throw BefehlAbgebrochen();
}

} // namespace

void buchungsdateiOeffnen(Sitzung& s, const OeffnenOptionen& optionen) {
    s.melden({Ereignis::Art::DateiGewechselt});
    const bool nurLesen = vonAnderemGesperrt(s);
    // 0. What a killed program left half done is undone first.
    liegengebliebeneJournale(s);
    Sperre lesesperre;
    lesesperreNehmen(s, lesesperre);
    // 1. Next booking number; index check when there is anything to check. While another
    // program writes, its files may be half-way through a change: no repair is offered.
    naechsteNummerFinden(s.verein.datei);
    unvollstaendigMelden(s);
    s.verein.indexBefund = IndexBefund::InOrdnung;
    if (!nurLesen && satzAnzahl(s.verein.datei.dateiname()) > 0)
        s.verein.indexBefund = indexCheckBeimOeffnen(s);
    // 2. Definitions. They start afresh, so that an older or missing definitions file never
    // inherits the currency or field names of the club that was open before.
    s.verein.def = angezeigt(definitionenLaden(s.verein.datei.basisname), s.person);
    // 3./4. Member file, contribution rates, plan values, commands, code word.
    mitgliederBeimOeffnen(s);
    beitragssaetzeEinlesen(s.verein, s.person);
    planwerteEinlesen(s.verein, s.person);
    codewortPruefen(s);
    // A club that another program holds open stays read-only whatever the code word.
    if (nurLesen) s.verein.nurLesen = true;
    s.dateiOffen = true;
    if (s.oberflaeche) s.oberflaeche->nachDemOeffnenFreigeben();
    // 5. Sort order.
    s.verein.sortierung = Sortierung::Nummer;
    // 6. Table.
    if (s.oberflaeche) s.oberflaeche->tabellenTitel(s.verein.datei.dateiname());
    s.tabelle(TabellenModus::Voll);
    // 7. Due templates.
    // They write: a file opened with the read-only code gets none.
    if (optionen.automatischeBuchungen && !s.verein.nurLesen) automatischeBuchungen(s);
}

void mitgliederBeimOeffnen(Sitzung& s) {
    altesMitgliederformatImportieren(s.verein.dateien(), s.person);
    // Without a member file the items are disabled too: they must not keep the state of the
    // file that was open before.
    s.verein.mitgliederVorhanden = mitgliederVorhanden(s.verein.dateien());
    s.melden({Ereignis::Art::MitgliederGeaendert});
}

void beitragssaetzeEinlesen(Verein& v, Person& person) {
    v.beitraege = angezeigt(beitragssaetzeLaden(v.dateien(), v.def), person);
}

void planwerteEinlesen(Verein& v, Person& person) {
    auto g = planwerteLaden(v.dateien(), v.plan);
    v.planvorgaben = g.status != Lesestatus::Fehlt;
    v.planUnlesbar = g.status == Lesestatus::Unlesbar;
    v.plan = angezeigt(std::move(g), person);
}

IndexBefund indexCheckBeimOeffnen(Sitzung& s) {
    if (satzAnzahl(s.verein.datei.dateien().buchungsdatei()) == 0) return IndexBefund::InOrdnung;
    const IndexBefund befund = indizesPruefen(s.verein.datei);
    if (befund == IndexBefund::InOrdnung) return befund;
    std::string text;
    switch (befund) {
    case IndexBefund::Fehlt:
        text = A("Min. eine Indexdatei fehlt!");
        break;
    case IndexBefund::Beschaedigt:
        text = A("Min. eine Indexdatei ist beschädigt!");
        break;
    default:
        text = A("Fehler beim Zugriff auf eine Indexdatei!");
        break;
    }
    auto antwort = s.person.frage(jaNeinFrage(
        A("Index-Datei-Check"),
        text + "\r" + A("Wollen Sie zur Reparatur eine Reorganisation starten?"), Symbol::Fehler));
    if (antwort != Knopf::Ja) return befund;
    // The repair writes: only while no other program has the club.
    if (!s.sperre.gehalten() && !vereinSperren(s)) {
        gesperrtMelden(s.person, s.verein.datei.dateiname(),
                       A("wird gerade von einem anderen Programm bearbeitet. Die "
                         "Reorganisation wird nicht durchgeführt."));
        return befund;
    }
    reorganisieren(s.verein, s.person, false);
    return befund;
}

bool vereinSperren(Sitzung& s) {
    return s.sperre.nehmen(s.verein.datei.dateien().sperre());
}

bool sperreFuerNeueDatei(Sitzung& s, const TBuchungsdatei& neu) {
    if (!s.sperrenBeimOeffnen && !s.sperre.gehalten()) return true;
    Sperre sperre;
    if (!sperre.nehmen(neu.dateien().sperre())) {
        gesperrtMelden(s.person, neu.dateiname(),
                       A("ist in einem anderen Programm geöffnet. Sie wird nicht neu angelegt."));
        return false;
    }
    s.sperre = std::move(sperre);
    return true;
}

OeffnenErgebnis dateiOeffnenBefehl(Sitzung& s, const std::string& gewaehlterName,
                                   const OeffnenOptionen& optionen) {
    auto wahl = dateinamePruefen(gewaehlterName, s.verein.datei.jahr, s.person);
    if (!wahl) return OeffnenErgebnis::NameAbgelehnt;
    const Dateisatz dateien(wahl->basisname, wahl->jahr);
    if (!dateiExistiert(dateien.buchungsdateiName())) return OeffnenErgebnis::NichtVorhanden;
    // A program that keeps the club open writes into it.
    if (s.sperrenBeimOeffnen && !namenPassen(dateien, s.person))
        return OeffnenErgebnis::NameAbgelehnt;
    s.verein.datei.basisname = wahl->basisname;
    s.verein.datei.jahr = wahl->jahr;
    try {
        buchungsdateiOeffnen(s, optionen);
    } catch (...) {
        // The automatic bookings come last: the file is open, and its status bar shows it
        // with what was booked before the failure.
        if (s.dateiOffen) s.statuszeile();
        throw;
    }
    s.statuszeile();
    return OeffnenErgebnis::Geoeffnet;
}

} // namespace zalvor
