// The command rules.
#include "core/common/befehlsregeln.h"

#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"

#include <array>

namespace zalvor {

namespace {

constexpr bool kDatei = true;
constexpr bool kOhneDatei = false;
constexpr bool kSchreibt = true;
constexpr bool kLiest = false;
constexpr bool kMitglieder = true;
constexpr bool kOhneMitglieder = false;

constexpr Absicht kLesen = Absicht::Lesen;
constexpr Absicht kSchreiben = Absicht::Schreiben;

// Every command once, for the look-up by id.
constexpr std::array kAlle{
    Befehlsart::Neu,
    Befehlsart::Oeffnen,
    Befehlsart::NaechstesJahr,
    Befehlsart::Reorganisieren,
    Befehlsart::Codeschutz,
    Befehlsart::DateilisteNeu,
    Befehlsart::DateilisteOeffnen,
    Befehlsart::Buchen,
    Befehlsart::Umbuchen,
    Befehlsart::AnzeigenAendern,
    Befehlsart::Loeschen,
    Befehlsart::Planvorgaben,
    Befehlsart::Schablonen,
    Befehlsart::Einstellungen,
    Befehlsart::Typengruppen,
    Befehlsart::MitgliederListe,
    Befehlsart::MitgliedNeu,
    Befehlsart::MitgliedAnzeigen,
    Befehlsart::BeitraegeBuchen,
    Befehlsart::BeitraegeReset,
    Befehlsart::MitgliederEinstellungen,
    Befehlsart::MitgliedAendern,
    Befehlsart::MitgliedEntfernen,
    Befehlsart::Beitragssaetze,
    Befehlsart::Glaeubigerdaten,
    Befehlsart::Lastschrift,
    Befehlsart::Mandat,
    Befehlsart::Einfachliste,
    Befehlsart::EaListe,
    Befehlsart::Kontenliste,
    Befehlsart::KontenlistenAlle,
    Befehlsart::Sortieren,
    Befehlsart::Monatsabschluss,
    Befehlsart::Jahresabschluss,
    Befehlsart::SollIst,
    Befehlsart::Mwst,
    Befehlsart::Waehrung,
    Befehlsart::EuroSymbol,
    Befehlsart::TabelleNeu,
    Befehlsart::Suchen,
    Befehlsart::Rueckgaengig,
    Befehlsart::DruckerEinstellungen,
    Befehlsart::IndexPruefen,
    Befehlsart::IndexZeigen,
    Befehlsart::Definitionen,
    Befehlsart::Export,
    Befehlsart::Drucken,
    Befehlsart::Kontoauszug,
    Befehlsart::Bankkonten,
    Befehlsart::Zuordnungsregeln,
    Befehlsart::Kontoauszugsvorschau,
};

} // namespace

Befehlsregel regel(Befehlsart art) {
    // Read-only mode switches the items of the read-only code (next year, reorganisation,
    // code word, the "&Buchungen" menu, the member items that write) and, because they
    // rewrite the definitions file, the VAT rate, the currency settings and the type groups.
    switch (art) {
    case Befehlsart::Neu:
    case Befehlsart::DateilisteNeu:
    case Befehlsart::DateilisteOeffnen:
    case Befehlsart::EuroSymbol:
    case Befehlsart::DruckerEinstellungen:
    case Befehlsart::Drucken:
        return {kOhneDatei, kLiest, kOhneMitglieder, kLesen};
    // Opening books the due templates.
    case Befehlsart::Oeffnen:
        return {kOhneDatei, kLiest, kOhneMitglieder, kSchreiben};
    case Befehlsart::Reorganisieren:
        return {kDatei, kSchreibt, kOhneMitglieder, Absicht::Reparieren};
    case Befehlsart::NaechstesJahr:
    case Befehlsart::Codeschutz:
    case Befehlsart::Buchen:
    case Befehlsart::Umbuchen:
    case Befehlsart::Loeschen:
    case Befehlsart::Planvorgaben:
    case Befehlsart::Schablonen:
    case Befehlsart::Einstellungen:
    case Befehlsart::Typengruppen:
    case Befehlsart::MitgliedNeu:
    case Befehlsart::Mwst:
    case Befehlsart::Waehrung:
    case Befehlsart::Rueckgaengig:
    case Befehlsart::Glaeubigerdaten:
    case Befehlsart::Kontoauszug:
    case Befehlsart::Bankkonten:
    case Befehlsart::Zuordnungsregeln:
        return {kDatei, kSchreibt, kOhneMitglieder, kSchreiben};
    // Shows a booking; a change is refused by the dialog in read-only mode.
    case Befehlsart::AnzeigenAendern:
        return {kDatei, kLiest, kOhneMitglieder, kSchreiben};
    case Befehlsart::BeitraegeBuchen:
    case Befehlsart::BeitraegeReset:
    case Befehlsart::MitgliederEinstellungen:
    case Befehlsart::MitgliedAendern:
    case Befehlsart::MitgliedEntfernen:
    case Befehlsart::Lastschrift:
    case Befehlsart::Mandat:
        return {kDatei, kSchreibt, kMitglieder, kSchreiben};
    case Befehlsart::MitgliederListe:
    case Befehlsart::MitgliedAnzeigen:
    case Befehlsart::Beitragssaetze:
        return {kDatei, kLiest, kMitglieder, kLesen};
    case Befehlsart::Einfachliste:
    case Befehlsart::EaListe:
    case Befehlsart::Kontenliste:
    case Befehlsart::KontenlistenAlle:
    case Befehlsart::Sortieren:
    case Befehlsart::Monatsabschluss:
    case Befehlsart::Jahresabschluss:
    case Befehlsart::SollIst:
    case Befehlsart::TabelleNeu:
    case Befehlsart::Suchen:
    case Befehlsart::IndexPruefen:
    case Befehlsart::IndexZeigen:
    case Befehlsart::Definitionen:
    case Befehlsart::Export:
    case Befehlsart::Kontoauszugsvorschau:
        return {kDatei, kLiest, kOhneMitglieder, kLesen};
    }
    return {};
}

std::string_view befehlsId(Befehlsart art) {
    switch (art) {
    case Befehlsart::Neu:
        return "neu";
    case Befehlsart::Oeffnen:
        return "oeffnen";
    case Befehlsart::NaechstesJahr:
        return "naechstesJahr";
    case Befehlsart::Reorganisieren:
        return "reorganisieren";
    case Befehlsart::Codeschutz:
        return "codeschutz";
    case Befehlsart::DateilisteNeu:
        return "dateilisteNeu";
    case Befehlsart::DateilisteOeffnen:
        return "dateilisteOeffnen";
    case Befehlsart::Buchen:
        return "buchen";
    case Befehlsart::Umbuchen:
        return "umbuchen";
    case Befehlsart::AnzeigenAendern:
        return "anzeigenAendern";
    case Befehlsart::Loeschen:
        return "loeschen";
    case Befehlsart::Planvorgaben:
        return "planvorgaben";
    case Befehlsart::Schablonen:
        return "schablonen";
    case Befehlsart::Einstellungen:
        return "einstellungen";
    case Befehlsart::Typengruppen:
        return "typengruppen";
    case Befehlsart::MitgliederListe:
        return "mitgliederListe";
    case Befehlsart::MitgliedNeu:
        return "mitgliedNeu";
    case Befehlsart::MitgliedAnzeigen:
        return "mitgliedAnzeigen";
    case Befehlsart::BeitraegeBuchen:
        return "beitraegeBuchen";
    case Befehlsart::BeitraegeReset:
        return "beitraegeReset";
    case Befehlsart::MitgliederEinstellungen:
        return "mitgliederEinstellungen";
    case Befehlsart::MitgliedAendern:
        return "mitgliedAendern";
    case Befehlsart::MitgliedEntfernen:
        return "mitgliedEntfernen";
    case Befehlsart::Beitragssaetze:
        return "beitragssaetze";
    case Befehlsart::Glaeubigerdaten:
        return "glaeubigerdaten";
    case Befehlsart::Lastschrift:
        return "lastschrift";
    case Befehlsart::Mandat:
        return "mandat";
    case Befehlsart::Einfachliste:
        return "einfachliste";
    case Befehlsart::EaListe:
        return "eaListe";
    case Befehlsart::Kontenliste:
        return "kontenliste";
    case Befehlsart::KontenlistenAlle:
        return "kontenlistenAlle";
    case Befehlsart::Sortieren:
        return "sortieren";
    case Befehlsart::Monatsabschluss:
        return "monatsabschluss";
    case Befehlsart::Jahresabschluss:
        return "jahresabschluss";
    case Befehlsart::SollIst:
        return "sollIst";
    case Befehlsart::Mwst:
        return "mwst";
    case Befehlsart::Waehrung:
        return "waehrung";
    case Befehlsart::EuroSymbol:
        return "euroSymbol";
    case Befehlsart::TabelleNeu:
        return "tabelleNeu";
    case Befehlsart::Suchen:
        return "suchen";
    case Befehlsart::Rueckgaengig:
        return "rueckgaengig";
    case Befehlsart::DruckerEinstellungen:
        return "druckerEinstellungen";
    case Befehlsart::IndexPruefen:
        return "indexPruefen";
    case Befehlsart::IndexZeigen:
        return "indexZeigen";
    case Befehlsart::Definitionen:
        return "definitionen";
    case Befehlsart::Export:
        return "export";
    case Befehlsart::Drucken:
        return "drucken";
    case Befehlsart::Kontoauszug:
        return "kontoauszug";
    case Befehlsart::Bankkonten:
        return "bankkonten";
    case Befehlsart::Zuordnungsregeln:
        return "zuordnungsregeln";
    case Befehlsart::Kontoauszugsvorschau:
        return "kontoauszugsvorschau";
    }
    return {};
}

std::optional<Befehlsart> befehlsartZuId(std::string_view id) {
    for (Befehlsart art : kAlle)
        if (befehlsId(art) == id) return art;
    return std::nullopt;
}

bool befehlVerfuegbar(const Sitzung& s, Befehlsart art) {
    const Befehlsregel r = regel(art);
    if (r.brauchtDatei && !s.dateiOffen) return false;
    if (r.schreibt && s.verein.nurLesen) return false;
    if (r.brauchtMitglieder && !s.verein.mitgliederVorhanden) return false;
    return true;
}

void befehlPruefen(Sitzung& s, Befehlsart art) {
    const Befehlsregel r = regel(art);
    if (r.brauchtDatei) s.dateiErforderlich();
    if (r.schreibt && s.verein.nurLesen) {
        s.person.meldung(A("Nur lesen"),
                         A("Die Datei ist mit dem Nur-Lese-Code geöffnet: sie kann angesehen, "
                           "aber nicht geändert werden."),
                         Symbol::Warnung);
        throw BefehlAbgebrochen();
    }
    if (r.brauchtMitglieder && !s.verein.mitgliederVorhanden) {
        s.person.nachricht(A("Fehler!"), A("\r\rKein Mitglied erfaßt!"));
        throw BefehlAbgebrochen();
    }
}

} // namespace zalvor
