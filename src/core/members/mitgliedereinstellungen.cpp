// Member settings and further rates: filling, checks, storing.
#include "core/members/mitgliedereinstellungen.h"

#include "core/common/befehlsregeln.h"
#include "core/common/betrag.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/definitionen.h"
#include "core/files/sitzung.h"
#include "core/members/beitragssaetze.h"

namespace zalvor {

std::string mglEinstText() {
    return A("Geben Sie hier Konto und Betrag für die Beitragsbuchungen und die Namen für die "
             "freien (benutzerdefinierten) Datenfelder an.");
}

std::vector<int> mglEinstKonten(const TDefinitionen& def) {
    std::vector<int> r;
    for (int n = 1; n <= kKonten; ++n)
        if (def.kontoBenannt(n)) r.push_back(n);
    return r;
}

MglEinstEingaben mglEinstFuellen(const TDefinitionen& def) {
    MglEinstEingaben e;
    const int konto = def.beitragsKonto();
    if (def.kontoBenannt(konto)) e.konto = konto;
    e.betrag = BetragText(def.standardBeitrag, 0);
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        e.felder[i] = OemNachAnsi(def.freiFelder[i + 1]);
    return e;
}

Speicherausgang mglEinstOk(Sitzung& s, const MglEinstEingaben& e) {
    befehlPruefen(s, Befehlsart::MitgliederEinstellungen);
    if (!s.verein.def.kontoBenannt(e.konto)) {
        s.person.nachricht(A("Fehler!"), A("\r\rKein Konto angegeben!"));
        return Speicherausgang::Abgewiesen;
    }
    if (e.betrag.empty()) {
        s.person.nachricht(A("Fehler!"), A("\r\rKein Betrag angegeben!"));
        return Speicherausgang::Abgewiesen;
    }
    const std::string text = kommaZuPunkt(e.betrag);
    std::optional<long double> betrag;
    try {
        betrag = BetragLesen(text);
    } catch (const UeberlaufFehler&) {
        betrag.reset();
    }
    // Entry 0 of the rates holds the standard rate in 16-bit cents.
    if (!betrag || *betrag < 0 || *betrag > kHoechsterSatz) {
        s.person.nachricht(A("Fehler!"), "\r" + text + A(" hat kein gültiges Betragsformat!"));
        return Speicherausgang::Abgewiesen;
    }
    // Rates that could not be read are not written over; nothing is stored then.
    if (s.verein.beitraege.unlesbar) {
        beitragssaetzeSchreiben(s.verein.dateien(), s.verein.beitraege, s.person);
        return Speicherausgang::Schreibfehler;
    }
    const TDefinitionen alteDef = s.verein.def;
    const Beitragssatz alterStandard = s.verein.beitraege.eintraege[0];
    s.verein.def.standardBeitrag = *betrag;
    s.verein.beitraege.eintraege[0].cent = inCent(*betrag);
    s.verein.beitraege.eintraege[0].name.setze("Standard");
    for (std::size_t i = 0; i < kFreiFelder; ++i)
        s.verein.def.freiFelder[i + 1] = e.felder[i].substr(0, 10);
    const int zusatz = s.verein.def.codeGeschuetzt() ? 10 : 0;
    s.verein.def.mitgliedEinstellung = static_cast<std::uint8_t>(e.konto + zusatz);
    if (!definitionenSchreiben(s.verein.datei.basisname, s.verein.def, s.person)) {
        s.verein.def = alteDef;
        s.verein.beitraege.eintraege[0] = alterStandard;
        return Speicherausgang::Schreibfehler;
    }
    if (!beitragssaetzeSchreiben(s.verein.dateien(), s.verein.beitraege, s.person))
        return Speicherausgang::Schreibfehler;
    return Speicherausgang::Gespeichert;
}

bool mglEinstDialog(Sitzung& s, const std::function<bool(MglEinstEingaben&)>& zeigen) {
    MglEinstEingaben e = mglEinstFuellen(s.verein.def);
    while (zeigen(e)) {
        const Speicherausgang a = mglEinstOk(s, e);
        if (a != Speicherausgang::Abgewiesen) return a == Speicherausgang::Gespeichert;
    }
    return false;
}

std::string centText(std::uint16_t cent) {
    const std::string c = std::to_string(cent % 100);
    return std::to_string(cent / 100) + "," + (c.size() == 1 ? "0" + c : c);
}

std::optional<std::uint16_t> satzBetragLesen(std::string_view s) {
    if (s.empty()) return 0;
    auto trenner = [&](std::size_t vonHinten) {
        if (s.size() < vonHinten) return false;
        const char c = s[s.size() - vonHinten];
        return c == ',' || c == '.';
    };
    std::string einheiten;
    std::string cents;
    if (trenner(1)) {
        einheiten = s.substr(0, s.size() - 1);
        cents = "00";
    } else if (trenner(2)) {
        einheiten = s.substr(0, s.size() - 2);
        cents = std::string(1, s.back()) + "0";
    } else if (trenner(3)) {
        einheiten = s.substr(0, s.size() - 3);
        cents = s.substr(s.size() - 2);
    } else {
        einheiten = s;
        cents = "00";
    }
    const auto zahl = ganzzahlLesen(einheiten + cents);
    if (!zahl || *zahl < 0 || *zahl > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(*zahl);
}

std::string beitrSaetzeText() {
    return A("Neben dem Standard-Beitragssatz können Sie hier bis zu 20 weitere Beitragssätze "
             "einrichten, z.B. für aktive und passive Mitglieder oder für Erwachsene und "
             "Jugendliche.");
}

SaetzeEingaben beitrSaetzeFuellen(const Beitragssaetze& saetze) {
    SaetzeEingaben e;
    for (std::size_t i = 0; i < e.size(); ++i) {
        e[i].name = saetze.eintraege[i + 1].name.text();
        e[i].betrag = centText(saetze.eintraege[i + 1].cent);
    }
    return e;
}

Speicherausgang beitrSaetzeOk(Sitzung& s, const SaetzeEingaben& e) {
    befehlPruefen(s, Befehlsart::MitgliederEinstellungen);
    std::array<std::uint16_t, 20> cents{};
    for (std::size_t i = 0; i < e.size(); ++i) {
        const auto c = satzBetragLesen(e[i].betrag);
        if (!c) {
            s.person.meldung(A("Falsches Zahlenformat"),
                             A("In Zeile ") + std::to_string(i + 1) +
                                 A(" wurde ein ungültiger Betrag eingegeben! (Nur Ziffern sowie "
                                   "max. ein \".\" oder \",\" vor den Cents sind zugelassen!)"),
                             Symbol::Warnung);
            return Speicherausgang::Abgewiesen;
        }
        cents[i] = *c;
    }
    for (std::size_t i = 0; i < e.size(); ++i) {
        s.verein.beitraege.eintraege[i + 1].name.setze(e[i].name.substr(0, 40));
        s.verein.beitraege.eintraege[i + 1].cent = cents[i];
    }
    return beitragssaetzeSchreiben(s.verein.dateien(), s.verein.beitraege, s.person)
               ? Speicherausgang::Gespeichert
               : Speicherausgang::Schreibfehler;
}

bool beitrSaetzeDialog(Sitzung& s, const std::function<bool(SaetzeEingaben&)>& zeigen) {
    SaetzeEingaben e = beitrSaetzeFuellen(s.verein.beitraege);
    while (zeigen(e)) {
        const Speicherausgang a = beitrSaetzeOk(s, e);
        if (a != Speicherausgang::Abgewiesen) return a == Speicherausgang::Gespeichert;
    }
    return false;
}

} // namespace zalvor
