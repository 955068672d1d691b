// Reading files of booking records.
#include "core/files/satzdatei.h"

#include "core/common/dateisystem.h"

#include <array>

namespace zalvor {

std::uint32_t satzAnzahl(const std::string& dateiname) {
    return static_cast<std::uint32_t>(dateiGroesse(dateiname) / TBuchung::kGroesse);
}

std::uint32_t unvollstaendigeBytes(const std::string& dateiname) {
    return static_cast<std::uint32_t>(dateiGroesse(dateiname) % TBuchung::kGroesse);
}

TBuchung buchungLesen(const std::string& dateiname, std::uint32_t satz) {
    BinaerDatei datei(dateiname, BinaerDatei::Modus::Lesen);
    std::array<std::uint8_t, TBuchung::kGroesse> puffer{};
    datei.lesen(std::uint64_t{satz} * TBuchung::kGroesse, puffer.data(), puffer.size());
    return TBuchung::entpacken(puffer.data());
}

std::vector<TBuchung> buchungenAusBytes(const std::vector<std::uint8_t>& bytes) {
    const std::size_t n = bytes.size() / TBuchung::kGroesse;
    std::vector<TBuchung> saetze;
    saetze.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        saetze.push_back(TBuchung::entpacken(bytes.data() + i * TBuchung::kGroesse));
    return saetze;
}

std::vector<TBuchung> alleBuchungenLesen(const std::string& dateiname) {
    std::vector<std::uint8_t> puffer;
    satzbytesLesen(dateiname, puffer);
    return buchungenAusBytes(puffer);
}

std::uint32_t satzbytesLesen(const std::string& dateiname, std::vector<std::uint8_t>& puffer) {
    BinaerDatei datei(dateiname, BinaerDatei::Modus::Lesen);
    const std::uint64_t n = datei.groesse() / TBuchung::kGroesse;
    puffer.resize(n * TBuchung::kGroesse);
    if (!puffer.empty()) datei.lesen(0, puffer.data(), puffer.size());
    datei.schliessen();
    return static_cast<std::uint32_t>(n);
}

} // namespace zalvor
