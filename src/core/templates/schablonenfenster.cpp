// The template window on the engine side.
#include "core/templates/schablonenfenster.h"

#include "core/common/befehlsregeln.h"
#include "core/common/betrag.h"
#include "core/common/dateisystem.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/mainwindow/tabellentexte.h"
#include "core/templates/schablonendatei.h"
#include "core/templates/wiederholung.h"

#include <algorithm>

namespace zalvor {

namespace {

std::string typText(const TDefinitionen& def, const TSchablone& t) {
    const TBuchung& b = t.satz;
    if (b.geloescht()) return A("* gelöscht *");
    if (b.istAnfangsbestand()) return {};
    return def.typen.typcodeName(b.istEinnahme() ? Seite::Einnahme : Seite::Ausgabe, b.typcode);
}

std::string kontoText(const TSchablone& t) {
    const TBuchung& b = t.satz;
    if (b.geloescht()) return "---";
    std::string kern;
    if (b.istUmbuchung())
        kern = std::to_string(b.kontoVon) + "\xBB" + std::to_string(b.kontoNach);
    else
        kern = std::to_string(b.istEinnahme() ? b.kontoNach : b.kontoVon);
    return b.istGeplant() ? "(" + kern + ")" : " " + kern;
}

std::string wiederholungsText(const TSchablone& t) {
    const std::string tag = std::to_string(t.satz.tag);
    switch (wiederholungVon(t.code())) {
    case Wiederholung::Monatlich:
        return "monatl. " + tag + ".";
    case Wiederholung::Jaehrlich:
        return A("jährl. ") + tag + "." + std::to_string(t.satz.monat) + ".";
    case Wiederholung::Nie:
        break;
    }
    return "Nie";
}

void hinweis(Person& person, const std::string& text) {
    person.nachricht("Information", "\r\r" + text);
}

} // namespace

void schablonenBefehl(Sitzung& s, const std::function<void(const Raster&)>& fensterZeigen) {
    befehlPruefen(s, Befehlsart::Schablonen);
    const Dateisatz dateien = s.verein.dateien();
    if (schablonenFensterPruefen(dateien, s.person))
        fensterZeigen(schablonenRaster(schablonenLesen(dateien.schablonen()), s.verein.def,
                                       s.waehrungstext()));
    s.tabelle(TabellenModus::Voll);
    s.statuszeile();
}

bool schablonenFensterPruefen(const Dateisatz& dateien, Person& person) {
    const std::string name = dateien.schablonen();
    if (!dateiExistiert(name)) {
        hinweis(person, "Sie haben noch keine Schablonen angelegt.");
        return false;
    }
    const auto alle = schablonenLesen(name);
    if (alle.empty()) {
        dateiLoeschen(name);
        hinweis(person, "Die Schablonendatei ist leer!");
        return false;
    }
    if (std::all_of(alle.begin(), alle.end(), [](const TSchablone& t) { return t.geloescht(); })) {
        dateiLoeschen(name);
        hinweis(person, A(" Sie haben alle Schablonen gelöscht!"));
        return false;
    }
    return true;
}

std::vector<std::string> schablonenZeile(const TDefinitionen& def, const TSchablone& t) {
    const TBuchung& b = t.satz;
    const bool weg = b.geloescht();
    std::string ea = b.istEinnahme() ? " E" : " A";
    if (b.istUmbuchung() || weg || b.istAnfangsbestand()) ea = " -";
    return {typText(def, t),
            weg ? std::string() : OemNachAnsi(b.text.text()),
            weg ? std::string(" -------") : BetragText(b.betrag.wert(), 9),
            ea,
            kontoText(t),
            wiederholungsText(t)};
}

Raster schablonenRaster(const std::vector<TSchablone>& schablonen, const TDefinitionen& def,
                        const std::string& waehrungstext) {
    Raster r;
    r.titel = "Schablonen";
    r.kopf = {"Typ", "Buchungstext", betragsKopf(waehrungstext), "E/A", "Kto", "Wiederholung"};
    r.breiten = {110, 200, 90, 35, 45, 100};
    for (const auto& t : schablonen)
        r.zeilen.push_back(schablonenZeile(def, t));
    return r;
}

bool schabloneLoeschen(const Dateisatz& dateien, Person& person, std::uint32_t satz) {
    auto antwort = person.frage(jaNeinFrage(
        "A C H T U N G !", A("Wollen Sie diese Schablone wirklich löschen?"), Symbol::Warnung));
    if (antwort != Knopf::Ja) return false;
    buchungLoeschen(dateien.schablonen(), satz);
    return true;
}

WiederholungsMaske wiederholungsMaske(const TSchablone& t) {
    const std::string tag = std::to_string(t.satz.tag);
    WiederholungsMaske m;
    m.titel = "Wiederholung";
    m.text = "Bestimmen Sie, ob und wann die Schablone automatisch gebucht werden soll.";
    m.gruppe = "&Wiederholung (automatische Buchung)";
    m.eintraege = {"Nie", "&Monatlich (am " + tag + ".)",
                   A("&Jährlich (am ") + tag + "." + std::to_string(t.satz.monat) + ".)"};
    m.vorwahl = wiederholungVon(t.code());
    return m;
}

void wiederholungSetzen(const Dateisatz& dateien, const Uhr& uhr, std::uint32_t satz,
                        Wiederholung wahl) {
    const std::string name = dateien.schablonen();
    TSchablone t = schabloneLesen(name, satz);
    t.setzeCode(wiederholungsCode(wahl, t.satz.tag, t.satz.monat, uhr.heute()));
    schabloneSchreiben(name, satz, t);
}

} // namespace zalvor
