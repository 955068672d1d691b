// Every direct-debit file a test writes goes through both schemas with xmllint.
#pragma once

#include <cstdlib>
#include <string>

namespace zalvor::test {

// Tests run in the tests folder; `schemas` is the path of the schema folder from there.
inline bool xmllintNimmt(const std::string& datei, const std::string& schema,
                         const std::string& schemas = "../schemas/sepa/") {
    const std::string befehl =
        "xmllint --noout --schema " + schemas + schema + " " + datei + " 2>/dev/null";
    return std::system(befehl.c_str()) == 0;
}

inline bool beideSchemasNehmen(const std::string& datei) {
    return xmllintNimmt(datei, "pain.008.001.08.xsd") &&
           xmllintNimmt(datei, "pain.008.001.08_GBIC_4.xsd");
}

} // namespace zalvor::test
