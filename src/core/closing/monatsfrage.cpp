// The month question.
#include "core/closing/monatsfrage.h"

#include "core/common/betrag.h"

namespace zalvor {

std::optional<int> monatLesen(const std::string& text) {
    const auto zahl = ganzzahlLesen(text);
    if (!zahl || *zahl < 1 || *zahl > 12) return std::nullopt;
    return static_cast<int>(*zahl);
}

void monatFehlerMelden(Person& person, const std::string& text) {
    person.nachricht("Fehler!", text + " ist keine Zahl zwischen 1 und 12 !");
}

std::optional<int> monatErfragen(Person& person,
                                 const std::function<std::optional<std::string>()>& fragen) {
    for (;;) {
        const auto text = fragen();
        if (!text) return std::nullopt;
        if (auto monat = monatLesen(*text)) return monat;
        monatFehlerMelden(person, *text);
    }
}

} // namespace zalvor
