#include "cli/common/abweisung.h"

#include "core/common/zeichensatz.h"

namespace zalvor::cli {

bool abweisungGemeldet(Kontext& k, const std::string& meldung) {
    if (meldung.empty()) return false;
    k.sitzung.person.meldung(A("Fehler!"), meldung, Symbol::Fehler);
    return true;
}

} // namespace zalvor::cli
