// The command rules.
#include "core/common/befehlsregeln.h"

#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/sitzung.h"

namespace zalvor {

namespace {

constexpr bool kDatei = true;
constexpr bool kOhneDatei = false;
constexpr bool kSchreibt = true;
constexpr bool kLiest = false;
constexpr bool kMitglieder = true;

} // namespace

const std::vector<Befehlsregel>& befehlsregeln() {
    // Read-only mode switches the items of the read-only code (next year, reorganisation,
    // code word, the "&Buchungen" menu, the member items that write) and, because they
    // rewrite the definitions file, the VAT rate, the currency settings and the type groups.
    static const std::vector<Befehlsregel> regeln = {
        {"neu", kOhneDatei, kLiest},
        {"oeffnen", kOhneDatei, kLiest},
        {"naechstesJahr", kDatei, kSchreibt},
        {"reorganisieren", kDatei, kSchreibt},
        {"codeschutz", kDatei, kSchreibt},
        {"dateilisteNeu", kOhneDatei, kLiest},
        {"dateilisteOeffnen", kOhneDatei, kLiest},
        {"buchen", kDatei, kSchreibt},
        {"umbuchen", kDatei, kSchreibt},
        {"anzeigenAendern", kDatei, kLiest},
        {"loeschen", kDatei, kSchreibt},
        {"planvorgaben", kDatei, kSchreibt},
        {"schablonen", kDatei, kSchreibt},
        {"einstellungen", kDatei, kSchreibt},
        {"typengruppen", kDatei, kSchreibt},
        {"mitgliederListe", kDatei, kLiest, kMitglieder},
        {"mitgliedNeu", kDatei, kSchreibt},
        {"mitgliedAnzeigen", kDatei, kLiest, kMitglieder},
        {"beitraegeBuchen", kDatei, kSchreibt, kMitglieder},
        {"beitraegeReset", kDatei, kSchreibt, kMitglieder},
        {"mitgliederEinstellungen", kDatei, kSchreibt, kMitglieder},
        {"mitgliedAendern", kDatei, kSchreibt, kMitglieder},
        {"mitgliedEntfernen", kDatei, kSchreibt, kMitglieder},
        {"beitragssaetze", kDatei, kLiest, kMitglieder},
        {"einfachliste", kDatei, kLiest},
        {"eaListe", kDatei, kLiest},
        {"kontenliste", kDatei, kLiest},
        {"kontenlistenAlle", kDatei, kLiest},
        {"sortieren", kDatei, kLiest},
        {"monatsabschluss", kDatei, kLiest},
        {"jahresabschluss", kDatei, kLiest},
        {"sollIst", kDatei, kLiest},
        {"mwst", kDatei, kSchreibt},
        {"waehrung", kDatei, kSchreibt},
        {"euroSymbol", kOhneDatei, kLiest},
        {"tabelleNeu", kDatei, kLiest},
        {"suchen", kDatei, kLiest},
        {"rueckgaengig", kDatei, kSchreibt},
        {"druckerEinstellungen", kOhneDatei, kLiest},
    };
    return regeln;
}

const Befehlsregel* befehlsregel(std::string_view id) {
    for (const auto& r : befehlsregeln())
        if (r.id == id) return &r;
    return nullptr;
}

bool befehlVerfuegbar(const Sitzung& s, std::string_view id) {
    const Befehlsregel* r = befehlsregel(id);
    if (!r) return true;
    if (r->brauchtDatei && !s.dateiOffen) return false;
    if (r->schreibt && s.nurLesen) return false;
    if (r->brauchtMitglieder && !s.mitgliederVorhanden) return false;
    return true;
}

void befehlPruefen(Sitzung& s, std::string_view id) {
    const Befehlsregel* r = befehlsregel(id);
    if (!r) return;
    if (r->brauchtDatei) s.dateiErforderlich();
    if (r->schreibt && s.nurLesen) {
        s.person.meldung(A("Nur lesen"),
                         A("Die Datei ist mit dem Nur-Lese-Code geöffnet: sie kann angesehen, "
                           "aber nicht geändert werden."),
                         Symbol::Warnung);
        throw BefehlAbgebrochen();
    }
    if (r->brauchtMitglieder && !s.mitgliederVorhanden) {
        s.person.nachricht(A("Fehler!"), A("\r\rKein Mitglied erfaßt!"));
        throw BefehlAbgebrochen();
    }
}

} // namespace zalvor
