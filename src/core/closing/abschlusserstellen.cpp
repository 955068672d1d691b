// The closing of the active booking file.
#include "core/closing/abschlussrechnung.h"

#include "core/common/dateisystem.h"
#include "core/files/buchungsdatei.h"
#include "core/files/verein.h"
#include "core/members/beitragssaetze.h"
#include "core/members/mitgliedsdatei.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <system_error>
#include <thread>
#include <vector>

namespace zalvor {

namespace {

constexpr std::size_t kSaetzeJeStueck = 256;
constexpr std::size_t kStuecke = 4; // the ring: about 70 KB, small enough to stay in the cache
constexpr std::size_t kStueckBytes = kSaetzeJeStueck * TBuchung::kGroesse;
constexpr std::uint64_t kAbbruch = ~std::uint64_t{0};

// Waits until `zaehler` reaches at least `ziel` and returns its value. The other thread is
// usually a few microseconds away, much less than going to sleep and being woken costs, so
// this spins for a while before it sleeps.
std::uint64_t warten(const std::atomic<std::uint64_t>& zaehler, std::uint64_t ziel) {
    for (int i = 0; i < 4096; ++i) {
        const std::uint64_t z = zaehler.load(std::memory_order_acquire);
        if (z >= ziel) return z;
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
    }
    for (;;) {
        const std::uint64_t z = zaehler.load(std::memory_order_acquire);
        if (z >= ziel) return z;
        zaehler.wait(z, std::memory_order_acquire);
    }
}

} // namespace

// The file read piece by piece through a small ring of buffers. The account totals and the
// type totals share no total, so a second thread adds the accounts of each piece while this
// one reads the next and adds the types; both see the records in file order. Every file
// operation stays on this thread, in the order a single pass would make them.
Abschlusssummen summenAusDatei(const std::string& name, int monat) {
    Abschlusssummierer summierer(monat);
    BinaerDatei datei(name, BinaerDatei::Modus::Lesen);
    const std::uint64_t n = datei.groesse() / TBuchung::kGroesse;
    const std::uint64_t stuecke = (n + kSaetzeJeStueck - 1) / kSaetzeJeStueck;
    std::vector<std::uint8_t> ring(kStuecke * kStueckBytes);
    const auto platz = [&](std::uint64_t k) { return ring.data() + (k % kStuecke) * kStueckBytes; };
    const auto anzahl = [&](std::uint64_t k) {
        return static_cast<std::size_t>(
            std::min<std::uint64_t>(kSaetzeJeStueck, n - k * kSaetzeJeStueck));
    };
    std::atomic<std::uint64_t> gelesen{0}; // pieces in the ring
    std::atomic<std::uint64_t> addiert{0}; // pieces whose accounts the other thread has added
    std::thread konten;
    try {
        konten = std::thread([&] {
            for (std::uint64_t k = 0; k < stuecke; ++k) {
                if (warten(gelesen, k + 1) == kAbbruch) return;
                summierer.kontenAddieren(platz(k), anzahl(k));
                addiert.store(k + 1, std::memory_order_release);
                addiert.notify_one();
            }
        });
    } catch (const std::system_error&) {
        // No second thread to be had: one pass does both halves.
        for (std::uint64_t k = 0; k < stuecke; ++k) {
            datei.lesen(k * kStueckBytes, ring.data(), anzahl(k) * TBuchung::kGroesse);
            summierer.addieren(ring.data(), anzahl(k));
        }
        datei.schliessen();
        return summierer.summen();
    }
    try {
        for (std::uint64_t k = 0; k < stuecke; ++k) {
            // The slot of piece k held piece k - kStuecke: the other thread must be done with it.
            if (k >= kStuecke) warten(addiert, k - kStuecke + 1);
            datei.lesen(k * kStueckBytes, platz(k), anzahl(k) * TBuchung::kGroesse);
            gelesen.store(k + 1, std::memory_order_release);
            gelesen.notify_one();
            summierer.typenAddieren(platz(k), anzahl(k));
        }
    } catch (...) {
        gelesen.store(kAbbruch, std::memory_order_release);
        gelesen.notify_one();
        konten.join();
        throw;
    }
    konten.join();
    datei.schliessen();
    return summierer.summen();
}

Abschluss abschlussErstellen(const Verein& v, const std::string& euroText, Person& person,
                             const AbschlussParameter& p) {
    const Abschlusssummen summen = summenAusDatei(v.datei.dateiname(), p.monat);
    const long double forderung =
        forderungJePeriode(mitgliederLesen(v.dateien().mitglieder()), v.beitraege, v.def);
    return abschlussRechnen(v.def, v.datei.jahr, euroText, summen, p, forderung, person);
}

} // namespace zalvor
