// The booking dialog (income or expense) on the engine side.
#include "core/entry/buchungseingabe.h"

#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/entry/buchungsfelder.h"
#include "core/entry/einoderausfrage.h"
#include "core/files/buchungsdatei.h"
#include "core/templates/schablonendatei.h"

#include <algorithm>

namespace zalvor {

namespace {

// Shown number of a type entry: its first two characters.
std::optional<int> eintragsNummer(const std::string& eintrag) {
    std::string kopf = eintrag.substr(0, 2);
    kopf.erase(0, kopf.find_first_not_of(' '));
    auto n = ganzzahlLesen(kopf);
    if (!n) return std::nullopt;
    return static_cast<int>(*n);
}

std::string typEintrag(int nummer, const std::string& name) {
    return (nummer < 10 ? " " : "") + std::to_string(nummer) + ": " + name;
}

bool enthaelt(const std::vector<std::string>& liste, const std::string& eintrag) {
    return std::find(liste.begin(), liste.end(), eintrag) != liste.end();
}

} // namespace

// The type store holds the one mapping between shown numbers and type codes; here only the
// numbers that the type list does not show are told apart.
std::optional<std::uint8_t> typcodeAusNummer(int nummer) {
    const std::uint8_t code = Typverwaltung::postenZuTypcode(nummer);
    if (code == 0 && nummer != 0) return std::nullopt;
    return code;
}

int nummerAusTypcode(std::uint8_t code) {
    const int nummer = Typverwaltung::typcodeZuPosten(code);
    return nummer == 0 && code != 0 ? -1 : nummer;
}

std::vector<std::string> typListe(const TDefinitionen& def, bool einnahme) {
    const Seite seite = einnahme ? Seite::Einnahme : Seite::Ausgabe;
    std::vector<std::string> liste;
    liste.reserve(kTypen + 1);
    liste.push_back(typEintrag(0, "Sonstige"));
    for (int n = 1; n <= kTypen; ++n)
        liste.push_back(typEintrag(n, def.typen.typName(seite, n)));
    return liste;
}

std::vector<std::string> kontenListe(const TDefinitionen& def) {
    std::vector<std::string> liste;
    for (int n = 1; n <= kKonten; ++n) {
        if (!def.kontoBenannt(n)) continue;
        liste.push_back(std::to_string(n) + ": " +
                        OemNachAnsi(def.konten[static_cast<std::size_t>(n)]));
    }
    return liste;
}

std::string kontoEintrag(const TDefinitionen& def, int n) {
    const auto liste = kontenListe(def);
    for (const auto& e : liste)
        if (kontoAusEintrag(liste, e) == n) return e;
    return {};
}

BuchungsStart buchungStarten(Sitzung& s, std::optional<std::uint32_t> satz,
                             std::optional<bool> einnahme) {
    BuchungsStart start;
    if (satz && *satz >= satzAnzahl(s.verein.datei.dateiname())) satz.reset();
    if (!satz) {
        if (s.verein.nurLesen) return start;
        if (!einnahme) einnahme = einnahmeOderAusgabe(s.person);
        if (!einnahme) return start;
        start.dialog = BuchungsDialog::Buchung;
        start.einnahme = *einnahme;
        return start;
    }
    start.satz = satz;
    start.buchung = buchungLesen(s.verein.datei.dateiname(), *satz);
    s.vorgabeTag = std::to_string(start.buchung.tag);
    s.vorgabeMonat = std::to_string(start.buchung.monat);
    if (start.buchung.istUmbuchung()) {
        start.dialog = BuchungsDialog::Umbuchung;
        return start;
    }
    start.dialog = BuchungsDialog::Buchung;
    start.einnahme = start.buchung.istEinnahme();
    return start;
}

BuchungsDlgInhalt buchungsDlgFuellen(Sitzung& s, const BuchungsStart& start) {
    BuchungsDlgInhalt inhalt;
    BuchungsMaske& m = inhalt.maske;
    BuchungsEingaben& e = inhalt.eingaben;
    const bool neu = !start.satz;

    m.aendern = !neu;
    m.einnahme = start.einnahme;
    m.satz = start.satz;
    if (neu) {
        m.buchung = TBuchung{};
        m.buchung.bunr.setze(nummerText(s.verein.datei.naechsteNummer));
    } else {
        m.buchung = start.buchung;
    }
    const TBuchung& b = m.buchung;

    m.titel = std::string(start.einnahme ? "Einnahme " : "Ausgabe ") +
              (neu ? std::string("buchen") : A("ändern"));
    if (!neu && b.typcode == kCodeBeitrag)
        m.typen = {typEintrag(kBeitragsMarke, "Beitrag")};
    else
        m.typen = typListe(s.verein.def, start.einnahme);
    m.konten = kontenListe(s.verein.def);
    gemeinsameFelderFuellen(s, b, neu, m, e);
    if (neu) {
        e.typ = m.typen.front();
        e.konto = m.konten.empty() ? std::string() : m.konten.front();
    } else {
        const int nummer = nummerAusTypcode(b.typcode);
        for (const auto& eintrag : m.typen)
            if (eintragsNummer(eintrag) == nummer) e.typ = eintrag;
        e.konto = kontoEintrag(s.verein.def, start.einnahme ? b.kontoNach : b.kontoVon);
    }
    e.anVon = OemNachAnsi(b.anVon.text());
    e.text = OemNachAnsi(b.text.text());
    buchungstextMerken(s.buchungstexte, e.text);
    m.textListe = s.buchungstexte;
    e.schablone = false;
    return inhalt;
}

bool buchungsDlgBuchen(Sitzung& s, const BuchungsMaske& m, const BuchungsEingaben& e, bool planen,
                       Eingabefeld* fehlerfeld) {
    if (m.nurLesen) return false;
    const bool euro = inEuroGetippt(s.verein, m.waehrungen, m.waehrungWaehlbar, e.waehrung);
    auto fehler = [&](Eingabefeld f, const std::string& text) {
        eingabeFehler(s.person, FehlerBox::Meldung, text);
        if (fehlerfeld) *fehlerfeld = f;
        return false;
    };

    auto werte =
        betragUndDatumPruefen(s.person, e.betrag, e.tag, e.monat, FehlerBox::Meldung, fehlerfeld);
    if (!werte) return false;
    if (e.bunr.empty()) return fehler(Eingabefeld::Bunr, "Keine Buchungsnummer!");
    std::optional<std::uint8_t> typcode;
    if (enthaelt(m.typen, e.typ))
        if (auto nummer = eintragsNummer(e.typ)) typcode = typcodeAusNummer(*nummer);
    if (!typcode) return fehler(Eingabefeld::Typ, "Kein Buchungstyp angegeben!");
    const int konto = kontoAusEintrag(m.konten, e.konto);
    if (konto == 0) return fehler(Eingabefeld::Konto, "Kein Konto angegeben!");

    TBuchung b = m.buchung;
    b.geplant = planen ? 1 : 0;
    b.betrag = Real6::aus(werte->betrag);
    b.tag = werte->tag;
    b.monat = werte->monat;
    b.bunr.setze(e.bunr);
    b.beleg.setze(e.beleg);
    b.typcode = *typcode;
    b.einnahme = m.einnahme ? 1 : 0;
    b.kontoNach = m.einnahme ? static_cast<std::uint8_t>(konto) : 0;
    b.kontoVon = m.einnahme ? 0 : static_cast<std::uint8_t>(konto);
    b.anVon.setze(AnsiNachOem(e.anVon));
    b.text.setze(AnsiNachOem(e.text));
    buchungstextMerken(s.buchungstexte, e.text.substr(0, TextFeld<30>::kMax));

    buchungSpeichern(s.verein, s.person, m.satz, b, euro);
    if (e.schablone) schabloneAnlegen(s.verein, s.person, b, euro);
    s.tabelle(m.satz ? TabellenModus::Auffrischen : TabellenModus::Anhaengen);
    return true;
}

void buchungsDlgGeschlossen(Sitzung& s) {
    s.vorgabeDatumZuruecksetzen();
    s.statuszeile();
}

} // namespace zalvor
