// The reports the layout tests print: an E/A list, a yearly closing and a member list, each
// of a size the test chooses.
#pragma once

#include "core/common/raster.h"
#include "core/common/zeichensatz.h"

#include <string>
#include <utility>
#include <vector>

namespace zalvor::test {

inline Raster eaRaster(const std::string& ueberschrift, int buchungen) {
    Raster r;
    r.ueberschrift = ueberschrift;
    r.kopf = {"BuNr", "Beleg", "Datum", "Typ", "Buchungstext", "An/Von", "Betrag (EUR)", "Konto"};
    for (int i = 1; i <= buchungen; ++i)
        r.zeilen.push_back({std::to_string(i), "B" + std::to_string(i), " 5. 3.", "Miete",
                            "Text " + std::to_string(i), "Vermieter", "     10.00", " 1"});
    r.zeilen.push_back({"", "", "", "", "", "", "----------", ""});
    r.zeilen.push_back({"", "", "", "", "S u m m e :", "", "     10.00", ""});
    return r;
}

inline Bericht eaListe(int buchungen) {
    Bericht b;
    b.fenstertitel = "Ein/Aus - Liste";
    b.reiter.push_back({"", {eaRaster("Ausgaben:", buchungen), eaRaster("Einnahmen:", 1)}});
    return b;
}

// The simple list: nine columns, the account names last.
inline Bericht einfachListe(int buchungen) {
    Raster r;
    r.kopf = {"BuNr",   "Beleg",        "Datum",   "Typ",     "Buchungstext",
              "An/Von", "Betrag (EUR)", "Von Kto", "Nach Kto"};
    for (int i = 1; i <= buchungen; ++i)
        r.zeilen.push_back({std::to_string(i), "B1", " 5. 3.", "Miete", "Text", "Vermieter",
                            "     10.00", "Kasse ", "Girokonto "});
    Bericht b;
    b.fenstertitel = A("Listenübersicht");
    b.reiter.push_back({"", {r}});
    return b;
}

// The target/actual comparison: one grid, the currency line above it.
inline Bericht sollIstVergleich() {
    Bericht b;
    b.fenstertitel = "Soll-Ist-Vergleich";
    b.waehrungszeile = A("Alle Beträge in EUR");
    Raster r;
    r.ueberschrift = "Ausgabetypen:";
    r.kopf = {"Typ", "real", "Planungen", "IST-Summe", "Planv.(Soll)", "Differenz"};
    r.zeilen = {{"Miete", "10.00", "0.00", "10.00", "12.00", "2.00"}};
    b.reiter.push_back({"", {r}});
    return b;
}

inline Raster grid(std::vector<std::string> kopf, std::vector<std::vector<std::string>> zeilen) {
    Raster r;
    r.kopf = std::move(kopf);
    r.zeilen = std::move(zeilen);
    return r;
}

inline Bericht jahresabschluss(bool ausgabegruppen, bool mehrereDateien) {
    Bericht b;
    b.fenstertitel = A("Jahresabschluß");
    b.waehrungszeile = A("Alle Beträge in EUR");
    Raster konten =
        grid({"Konto", "real", "Planungen", "Summe"}, {{"Kasse", "10.00", "0.00", "10.00"},
                                                       {"", "", "", ""},
                                                       {"Geldbestand:", "10.00", "0.00", "10.00"}});
    konten.sichtbar = !mehrereDateien;
    const std::vector<std::string> kopf = {"Typengruppe", "Typ", "real", "Planungen", "Summe"};
    const Raster aus = grid(kopf, {{"Haus", "Miete", "5.00", "0.00", "5.00"},
                                   {"", "", "", "", ""},
                                   {"Ausgaben gesamt:", "", "5.00", "0.00", "5.00"}});
    Raster ausGruppen = grid(
        {"Typengruppe", "Typ/Untergruppe", "real", "Planungen", "Summe"},
        {{"Haus", "Miete", "5.00", "0.00", "5.00"}, {"", "S u m m e n :", "5.00", "0.00", "5.00"}});
    ausGruppen.sichtbar = ausgabegruppen;
    const Raster ein = grid(kopf, {{"Spenden", "Spende", "7.00", "0.00", "7.00"}});
    Raster einGruppen = ausGruppen;
    einGruppen.sichtbar = true;
    const Raster guv = grid({"Ausg", "Einn", "Ausg", "Einn", "Ausg", "Einn"},
                            {{"5.00", "7.00", "0.00", "0.00", "5.00", "7.00"},
                             {"", "", "", "", "", ""},
                             {"Gewinn:", "2.00", "", "0.00", "", "2.00"}});
    b.reiter = {{A("Kontenbestände"), {konten}},
                {"Ausgabenbilanz", {aus, ausGruppen}},
                {"Einnahmenbilanz", {ein, einGruppen}},
                {"Gewinn- / Verlustrechnung", {guv}}};
    return b;
}

inline Bericht mitgliederliste(int mitglieder) {
    Bericht b;
    b.fenstertitel = "Mitgliederliste";
    Raster r;
    r.kopf = {"Mitglied", "Beitrag", "Bez"};
    for (int i = 0; i < mitglieder; ++i)
        r.zeilen.push_back(
            {i % 2 ? "Kurz, Bo" : "Meier, Anna", i % 2 ? "" : "Voll", i % 2 ? " -" : " X"});
    b.reiter.push_back({"", {r}});
    return b;
}

} // namespace zalvor::test
