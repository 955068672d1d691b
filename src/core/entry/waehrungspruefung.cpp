// The currency settings dialog "\"Alte\" Währung und Euro" on the engine side.
#include "core/entry/waehrungspruefung.h"

#include "core/common/betrag.h"
#include "core/common/fehler.h"
#include "core/common/real6.h"
#include "core/common/zeichensatz.h"

#include <algorithm>

namespace zalvor {

namespace {

const std::string kWarnung = "W A R N U N G ! ! !";

bool zweistelligeZahl(const std::string& text) {
    return text.size() == 2 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool gleichesJahr(const std::string& a, const std::string& b) {
    return !JahrVor(a, b) && !JahrVor(b, a);
}

void fehler(Person& person, const std::string& text) {
    person.meldung("Fehler", text, Symbol::Information);
}

} // namespace

void waehrungsWarnungen(const Verein& v, Person& person) {
    const WaehrungsEinstellungen& w = v.def.waehrung;
    if (w.kursVorhanden())
        person.meldung(
            kWarnung,
            A("Sie haben bereits einen Wechselkurs für den Euro eingestellt! Unter Umständen "
              "wurde der eingegebene Kurs auch schon für Umrechnungen benutzt. Sie können den "
              "Kurs zwar noch ändern, aber die mit dem bisherigen Kurs vorgenommenen "
              "Berechnungen werden nicht geändert, also dem neuen Kurs nicht mehr entsprechen!"),
            Symbol::Warnung);
    if (v.inEuro()) {
        std::string text = A("Das eingestellte Euro-Umstellungsjahr wurde ");
        if (gleichesJahr(v.dateijahr(), w.Umstellungsjahr))
            text += A("erreicht und es wurden bereits Buchungen in Euro erfaßt (mindestens die "
                      "Anfangsbestände) !");
        else
            text += A("überschritten, es wurden also sicher schon Buchungen in Euro erfaßt!");
        text += A(" Ändern Sie daher auf keinen Fall mehr das Umstellungsjahr, eine Erhöhung "
                  "würde dazu führen, daß Euro-Beträge als ") +
                w.Waehrung + A("-Beträge interpretiert würden, eine Senkung, daß ") + w.Waehrung +
                A("-Beträge früherer Jahre als Euro-Beträge interpretiert würden!!!");
        person.meldung(kWarnung, text, Symbol::Warnung);
    }
}

WaehrungsEingaben waehrungsDlgFuellen(const WaehrungsEinstellungen& w, bool ausMenue) {
    WaehrungsEingaben e;
    if (ausMenue && w.kursVorhanden()) e.waehrung = w.Waehrung;
    e.kurs = festkomma(w.Kurs, 6);
    e.umstellungsjahr = w.Umstellungsjahr;
    e.umstellungBis = w.UmstellungBis;
    return e;
}

std::vector<std::string> waehrungsListe() {
    return {"DM", A("ÖS"), "SFr", ""};
}

void waehrungGewaehlt(const std::string& eintrag, WaehrungsEingaben& e) {
    if (eintrag == "DM") {
        e.kurs = "1.95583";
    } else if (eintrag == A("ÖS")) {
        e.kurs = "13.7603";
    } else if (eintrag == "SFr") {
        e.kurs = "0.0";
        e.umstellungsjahr = "89";
    }
}

std::string jahrFeldGeaendert(const std::string& neu, const std::string& zuletztAkzeptiert) {
    const bool nurZiffern =
        std::all_of(neu.begin(), neu.end(), [](char c) { return c >= '0' && c <= '9'; });
    return nurZiffern ? neu : zuletztAkzeptiert;
}

bool waehrungsDlgOk(Verein& v, Person& person, const Uhr& uhr, const WaehrungsEingaben& e,
                    bool ausMenue) {
    WaehrungsEinstellungen& w = v.def.waehrung;
    // A sign would read as a number but is no year; the fields take digits only anyway.
    if (!zweistelligeZahl(e.umstellungsjahr)) {
        fehler(person, A("Ungültige Eingabe als Umstellungsjahr: 2stellige Zahl eingeben!"));
        return false;
    }
    const std::string kalenderjahr = Kalenderjahr(uhr);
    if (ausMenue && JahrVor(kalenderjahr, w.Umstellungsjahr) &&
        !JahrVor(kalenderjahr, e.umstellungsjahr)) {
        fehler(person, A("Sie können das Umstellungsjahr nur auf ZUKÜNFTIGE Jahre setzen!!"));
        return false;
    }
    if (!zweistelligeZahl(e.umstellungBis)) {
        fehler(person, A("Ungültige Eingabe als Jahr (\"Umstellungszeitraum bis\"): 2stellige Zahl "
                         "eingeben!"));
        return false;
    }
    std::optional<long double> kurs;
    try {
        if (auto z = zahlLesen(e.kurs)) kurs = durchReal6(*z);
    } catch (const UeberlaufFehler&) {
        kurs.reset();
    }
    if (!kurs) {
        fehler(person, A("Ungültige Eingabe als EuroKurs: Zahl eingeben!"));
        return false;
    }
    if (e.waehrung.empty()) {
        fehler(person, A("Sie müssen eine Währung auswählen oder eingeben!"));
        return false;
    }
    // Settings that could not be stored are not taken: the dialog stays with the input.
    const WaehrungsEinstellungen alt = w;
    w.Kurs = *kurs;
    w.Waehrung = e.waehrung.substr(0, 3);
    w.Umstellungsjahr = e.umstellungsjahr;
    w.UmstellungBis = e.umstellungBis;
    if (!definitionenSchreiben(v.datei.basisname, v.def, person)) {
        w = alt;
        return false;
    }
    return true;
}

bool waehrungsDialog(Sitzung& s, bool ausMenue,
                     const std::function<bool(WaehrungsEingaben&)>& zeigen) {
    s.dateiErforderlich();
    if (ausMenue) waehrungsWarnungen(s.verein, s.person);
    WaehrungsEingaben e = waehrungsDlgFuellen(s.verein.def.waehrung, ausMenue);
    bool gespeichert = false;
    while (!gespeichert && zeigen(e))
        gespeichert = waehrungsDlgOk(s.verein, s.person, s.uhr, e, ausMenue);
    if (ausMenue) s.tabelle(TabellenModus::Voll);
    return gespeichert;
}

} // namespace zalvor
