// The SWIFT customer statement MT940 as German banks send it, with the structured :86:
// field (GVC code, ?00 entry text, ?20-?29 and ?60-?63 remittance, ?30 bank, ?31 account,
// ?32/?33 name) and the SEPA keys in the remittance (EREF+, MREF+, CRED+, SVWZ+).
#pragma once

#include "core/bank/kontoauszug.h"

#include <string>
#include <string_view>
#include <vector>

namespace zalvor::bank {

// True when some line begins with ":20:" and another with ":25:".
bool siehtNachMt940Aus(std::string_view text);

// Every statement of the file (UTF-8 or Windows-1252). Throws AuszugFehler naming the line.
std::vector<Kontoauszug> mt940Lesen(std::string_view text, std::vector<Meldung>& hinweise,
                                    const std::string& datei = {});

// The structured :86: field's content (line breaks already removed) into the line's texts,
// references and other party. An unstructured field becomes the remittance text.
void mt940VerwendungLesen(std::string_view inhalt, Auszugszeile& z);

} // namespace zalvor::bank
