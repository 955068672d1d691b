// The transfer dialog on the engine side.
#include "core/entry/umbuchungseingabe.h"

#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "core/entry/buchungsfelder.h"
#include "core/files/buchungsdatei.h"

namespace zalvor {

UmbuchungsDlgInhalt umbuchungsDlgFuellen(Sitzung& s, std::optional<std::uint32_t> satz,
                                         const TBuchung& buchung) {
    UmbuchungsDlgInhalt inhalt;
    UmbuchungsMaske& m = inhalt.maske;
    UmbuchungsEingaben& e = inhalt.eingaben;
    const bool neu = !satz;

    m.aendern = !neu;
    m.satz = satz;
    if (neu) {
        m.buchung = TBuchung{};
        m.buchung.text.setze("Umbuchung ");
        m.buchung.bunr.setze(nummerText(s.verein.datei.naechsteNummer));
    } else {
        m.buchung = buchung;
    }
    const TBuchung& b = m.buchung;

    m.titel = neu ? std::string("Umbuchung") : std::string("Umbuchung") + A(" ändern");
    m.konten = kontenListe(s.verein.def);
    gemeinsameFelderFuellen(s, b, neu, m, e);
    if (neu) {
        e.von = m.konten.empty() ? std::string() : m.konten.front();
        e.nach = e.von;
    } else {
        e.von = kontoEintrag(s.verein.def, b.kontoVon);
        e.nach = kontoEintrag(s.verein.def, b.kontoNach);
    }
    e.text = OemNachAnsi(b.text.text());
    buchungstextMerken(s.buchungstexte, e.text);
    m.textListe = s.buchungstexte;
    return inhalt;
}

bool umbuchungsDlgBuchen(Sitzung& s, const UmbuchungsMaske& m, const UmbuchungsEingaben& e,
                         Eingabefeld* fehlerfeld) {
    if (m.nurLesen) return false;
    const bool euro = inEuroGetippt(s.verein, m.waehrungen, m.waehrungWaehlbar, e.waehrung);
    auto fehler = [&](Eingabefeld f, const std::string& text) {
        eingabeFehler(s.person, FehlerBox::Nachricht, text);
        if (fehlerfeld) *fehlerfeld = f;
        return false;
    };

    auto werte =
        betragUndDatumPruefen(s.person, e.betrag, e.tag, e.monat, FehlerBox::Nachricht, fehlerfeld);
    if (!werte) return false;
    if (e.bunr.empty()) return fehler(Eingabefeld::Bunr, "Keine Buchungsnummer!");
    const int von = kontoAusEintrag(m.konten, e.von);
    if (von == 0) return fehler(Eingabefeld::Quellkonto, "Kein Quellkonto angegeben!");
    const int nach = kontoAusEintrag(m.konten, e.nach);
    if (nach == 0) return fehler(Eingabefeld::Zielkonto, "Kein Zielkonto angegeben!");
    if (von == nach) return fehler(Eingabefeld::Zielkonto, "Quell- und Zielkonto sind identisch!");

    TBuchung b = m.buchung;
    b.typcode = kCodeUmbuchung;
    b.einnahme = 0;
    b.geplant = 0;
    b.betrag = Real6::aus(werte->betrag);
    b.tag = werte->tag;
    b.monat = werte->monat;
    b.bunr.setze(e.bunr);
    b.beleg.setze(e.beleg);
    b.kontoVon = static_cast<std::uint8_t>(von);
    b.kontoNach = static_cast<std::uint8_t>(nach);
    b.text.setze(AnsiNachOem(e.text));
    buchungstextMerken(s.buchungstexte, e.text.substr(0, TextFeld<30>::kMax));

    buchungSpeichern(s.verein, s.person, m.satz, b, euro);
    s.tabelle(m.satz ? TabellenModus::Auffrischen : TabellenModus::Anhaengen);
    return true;
}

void umbuchungsDlgGeschlossen(Sitzung& s, bool ausMenue) {
    s.vorgabeDatumZuruecksetzen();
    if (ausMenue) s.statuszeile();
}

} // namespace zalvor
