// Whole-file rewrites under the file set's temporary names.
#include "core/files/dateischreiben.h"

#include "core/files/dateisatz.h"

namespace zalvor {

Ersetzung ersetzungVorbereiten(const std::string& pfad, std::span<const std::uint8_t> inhalt) {
    const std::string ziel = ersetzungsziel(pfad);
    return Ersetzung(ziel, inhalt, Dateisatz::temporaer(ziel));
}

void dateiErsetzen(const std::string& pfad, const std::vector<std::uint8_t>& inhalt) {
    ersetzungVorbereiten(pfad, inhalt).umschalten();
}

void textdateiSchreiben(const std::string& pfad, const std::vector<std::string>& zeilen) {
    dateiErsetzen(pfad, textinhalt(zeilen));
}

void sicherungAnlegen(const std::string& von, const std::string& nach) {
    zweiterName(von, nach, Dateisatz::temporaer(nach),
                [&](const std::vector<std::uint8_t>& inhalt) { dateiErsetzen(nach, inhalt); });
}

} // namespace zalvor
