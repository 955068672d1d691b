// The Euro symbol option "Euro-Symbol verwenden?" on the engine side.
#pragma once

#include "core/common/person.h"
#include "core/files/sitzung.h"

#include <optional>
#include <string>

namespace zalvor {

// Texts of the dialog (Windows form; the two labels carry inline markup).
struct EuroSymbolTexte {
    std::string titel;
    std::string frage;
    std::string hinweis;
    std::string test;
    std::string erklaerung;
};
EuroSymbolTexte euroSymbolTexte();

// Applies the answer: Ja -> EuroText "\x80", Nein -> "EUR", each kept by the rule of the
// Euro label (euroTextSpeichern); anything else changes and writes nothing. The booking table is
// redrawn afterwards. true when the file was written.
bool euroSymbolAnwenden(Sitzung& s, std::optional<Knopf> antwort);

} // namespace zalvor
