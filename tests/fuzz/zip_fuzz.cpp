// DEFLATE data and ZIP archives: expanded within the limit, or refused.
#include "fuzzverlangen.h"

#include "core/bank/inflate.h"
#include "core/bank/kontoauszug.h"
#include "core/bank/zip.h"

using namespace zalvor::bank;
using zalvor::fuzz::verlangen;

namespace {

constexpr std::size_t kGrenze = 1 << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    const std::string_view roh(reinterpret_cast<const char*>(daten), n);
    try {
        verlangen(inflate(roh, kGrenze).size() <= kGrenze, "Grenze beim Entpacken");
    } catch (const EntpackFehler&) {
    }
    try {
        std::size_t summe = 0;
        for (const ZipEintrag& e : zipLesen(roh, kGrenze)) {
            summe += e.inhalt.size();
            verlangen(!e.name.empty() || e.inhalt.size() <= kGrenze, "Datei in der Grenze");
        }
        verlangen(summe <= kGrenze, "Grenze über alle Dateien");
    } catch (const AuszugFehler&) {
    }
    return 0;
}
