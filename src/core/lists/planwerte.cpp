// The plan file: 9-byte records (a little-endian double and a flag byte) in a fixed order.
#include "core/lists/planwerte.h"

#include "core/common/dateisystem.h"
#include "core/common/fehler.h"
#include "core/common/typverwaltung.h"
#include "core/common/zeichensatz.h"
#include "core/files/dateischreiben.h"
#include "core/files/sitzung.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace zalvor {

namespace {

constexpr std::size_t kSatz = 9;
constexpr std::size_t kKurzeDatei = 78;
constexpr int kAus = static_cast<int>(Seite::Ausgabe);
constexpr int kEin = static_cast<int>(Seite::Einnahme);

// (side, entry) of each record in file order.
std::vector<std::pair<int, int>> satzfolge() {
    std::vector<std::pair<int, int>> f;
    for (int t = 1; t <= 20; ++t)
        f.emplace_back(kAus, t);
    for (int g = 1; g <= 19; ++g)
        f.emplace_back(kAus, 50 + g);
    for (int t = 1; t <= 20; ++t)
        f.emplace_back(kEin, t);
    for (int g = 1; g <= 19; ++g)
        f.emplace_back(kEin, 50 + g);
    for (int k = 1; k <= 30; ++k) {
        f.emplace_back(kAus, 20 + k);
        f.emplace_back(kEin, 20 + k);
        f.emplace_back(kAus, 50 + 19 + k);
        f.emplace_back(kEin, 50 + 19 + k);
    }
    return f;
}

Planeintrag entpacken(const std::uint8_t* p) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    const double wert = std::bit_cast<double>(bits);
    // The dialog takes no amount that is NaN or infinite: such bytes are no plan.
    return {std::isfinite(wert) ? wert : 0.0, p[8] != 0};
}

void packen(const Planeintrag& e, std::vector<std::uint8_t>& aus) {
    const auto bits = std::bit_cast<std::uint64_t>(e.wert);
    for (int i = 0; i < 8; ++i)
        aus.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    aus.push_back(e.gruppe ? 1 : 0);
}

} // namespace

void planwerteLaden(Sitzung& s) {
    const std::string name = s.datei.dateien().planwerte();
    if (!dateiExistiert(name)) {
        s.planvorgaben = false;
        return;
    }
    s.planvorgaben = true;
    const auto folge = satzfolge();
    try {
        BinaerDatei datei(name, BinaerDatei::Modus::Lesen);
        const std::uint64_t saetze = datei.groesse() / kSatz;
        std::vector<std::uint8_t> roh(
            static_cast<std::size_t>(std::min<std::uint64_t>(saetze, folge.size())) * kSatz);
        if (!roh.empty()) datei.lesen(0, roh.data(), roh.size());
        datei.schliessen();
        // Entries past the end of the file (also all of the 30 blocks of a 78-record file)
        // are 0 without flag.
        for (std::size_t i = kKurzeDatei; i < folge.size(); ++i)
            s.plan[static_cast<std::size_t>(folge[i].first)]
                  [static_cast<std::size_t>(folge[i].second)] = {};
        for (std::size_t i = 0; i * kSatz < roh.size(); ++i)
            s.plan[static_cast<std::size_t>(folge[i].first)]
                  [static_cast<std::size_t>(folge[i].second)] = entpacken(roh.data() + i * kSatz);
    } catch (const EAFehler&) {
        s.person.meldung("Fehler!", "Lesefehler beim Laden der Planvorgaben!", Symbol::Fehler);
    }
}

bool planwerteSchreiben(Sitzung& s) {
    std::vector<std::uint8_t> inhalt;
    const auto folge = satzfolge();
    inhalt.reserve(folge.size() * kSatz);
    for (const auto& [seite, eintrag] : folge)
        packen(s.plan[static_cast<std::size_t>(seite)][static_cast<std::size_t>(eintrag)], inhalt);
    try {
        dateiErsetzen(s.datei.dateien().planwerte(), inhalt);
        return true;
    } catch (const EAFehler&) {
        s.person.meldung("Fehler!", "Datei konnte nicht erstellt werden!", Symbol::Fehler);
        return false;
    }
}

} // namespace zalvor
