// Next year: carried balances and planned bookings, the Euro changeover, the new indexes.
#include "core/files/naechstesjahr.h"

#include "core/common/betrag.h"
#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/dateiname.h"
#include "core/files/dateischreiben.h"
#include "core/files/indexdatei.h"
#include "core/files/oeffnen.h"
#include "core/files/reorganisation.h"
#include "core/members/beitraegebuchen.h"
#include "core/templates/autobuchung.h"

#include <cctype>
#include <vector>

namespace zalvor {

namespace {

bool zweiZiffern(const std::string& t) {
    return t.size() == 2 && std::isdigit(static_cast<unsigned char>(t[0])) &&
           std::isdigit(static_cast<unsigned char>(t[1]));
}

std::string vorschlag(Sitzung& s) {
    auto y = ganzzahlLesen(s.verein.datei.jahr);
    if (!y) {
        s.verein.datei.jahr = Kalenderjahr(s.uhr);
        y = ganzzahlLesen(s.verein.datei.jahr);
    }
    return zweistellig(static_cast<int>((*y + 1) % 100));
}

// The dialog until a two-digit year is confirmed; nullopt on "&Abbruch".
std::optional<std::string> jahrErfragen(Sitzung& s) {
    std::string text = vorschlag(s);
    while (true) {
        auto eingabe = s.masken ? s.masken->naechstesJahr(s, text) : std::nullopt;
        if (!eingabe) return std::nullopt;
        text = eingabe->substr(0, 2);
        // Two digits: a sign would read as a number but is no year.
        if (zweiZiffern(text)) return text;
        s.person.nachricht(A("Fehler!"), "\r\r" + text + A(" ist kein Jahr (zweistellige Zahl!)"));
    }
}

// Asks before the first Euro year: a year without a rate is refused, Cancel ends the change.
Ausgang euroUmstellungBestaetigt(Sitzung& s) {
    const auto& w = s.verein.def.waehrung;
    if (w.Kurs < kKursSchwelle) {
        s.person.meldung(
            A("Achtung!"),
            A("Laut Euro-Einstellungen (Menü Optionen) soll im ausgewählten Jahr in Euro "
              "gerechnet werden, aber es wurde noch kein Euro-Kurs eingegeben! Modifizieren Sie "
              "die Währungseinstellungen!"),
            Symbol::Warnung);
        return Ausgang::Abgelehnt;
    }
    const Frage f = frageMit(
        A("WICHTIG!"),
        A("Laut Euro-Einstellungen (Menü Optionen) soll im ausgewählten Jahr in Euro "
          "gerechnet werden! Sie haben den EuroKurs ") +
            festkomma(w.Kurs, 6) +
            A(" eingestellt! Falls der nicht stimmt, oder falls Sie die Umstellung auf ein "
              "späteres Jahr verschieben wollen, BRECHEN SIE JETZT AB und ändern Sie die "
              "Währungseinstellungen!"),
        Symbol::Warnung, {Knopf::Ok, Knopf::Abbruch}, Knopf::Ok);
    return s.person.frage(f) == Knopf::Ok ? Ausgang::Erledigt : Ausgang::Abgebrochen;
}

long double saldo(const std::vector<TBuchung>& saetze, int konto) {
    long double summe = 0;
    for (const auto& b : saetze) {
        if (b.istGeplant()) continue;
        if (b.kontoNach == konto) summe += b.betrag.wert();
        if (b.kontoVon == konto) summe -= b.betrag.wert();
    }
    return summe;
}

} // namespace

long double kontostand(const Verein& v, int konto) {
    return saldo(alleBuchungenLesen(v.datei.dateiname()), konto);
}

Ausgang naechstesJahr(Sitzung& s) {
    s.dateiErforderlich();
    auto neuesJahr = jahrErfragen(s);
    if (!neuesJahr) return Ausgang::Abgebrochen;

    const auto& w = s.verein.def.waehrung;
    const bool umstellung =
        JahrVor(s.verein.datei.jahr, w.Umstellungsjahr) && !JahrVor(*neuesJahr, w.Umstellungsjahr);
    if (umstellung) {
        if (const Ausgang a = euroUmstellungBestaetigt(s); a != Ausgang::Erledigt) return a;
        if (!beitragssaetzeUmstellen(s.verein, s.person)) return Ausgang::Abgebrochen;
    }

    const std::string neuerName = s.verein.datei.dateien().imJahr(*neuesJahr).buchungsdateiName();
    if (dateiExistiert(neuerName)) {
        const Frage f = frageMit(
            "",
            utf8NachAnsi(neuerName) + A(" existiert bereits. Überschreiben?\r\r(Nein : Öffnen)"),
            Symbol::Frage, {Knopf::Ja, Knopf::Nein, Knopf::Abbruch}, Knopf::Abbruch);
        auto antwort = s.person.frage(f);
        if (antwort == Knopf::Nein) {
            s.verein.datei.jahr = *neuesJahr;
            buchungsdateiOeffnen(s);
            s.statuszeile();
            return Ausgang::Erledigt;
        }
        if (antwort != Knopf::Ja) return Ausgang::Abgebrochen;
    }

    // The previous year's records, read before anything of the new year is written.
    const std::vector<TBuchung> vorjahr = alleBuchungenLesen(s.verein.datei.dateiname());
    auto umrechnen = [&](long double betrag) { return umstellung ? InEuro(w, betrag) : betrag; };

    // Everything of the new year is computed before anything is written, so that an
    // overflow ends the change with every file as it was.
    std::vector<std::uint8_t> inhalt;
    auto schreiben = [&](const TBuchung& b) {
        const auto bytes = b.packen();
        inhalt.insert(inhalt.end(), bytes.begin(), bytes.end());
    };
    for (int konto = 1; konto <= kKonten; ++konto)
        schreiben(anfangsbestandsBuchung(konto, umrechnen(saldo(vorjahr, konto))));
    for (TBuchung b : vorjahr) {
        if (!b.istGeplant()) continue;
        b.tag = 1;
        b.monat = 1;
        b.bunr.setze("0");
        if (b.typcode == kCodeBeitrag) b.typcode = 0;
        b.betrag = Real6::aus(umrechnen(b.betrag.wert()));
        schreiben(b);
    }
    // The reorganisation converts the templates into Euro; their overflow is found now.
    const std::string schablonen = s.verein.datei.dateien().schablonen();
    if (umstellung && dateiExistiert(schablonen)) {
        for (const TBuchung& b : alleBuchungenLesen(schablonen))
            (void)Real6::aus(umrechnen(b.betrag.wert()));
    }

    TBuchungsdatei neu = s.verein.datei;
    neu.jahr = *neuesJahr;
    if (!namenPassen(neu.dateien(), s.person) || !sperreFuerNeueDatei(s, neu))
        return Ausgang::Abgelehnt;
    // Indexes of an earlier file of that year go first: a booking file without its indexes
    // is found by the check at opening, one with the wrong indexes might not be.
    for (int k = 1; k <= 9; ++k)
        dateiLoeschen(neu.dateien().index(k));
    try {
        dateiErsetzen(neu.dateiname(), inhalt);
    } catch (const EAFehler&) {
        s.person.fehlermeldung(Ausgang::Abgelehnt, A("Fehler!"),
                               A("Schreiben der Datei nicht möglich!"), Symbol::Fehler);
        s.melden({Ereignis::Art::DateiGewechselt});
        s.verein.datei.basisname.clear();
        return Ausgang::Abgelehnt;
    }
    s.verein.datei.jahr = *neuesJahr;
    s.melden({Ereignis::Art::DateiGewechselt});
    s.verein.planvorgaben = false;
    s.verein.datei.naechsteNummer = 1;

    s.person.nachricht("\"Zwischenstop\"",
                       A("\rAnfangsbestände erstellt! Um die Indexdateien zu erstellen, wird nun "
                         "eine Reorganisation vorgenommen!"));
    reorganisieren(s.verein, s.person, umstellung);
    if (s.oberflaeche) s.oberflaeche->tabellenTitel(s.verein.datei.dateiname());
    s.tabelle(TabellenModus::Voll);
    s.person.meldung(A("Achtung!!"),
                     A("Wenn Sie noch Buchungen im Vorjahr durchführen, stimmen diese neuen "
                       "Anfangsbestände (") +
                         *neuesJahr + A(") nicht mehr!!"),
                     Symbol::Warnung);
    automatischeBuchungen(s);
    s.statuszeile();
    return Ausgang::Erledigt;
}

} // namespace zalvor
