// Choosing the current sort order and checking the files it needs.
#include "core/files/sortierung.h"

#include "core/common/dateisystem.h"
#include "core/common/zeichensatz.h"
#include "core/files/indexdatei.h"
#include "core/files/reorganisation.h"

#include <algorithm>
#include <cctype>

namespace zalvor {

std::string sortierungText(Sortierung s) {
    switch (s) {
    case Sortierung::Nummer:
        return "Buchungs&Nummer";
    case Sortierung::Typ:
        return "Buchungs&Typ";
    case Sortierung::Text:
        return "BuchungsTe&xt";
    case Sortierung::Betrag:
        return "Buchungs&Betrag";
    case Sortierung::Datum:
        return "Buchungs&Datum";
    }
    return "Buchungs&Nummer";
}

std::string sortierungName(Sortierung s) {
    switch (s) {
    case Sortierung::Nummer:
        return "nummer";
    case Sortierung::Typ:
        return "typ";
    case Sortierung::Text:
        return "text";
    case Sortierung::Betrag:
        return "betrag";
    case Sortierung::Datum:
        return "datum";
    }
    return "nummer";
}

std::optional<Sortierung> sortierungAusName(std::string_view name) {
    std::string klein(name);
    std::transform(klein.begin(), klein.end(), klein.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (Sortierung s : kSortierungen)
        if (sortierungName(s) == klein) return s;
    return std::nullopt;
}

SortierErgebnis sortierungWaehlen(Sitzung& s, Sortierung neu) {
    s.verein.sortierung = neu;
    const auto [schlicht, eaZuerst] = indexPaar(neu);
    const Dateisatz dateien = s.verein.datei.dateien();
    const std::string erste = schlicht == 0 ? dateien.buchungsdatei() : dateien.index(schlicht);
    const bool vorhanden = dateiExistiert(erste) && dateiExistiert(dateien.index(eaZuerst));
    if (vorhanden) {
        s.statuszeile();
        return SortierErgebnis::Gesetzt;
    }

    const Frage f = frageMit(
        A("Hinweis"),
        A("Eine Indexdatei existiert nicht, die für diese Sortierung notwendig ist. Sie muß "
          "durch eine Reorganisation neu erstellt werden. Mit OK starten Sie eine "
          "Reorganisation..."),
        Symbol::Warnung, {Knopf::Ok, Knopf::Abbruch}, Knopf::Ok);
    if (s.person.frage(f) != Knopf::Ok) {
        s.statuszeile();
        return SortierErgebnis::OhneReorganisation;
    }
    const bool reorganisiert = reorganisieren(s.verein, s.person, false);
    s.tabelle(TabellenModus::Voll);
    s.statuszeile();
    return reorganisiert ? SortierErgebnis::Reorganisiert : SortierErgebnis::OhneReorganisation;
}

} // namespace zalvor
