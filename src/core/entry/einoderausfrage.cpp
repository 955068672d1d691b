// The question "Buchen: E/A?" that comes before a new booking.
#include "core/entry/einoderausfrage.h"

#include "core/common/zeichensatz.h"

namespace zalvor {

std::optional<bool> einnahmeOderAusgabe(Person& person) {
    Frage f;
    f.titel = "Buchen: E/A?";
    f.text = "Wollen Sie eine Einnahme oder eine Ausgabe buchen?";
    f.symbol = Symbol::Frage;
    f.knoepfe = {Knopf::Eigen1, Knopf::Eigen2};
    f.vorwahl = Knopf::Eigen1;
    f.eigeneTexte = {"Einnahme", "Ausgabe"};
    f.dialog = "TDEinoderAus";
    auto antwort = person.frage(f);
    if (antwort == Knopf::Eigen1) return true;
    if (antwort == Knopf::Eigen2) return false;
    return std::nullopt;
}

} // namespace zalvor
