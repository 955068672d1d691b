// The plan file: 9-byte records (a little-endian double and a flag byte) in a fixed order.
#include "core/lists/planwerte.h"

#include "core/common/fehler.h"
#include "core/common/person.h"
#include "core/common/typverwaltung.h"
#include "core/files/dateibytes.h"
#include "core/files/dateisatz.h"
#include "core/files/dateischreiben.h"

#include <algorithm>
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

Gelesen<Planwerte> planwerteAusBytes(const Dateiinhalt& inhalt, Planwerte bisher) {
    Gelesen<Planwerte> g{std::move(bisher), {}, inhalt.status};
    if (g.status == Lesestatus::Fehlt) return g;
    if (!inhalt.da()) {
        g.hinweise.push_back(
            {"Fehler!", "Lesefehler beim Laden der Planvorgaben!", Symbol::Fehler});
        return g;
    }
    const auto folge = satzfolge();
    const std::size_t saetze = std::min(inhalt.bytes.size() / kSatz, folge.size());
    // Entries past the end of the file (also all of the 30 blocks of a 78-record file)
    // are 0 without flag.
    for (std::size_t i = kKurzeDatei; i < folge.size(); ++i)
        g.wert[static_cast<std::size_t>(folge[i].first)]
              [static_cast<std::size_t>(folge[i].second)] = {};
    for (std::size_t i = 0; i < saetze; ++i)
        g.wert[static_cast<std::size_t>(folge[i].first)]
              [static_cast<std::size_t>(folge[i].second)] =
            entpacken(inhalt.bytes.data() + i * kSatz);
    return g;
}

Gelesen<Planwerte> planwerteLaden(const Dateisatz& dateien, Planwerte bisher) {
    return planwerteAusBytes(dateibytesHolen(dateien.planwerte()).inhalt(), std::move(bisher));
}

bool planwerteSchreiben(const Dateisatz& dateien, const Planwerte& plan, Person& person,
                        bool geladenUnlesbar) {
    // A plan file that is there but cannot be read (now, or when the tables were loaded)
    // left the tables without its values: writing them would put them in place of the
    // stored plan.
    if (geladenUnlesbar || dateibytesHolen(dateien.planwerte()).status == Lesestatus::Unlesbar) {
        person.fehlermeldung(Ausgang::EAFehler, "Fehler!",
                             "Lesefehler beim Laden der Planvorgaben! Nichts gespeichert.",
                             Symbol::Fehler);
        return false;
    }
    std::vector<std::uint8_t> inhalt;
    const auto folge = satzfolge();
    inhalt.reserve(folge.size() * kSatz);
    for (const auto& [seite, eintrag] : folge)
        packen(plan[static_cast<std::size_t>(seite)][static_cast<std::size_t>(eintrag)], inhalt);
    try {
        dateiErsetzen(dateien.planwerte(), inhalt);
        return true;
    } catch (const EAFehler&) {
        person.meldung("Fehler!", "Datei konnte nicht erstellt werden!", Symbol::Fehler);
        return false;
    }
}

} // namespace zalvor
