// The multi-file closing from one read of every listed file.
#include "core/closing/mehrdateiabschluss.h"

#include "core/closing/abschlussbericht.h"
#include "core/closing/dateiliste.h"
#include "core/common/dateisystem.h"
#include "core/common/person.h"
#include "core/common/real6.h"
#include "core/common/typverwaltung.h"
#include "core/common/zeichensatz.h"
#include "core/files/buchungsdatei.h"
#include "core/files/dateisatz.h"
#include "core/files/definitionen.h"

namespace zalvor {

namespace {

void plus(long double& summe, long double betrag) {
    summe = durchReal6(summe + betrag);
}

Tripel abgeschlossen(Tripel t, const TDefinitionen& def, bool inEuro, bool umrechnen) {
    t.summe = durchReal6(t.real + t.geplant);
    if (umrechnen) {
        for (long double* x : {&t.real, &t.geplant, &t.summe})
            *x = inEuro ? InLandeswaehrung(def.waehrung, *x) : InEuro(def.waehrung, *x);
    }
    return t;
}

Raster bilanzRaster(const Mehrdateiabschluss& a, bool ausgaben) {
    Raster r;
    r.kopf = {"Datei", "real", "Planungen", "Summe"};
    for (const Dateiergebnis& d : a.dateien) {
        const Tripel& t = ausgaben ? d.ausgaben : d.einnahmen;
        r.zeilen.push_back({utf8NachAnsi(d.datei), betragZelle(t.real), betragZelle(t.geplant),
                            betragZelle(t.summe)});
    }
    r.zeilen.push_back(std::vector<std::string>(4));
    const Tripel& gesamt = ausgaben ? a.ausgabenGesamt : a.einnahmenGesamt;
    r.zeilen.push_back(
        {ausgaben ? "Ausgaben gesamt:" : "Einnahmen gesamt:", "", "", betragZelle(gesamt.summe)});
    return r;
}

Raster verborgen(std::string ueberschrift) {
    Raster r;
    r.ueberschrift = std::move(ueberschrift);
    r.sichtbar = false;
    return r;
}

} // namespace

Dateisummen dateisummenBilden(const std::vector<std::uint8_t>& satzbytes, int monat) {
    Dateisummen z;
    for (std::size_t i = 0; i + TBuchung::kGroesse <= satzbytes.size(); i += TBuchung::kGroesse) {
        const Summenfelder b = TBuchung::summenfelder(satzbytes.data() + i);
        // A zero amount (a deleted booking among them) leaves every stored total as it is.
        if (b.betragNull() || (monat != 0 && b.monat() != monat)) continue;
        if (b.typcode() == kCodeUmbuchung) continue;
        const long double betrag = b.betrag();
        // A contribution is income even where its income flag is clear; it never counts
        // twice.
        if (!b.einnahme() && b.typcode() != kCodeBeitrag)
            plus(b.geplant() ? z.ausgaben.geplant : z.ausgaben.real, betrag);
        if (b.anfangsbestand()) continue;
        if (!b.geplant()) {
            if (b.typcode() == kCodeBeitrag || b.einnahme()) plus(z.einnahmen.real, betrag);
        } else if (b.einnahme()) {
            plus(z.einnahmen.geplant, betrag);
        }
    }
    return z;
}

Listenvorgaben listenvorgabenLesen(const std::string& ersteDatei, Person& person) {
    Listenvorgaben v;
    const Dateisatz erste = Dateisatz::ausBuchungsdatei(ersteDatei);
    v.jahr = erste.jahr();
    v.def = angezeigt(definitionenLaden(erste.basisname()), person);
    return v;
}

std::optional<Mehrdateiabschluss>
mehrdateiabschlussErstellen(const std::vector<std::string>& dateien, const AbschlussParameter& p,
                            const std::string& euroText, Person& person) {
    if (dateien.empty()) return std::nullopt;
    return mehrdateiabschlussRechnen(listenvorgabenLesen(dateien.front(), person), dateien, p,
                                     euroText, person);
}

Mehrdateiabschluss mehrdateiabschlussRechnen(const Listenvorgaben& v,
                                             const std::vector<std::string>& dateien,
                                             const AbschlussParameter& p,
                                             const std::string& euroText, Person& person) {
    const TDefinitionen& def = v.def;
    const std::string& jahr = v.jahr;
    Mehrdateiabschluss a;
    a.parameter = p;
    const bool inEuro = DateiInEuro(def.waehrung, jahr);
    const bool umrechnen = p.umrechnen && def.waehrung.kursVorhanden();
    a.waehrung = inEuro == p.umrechnen ? def.waehrung.Waehrung : euroText;
    if (BeideWaehrungen(def.waehrung, jahr) && !p.umrechnen)
        a.andereWaehrung = andererWaehrungstext(def.waehrung, jahr, euroText);

    std::vector<std::uint8_t> puffer; // one buffer for every file
    for (const std::string& datei : dateien) {
        Dateiergebnis e;
        e.datei = datei;
        const std::string pfad = aufgeloest(datei);
        e.gefunden = dateiExistiert(pfad);
        Dateisummen z;
        if (e.gefunden) {
            satzbytesLesen(pfad, puffer);
            z = dateisummenBilden(puffer, p.monat);
        }
        e.ausgaben = abgeschlossen(z.ausgaben, def, inEuro, umrechnen);
        e.einnahmen = abgeschlossen(z.einnahmen, def, inEuro, umrechnen);
        a.ausgabenGesamt.addieren(e.ausgaben);
        a.einnahmenGesamt.addieren(e.einnahmen);
        a.dateien.push_back(std::move(e));
    }
    // The expense side is summed first, then the income side: a missing file is named once
    // for each.
    for (int seite = 0; seite < 2; ++seite)
        for (const Dateiergebnis& e : a.dateien)
            if (!e.gefunden)
                person.nachricht("Fehler", "Datei " + utf8NachAnsi(e.datei) + " nicht gefunden!!!");
    return a;
}

Bericht mehrdateiBericht(const Mehrdateiabschluss& a) {
    Bericht b;
    b.fenstertitel = abschlussTitel(a.parameter.monat, true);
    b.waehrungszeile = waehrungszeile(a.waehrung, a.parameter.umrechnen);
    b.andereWaehrung = a.andereWaehrung;
    Raster konten;
    konten.kopf = {"Konto", "real", "Planungen", "Summe"};
    konten.sichtbar = false;
    b.reiter.push_back({A("Kontenbestände"), {konten}});
    b.reiter.push_back(
        {"Ausgabenbilanz",
         {bilanzRaster(a, true), verborgen("Einzelbilanz(en) der Ausgabe-Typengruppe(n):")}});
    b.reiter.push_back(
        {"Einnahmenbilanz",
         {bilanzRaster(a, false), verborgen("Einzelbilanz(en) der Einnahme-Typengruppe(n):")}});
    b.reiter.push_back(
        {"Gewinn- / Verlustrechnung", {gewinnVerlustRaster(a.ausgabenGesamt, a.einnahmenGesamt)}});
    return b;
}

} // namespace zalvor
