// Ids formed from the creation time and the counter.
#include "core/sepa/kennungen.h"

#include <cstdio>

namespace zalvor::sepa {

std::string nachrichtenId(const Zeitpunkt& erstellt, std::uint32_t zaehler) {
    char text[40];
    std::snprintf(text, sizeof text, "ZALVOR-%04d%02d%02d%02d%02d%02d-%04u",
                  erstellt.datum.jahr % 10000, erstellt.datum.monat % 100, erstellt.datum.tag % 100,
                  erstellt.zeit.stunde % 100, erstellt.zeit.minute % 100,
                  erstellt.zeit.sekunde % 100, zaehler % 100000000U);
    return text;
}

std::string zahlungsId(const std::string& nachrichtenId, Sequenz sequenz) {
    return nachrichtenId + "-" + sequenzCode(sequenz);
}

const char* sequenzCode(Sequenz sequenz) {
    return sequenz == Sequenz::Erst ? "FRST" : "RCUR";
}

} // namespace zalvor::sepa
