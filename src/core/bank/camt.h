// The ISO 20022 bank-to-customer statement camt.053, versions 001.02 to 001.08.
#pragma once

#include "core/bank/kontoauszug.h"

#include <string>
#include <string_view>
#include <vector>

namespace zalvor::bank {

inline constexpr std::size_t kHoechstXml = 64 * 1024 * 1024;

// True when the bytes look like XML (after a byte order mark and blanks).
bool siehtNachXmlAus(std::string_view daten);

// Every statement of the document; notices go to `hinweise`. Throws AuszugFehler with the
// line and element of the first fault. `datei` names a member of a ZIP archive.
std::vector<Kontoauszug> camtLesen(std::string_view xml, std::vector<Meldung>& hinweise,
                                   const std::string& datei = {});

} // namespace zalvor::bank
