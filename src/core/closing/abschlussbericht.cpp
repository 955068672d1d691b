// Grids of the closing window.
#include "core/closing/abschlussbericht.h"

#include "core/common/betrag.h"
#include "core/common/real6.h"
#include "core/common/zeichensatz.h"

#include <cstdio>

namespace zalvor {

namespace {

using Zeile = std::vector<std::string>;

Zeile tripelZeile(std::string a, std::string b, const Tripel& t) {
    return {std::move(a), std::move(b), betragZelle(t.real), betragZelle(t.geplant),
            betragZelle(t.summe)};
}

std::string mwstLabel(long double satz) {
    return "Incl. " + BetragText(satz, 2) + "% MwSt:";
}

long double mwstAnteil(long double x, long double satz) {
    const long double netto = durchReal6(x * 100.0L / (satz + 100.0L));
    return x - netto;
}

Tripel mwstTripel(const Tripel& t, long double satz) {
    return {mwstAnteil(t.real, satz), mwstAnteil(t.geplant, satz), mwstAnteil(t.summe, satz)};
}

Raster kontenRaster(const Abschluss& a, const TDefinitionen& def) {
    Raster r;
    r.kopf = {"Konto", "real", "Planungen", "Summe"};
    for (int k = 1; k <= kKonten; ++k) {
        if (!def.kontoBenannt(k)) continue;
        const Tripel& t = a.konten[static_cast<std::size_t>(k)];
        r.zeilen.push_back({OemNachAnsi(def.konten[static_cast<std::size_t>(k)]),
                            betragZelle(t.real), betragZelle(t.geplant), betragZelle(t.summe)});
    }
    r.zeilen.push_back(Zeile(4));
    r.zeilen.push_back({"Geldbestand:", betragZelle(a.geldbestand.real),
                        betragZelle(a.geldbestand.geplant), betragZelle(a.geldbestand.summe)});
    return r;
}

void typZeilen(Raster& r, const Abschluss& a, const TDefinitionen& def, Seite s) {
    const auto& typen = a.typen[static_cast<std::size_t>(s)];
    const Typverwaltung& tv = def.typen;
    for (int t = 1; t <= kTypen; ++t) {
        if (tv.typName(s, t).empty()) continue;
        const int g = tv.gruppeVon(s, t);
        r.zeilen.push_back(tripelZeile(g ? tv.gruppenName(s, g) : " ( keine )", tv.typName(s, t),
                                       typen[static_cast<std::size_t>(t)]));
    }
    r.zeilen.push_back(tripelZeile("", "Sonstige", typen[0]));
    r.zeilen.push_back(Zeile(5));
}

Raster gruppenRaster(const Abschluss& a, const TDefinitionen& def, Seite s) {
    const auto si = static_cast<std::size_t>(s);
    Raster r;
    r.ueberschrift = s == Seite::Ausgabe ? "Einzelbilanz(en) der Ausgabe-Typengruppe(n):"
                                         : "Einzelbilanz(en) der Einnahme-Typengruppe(n):";
    r.kopf = {"Typengruppe", "Typ/Untergruppe", "real", "Planungen", "Summe"};
    r.sichtbar = a.gruppenSichtbar[si];
    const bool mwst = s == Seite::Ausgabe && a.mwstSatz > 0;
    bool erste = true;
    for (const Gruppenabschnitt& g : a.gruppen[si]) {
        if (!erste) r.zeilen.push_back(Zeile(5));
        erste = false;
        const std::size_t start = r.zeilen.size();
        for (const auto& [posten, t] : g.mitglieder)
            r.zeilen.push_back(tripelZeile("", def.typen.postenName(s, posten), t));
        r.zeilen.push_back(tripelZeile("", "S u m m e n :", g.summe));
        r.zeilen[start][0] = def.typen.gruppenName(s, g.gruppe);
        if (mwst)
            r.zeilen.push_back(
                tripelZeile("", mwstLabel(a.mwstSatz), mwstTripel(g.summe, a.mwstSatz)));
    }
    return r;
}

// The tab of one side: its header and the rows of its types and groups.
Raster seitenRaster(const Abschluss& a, const TDefinitionen& def, Seite seite) {
    Raster r;
    r.kopf = {"Typengruppe", "Typ", "real", "Planungen", "Summe"};
    typZeilen(r, a, def, seite);
    return r;
}

Raster ausgabenRaster(const Abschluss& a, const TDefinitionen& def) {
    Raster r = seitenRaster(a, def, Seite::Ausgabe);
    r.zeilen.push_back(tripelZeile("Ausgaben gesamt:", "", a.ausgabenGesamt));
    if (a.mwstSatz > 0)
        r.zeilen.push_back(
            tripelZeile(mwstLabel(a.mwstSatz), "", mwstTripel(a.ausgabenGesamt, a.mwstSatz)));
    return r;
}

Raster einnahmenRaster(const Abschluss& a, const TDefinitionen& def) {
    Raster r = seitenRaster(a, def, Seite::Einnahme);
    r.zeilen.push_back(tripelZeile("Zwischensummen:", "", a.zwischensummen));
    r.zeilen.push_back({A("B e i t r ä g e :"), "Perioden", "bezahlt", "ausstehend", "gefordert"});
    char perioden[16];
    std::snprintf(perioden, sizeof perioden, "%4d", a.beitraege.perioden);
    r.zeilen.push_back({"", perioden, betragZelle(a.beitraege.bezahlt),
                        betragZelle(a.beitraege.ausstehend), betragZelle(a.beitraege.gefordert)});
    r.zeilen.push_back(Zeile(5));
    r.zeilen.push_back(tripelZeile("Einnahmen gesamt:", "", a.einnahmenGesamt));
    return r;
}

} // namespace

std::string betragZelle(long double x) {
    return BetragText(x, 11);
}

std::string abschlussTitel(int monat, bool mehrereDateien) {
    const std::string vorsatz = mehrereDateien ? "Mehr-Datei-" : "";
    if (monat == 0) return vorsatz + A("Jahresabschluß");
    return vorsatz + A("Monatsabschluß für ") + monatsname(monat) + " ";
}

std::string waehrungszeile(const std::string& waehrung, bool umgerechnet) {
    return A("Alle Beträge in ") + waehrung + (umgerechnet ? " (umgerechnet und gerundet!)" : "");
}

Raster gewinnVerlustRaster(const Tripel& ausgaben, const Tripel& einnahmen) {
    Raster r;
    r.kopf = {"Ausg", "Einn", "Ausg", "Einn", "Ausg", "Einn"};
    Zeile summen, ergebnis, ausgleich;
    auto paar = [&](long double aus, long double ein) {
        summen.push_back(betragZelle(aus));
        summen.push_back(betragZelle(ein));
        if (aus < ein) {
            ergebnis.push_back(betragZelle(ein - aus));
            ergebnis.push_back("  (Gewinn)");
        } else if (ein < aus) {
            ergebnis.push_back("  (Verlust)");
            ergebnis.push_back(betragZelle(aus - ein));
        } else {
            ergebnis.push_back("");
            ergebnis.push_back("");
        }
        const long double groesser = aus > ein ? aus : ein;
        ausgleich.push_back(betragZelle(groesser));
        ausgleich.push_back(betragZelle(groesser));
    };
    paar(ausgaben.real, einnahmen.real);
    paar(ausgaben.geplant, einnahmen.geplant);
    paar(ausgaben.summe, einnahmen.summe);
    r.zeilen = {summen, ergebnis, ausgleich};
    return r;
}

Bericht abschlussBericht(const Abschluss& a, const TDefinitionen& def) {
    Bericht b;
    b.fenstertitel = abschlussTitel(a.parameter.monat);
    b.waehrungszeile = waehrungszeile(a.waehrung, a.parameter.umrechnen);
    b.andereWaehrung = a.andereWaehrung;
    b.reiter.push_back({A("Kontenbestände"), {kontenRaster(a, def)}});
    b.reiter.push_back(
        {"Ausgabenbilanz", {ausgabenRaster(a, def), gruppenRaster(a, def, Seite::Ausgabe)}});
    b.reiter.push_back(
        {"Einnahmenbilanz", {einnahmenRaster(a, def), gruppenRaster(a, def, Seite::Einnahme)}});
    b.reiter.push_back(
        {"Gewinn- / Verlustrechnung", {gewinnVerlustRaster(a.ausgabenGesamt, a.einnahmenGesamt)}});
    return b;
}

} // namespace zalvor
