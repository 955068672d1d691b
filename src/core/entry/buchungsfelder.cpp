// Fields and steps shared by the booking and the transfer dialog.
#include "core/entry/buchungsfelder.h"

#include "core/common/betrag.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/indexdatei.h"

#include <algorithm>

namespace zalvor {

namespace {

// A whole number as the date fields take it: leading blanks allowed, nothing after it.
std::optional<long> ganzeZahl(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return std::nullopt;
    return ganzzahlLesen(std::string_view(text).substr(i));
}

} // namespace

void eingabeFehler(Person& person, FehlerBox box, const std::string& text) {
    if (box == FehlerBox::Meldung)
        person.meldung(A("Fehler!"), text, Symbol::Warnung);
    else
        person.nachricht(A("Fehler!"), text);
}

std::optional<BetragUndDatum> betragUndDatumPruefen(Person& person, const std::string& betrag,
                                                    const std::string& tag,
                                                    const std::string& monat, FehlerBox leerBox,
                                                    Eingabefeld* feld) {
    auto fehlgeschlagen = [&](Eingabefeld f) {
        if (feld) *feld = f;
        return std::nullopt;
    };
    if (betrag.empty()) {
        eingabeFehler(person, leerBox, A("Kein Betrag angegeben!"));
        return fehlgeschlagen(Eingabefeld::Betrag);
    }
    const std::string punkt = kommaZuPunkt(betrag);
    std::optional<long double> wert;
    try {
        wert = BetragLesen(punkt);
    } catch (const UeberlaufFehler&) {
        // Too large for the stored format: a typing error, not a reason to lose the entries.
        wert.reset();
    }
    if (!wert) {
        eingabeFehler(person, FehlerBox::Nachricht, punkt + A(" hat kein gültiges Betragsformat!"));
        return fehlgeschlagen(Eingabefeld::Betrag);
    }
    auto t = ganzeZahl(tag);
    if (!t || *t < 1 || *t > 31) {
        eingabeFehler(person, FehlerBox::Nachricht, tag + A(" ist kein Tag eines Monats!"));
        return fehlgeschlagen(Eingabefeld::Tag);
    }
    auto m = ganzeZahl(monat);
    if (!m || *m < 1 || *m > 12) {
        eingabeFehler(person, FehlerBox::Nachricht, monat + A(" ist kein Monat!"));
        return fehlgeschlagen(Eingabefeld::Monat);
    }
    return BetragUndDatum{*wert, static_cast<std::uint8_t>(*t), static_cast<std::uint8_t>(*m)};
}

std::vector<std::string> buchungsWaehrungen(const Verein& v, std::string_view euroText) {
    return {v.waehrungstext(euroText), v.andererWaehrungstext(euroText)};
}

bool waehrungWaehlbar(const Verein& v, bool neu) {
    return neu && v.beideWaehrungen();
}

bool inEuroGetippt(const Verein& v, const std::vector<std::string>& waehrungen, bool waehlbar,
                   const std::string& gewaehlt) {
    // Decided by position, so that a national label equal to the Euro label cannot confuse it.
    const bool andere = waehlbar && waehrungen.size() == 2 && gewaehlt == waehrungen[1] &&
                        waehrungen[0] != waehrungen[1];
    return v.inEuro() != andere;
}

void buchungstextMerken(std::vector<std::string>& liste, const std::string& text) {
    if (text.empty()) return;
    if (std::find(liste.begin(), liste.end(), text) == liste.end()) liste.push_back(text);
}

int kontoAusEintrag(const std::vector<std::string>& konten, const std::string& eintrag) {
    if (eintrag.empty() || std::find(konten.begin(), konten.end(), eintrag) == konten.end())
        return 0;
    const char c = eintrag.front();
    return c >= '1' && c <= '9' ? c - '0' : 0;
}

void buchungSpeichern(Verein& v, Person& person, std::optional<std::uint32_t> satz,
                      const TBuchung& b, bool euroGetippt) {
    if (!satz) {
        AnhaengenOptionen opt;
        opt.umrechnen = true;
        opt.inLandeswaehrung = euroGetippt;
        opt.indizes = true;
        opt.fehlendenIndexAnlegen = false;
        buchungAnhaengen(v, person, b, opt);
        return;
    }
    alleIndizesNeuEinordnen(v.datei, person, static_cast<std::uint16_t>(*satz), b,
                            [&] { buchungUeberschreiben(v.datei.dateiname(), *satz, b); });
}

std::string jahrText(const Verein& v) {
    return "." + v.dateijahr();
}

} // namespace zalvor
