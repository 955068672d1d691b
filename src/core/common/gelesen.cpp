// Showing a reader's notices.
#include "core/common/gelesen.h"

namespace zalvor {

void hinweiseZeigen(Person& person, const std::vector<Hinweis>& hinweise) {
    for (const Hinweis& h : hinweise) {
        if (h.eigeneBox)
            person.nachricht(h.titel, h.text);
        else
            person.meldung(h.titel, h.text, h.symbol);
    }
}

} // namespace zalvor
