// Program-wide state of the active file.
#include "files/sitzung.h"

namespace zalvor {

void Sitzung::vorgabeDatumZuruecksetzen() {
    Datum d = uhr.heute();
    vorgabeTag = std::to_string(d.tag);
    vorgabeMonat = std::to_string(d.monat);
}

} // namespace zalvor
