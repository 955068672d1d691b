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

Gelesen<std::vector<TBuchung>> buchungenAusBytes(std::span<const std::uint8_t> bytes) {
    const std::size_t n = bytes.size() / TBuchung::kGroesse;
    Gelesen<std::vector<TBuchung>> g;
    g.wert.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        g.wert.push_back(TBuchung::entpacken(bytes.data() + i * TBuchung::kGroesse));
    if (bytes.size() % TBuchung::kGroesse != 0) g.status = Lesestatus::Beschaedigt;
    return g;
}

std::vector<TBuchung> alleBuchungenLesen(const std::string& dateiname) {
    std::vector<std::uint8_t> puffer;
    satzbytesLesen(dateiname, puffer);
    return buchungenAusBytes(puffer).wert;
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
