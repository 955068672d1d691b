// Members for the tests: records in Windows-form names and a member file in a folder.
#pragma once

#include "../files/buchungsdaten.h"
#include "core/common/fehler.h"
#include "core/common/zeichensatz.h"
#include "core/members/mitgliedsdatei.h"

#include <string>
#include <vector>

namespace zalvor::test {

inline TMitglied mitglied(const std::string& nach, const std::string& vor, std::uint8_t satz = 0,
                          std::uint8_t bezahlt = 0) {
    TMitglied m;
    m.nachname.setze(AnsiNachOem(A(nach)));
    m.vorname.setze(AnsiNachOem(A(vor)));
    m.satz = satz;
    m.bezahlt = bezahlt;
    return m;
}

// "Nachname, Vorname" of every record in file order, UTF-8.
inline std::vector<std::string> namen(const std::string& pfad) {
    std::vector<std::string> r;
    for (const auto& m : mitgliederLesen(pfad))
        r.push_back(ansiNachUtf8(OemNachAnsi(mitgliedName(m))));
    return r;
}

} // namespace zalvor::test
