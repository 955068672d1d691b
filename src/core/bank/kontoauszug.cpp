// Places and messages of a statement reading.
#include "core/bank/kontoauszug.h"

namespace zalvor::bank {

std::string Fundstelle::text() const {
    std::string t;
    if (zeile > 0) t = "Zeile " + std::to_string(zeile);
    if (!element.empty()) t += (t.empty() ? "" : ", ") + std::string("Element <") + element + ">";
    if (!datei.empty()) t = datei + (t.empty() ? "" : ": " + t);
    return t;
}

std::string Meldung::vollText() const {
    const std::string wo = stelle.text();
    return wo.empty() ? text : wo + ": " + text;
}

} // namespace zalvor::bank
