// Showing the notices of a reading.
#include "core/common/lesergebnis.h"

namespace zalvor {

void hinweiseZeigen(const std::vector<Hinweis>& hinweise, Person& person) {
    for (const Hinweis& h : hinweise) {
        if (h.eigeneBox)
            person.nachricht(h.titel, h.text);
        else
            person.meldung(h.titel, h.text, h.symbol);
    }
}

} // namespace zalvor
