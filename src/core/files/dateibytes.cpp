// Fetching a file's bytes for a reader.
#include "core/files/dateibytes.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"

namespace zalvor {

Dateibytes dateibytesHolen(const std::string& pfad) {
    if (!dateiExistiert(pfad)) return {Lesestatus::Fehlt, {}};
    try {
        return {Lesestatus::Gelesen, dateiLesen(pfad)};
    } catch (const EAFehler&) {
        return {Lesestatus::Unlesbar, {}};
    }
}

} // namespace zalvor
