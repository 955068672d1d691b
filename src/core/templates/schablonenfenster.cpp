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

std::string typText(const Sitzung& s, const TSchablone& t) {
    const TBuchung& b = t.satz;
    if (b.geloescht()) return A("* gelöscht *");
    if (b.istAnfangsbestand()) return {};
    return s.def.typen.typcodeName(b.istEinnahme() ? Seite::Einnahme : Seite::Ausgabe, b.typcode);
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

void hinweis(Sitzung& s, const std::string& text) {
    s.person.nachricht("Information", "\r\r" + text);
}

} // namespace

void schablonenBefehl(Sitzung& s, const std::function<void(const Raster&)>& fensterZeigen) {
    befehlPruefen(s, Befehlsart::Schablonen);
    if (schablonenFensterPruefen(s)) fensterZeigen(schablonenRaster(s));
    s.tabelle(TabellenModus::Voll);
    s.statuszeile();
}

bool schablonenFensterPruefen(Sitzung& s) {
    const std::string name = s.datei.dateien().schablonen();
    if (!dateiExistiert(name)) {
        hinweis(s, "Sie haben noch keine Schablonen angelegt.");
        return false;
    }
    const auto alle = schablonenLesen(name);
    if (alle.empty()) {
        dateiLoeschen(name);
        hinweis(s, "Die Schablonendatei ist leer!");
        return false;
    }
    if (std::all_of(alle.begin(), alle.end(), [](const TSchablone& t) { return t.geloescht(); })) {
        dateiLoeschen(name);
        hinweis(s, A(" Sie haben alle Schablonen gelöscht!"));
        return false;
    }
    return true;
}

std::vector<std::string> schablonenZeile(const Sitzung& s, const TSchablone& t) {
    const TBuchung& b = t.satz;
    const bool weg = b.geloescht();
    std::string ea = b.istEinnahme() ? " E" : " A";
    if (b.istUmbuchung() || weg || b.istAnfangsbestand()) ea = " -";
    return {typText(s, t),
            weg ? std::string() : OemNachAnsi(b.text.text()),
            weg ? std::string(" -------") : BetragText(b.betrag.wert(), 9),
            ea,
            kontoText(t),
            wiederholungsText(t)};
}

Raster schablonenRaster(const Sitzung& s) {
    Raster r;
    r.titel = "Schablonen";
    r.kopf = {"Typ", "Buchungstext", betragsKopf(s.waehrungstext()), "E/A", "Kto", "Wiederholung"};
    r.breiten = {110, 200, 90, 35, 45, 100};
    for (const auto& t : schablonenLesen(s.datei.dateien().schablonen()))
        r.zeilen.push_back(schablonenZeile(s, t));
    return r;
}

bool schabloneLoeschen(Sitzung& s, std::uint32_t satz) {
    auto antwort = s.person.frage(jaNeinFrage(
        "A C H T U N G !", A("Wollen Sie diese Schablone wirklich löschen?"), Symbol::Warnung));
    if (antwort != Knopf::Ja) return false;
    buchungLoeschen(s.datei.dateien().schablonen(), satz);
    return true;
}

WiederholungsMaske wiederholungsMaske(const Sitzung& s, std::uint32_t satz) {
    const TSchablone t = schabloneLesen(s.datei.dateien().schablonen(), satz);
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

void wiederholungSetzen(Sitzung& s, std::uint32_t satz, Wiederholung wahl) {
    const std::string name = s.datei.dateien().schablonen();
    TSchablone t = schabloneLesen(name, satz);
    t.setzeCode(wiederholungsCode(wahl, t.satz.tag, t.satz.monat, s.uhr.heute()));
    schabloneSchreiben(name, satz, t);
}

} // namespace zalvor
