// A portable stand-in for libFuzzer, so that every fuzz target also runs as an ordinary test
// with any compiler: each corpus file once, then simple mutations of them for a while, with a
// fixed seed. Usage: <target> [--sekunden S] [--OPTION WERT]... CORPUS-FOLDER...; every other
// "--" option (also as --OPTION=WERT) is the target's, which reads it in LLVMFuzzerInitialize
// as under libFuzzer.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kHoechstLaenge = 64 * 1024;

Bytes lesen(const std::filesystem::path& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void ausfuehren(const Bytes& b) {
    // A copy of exactly the input's size, so that the sanitizers see a read past its end.
    std::unique_ptr<std::uint8_t[]> kopie(new std::uint8_t[std::max<std::size_t>(b.size(), 1)]);
    std::copy(b.begin(), b.end(), kopie.get());
    LLVMFuzzerTestOneInput(kopie.get(), b.size());
}

// The values that tend to sit at the edges of counts, lengths and codes.
void interessanterWert(Bytes& b, std::mt19937& zufall) {
    static const std::uint32_t werte[] = {0, 1, 0x7F, 0x80, 0xFF, 0xFFFF, 65535, 65536, 0x7FFFFFFF};
    const std::uint32_t w = werte[zufall() % std::size(werte)];
    const std::size_t breite = (zufall() % 2 == 0) ? 1 : (zufall() % 2 == 0 ? 2 : 4);
    if (b.size() < breite) return;
    const std::size_t pos = zufall() % (b.size() - breite + 1);
    for (std::size_t i = 0; i < breite; ++i)
        b[pos + i] = static_cast<std::uint8_t>(w >> (8 * i));
}

void mutieren(Bytes& b, std::mt19937& zufall) {
    switch (zufall() % 6) {
    case 0: // flip one bit
        if (!b.empty()) b[zufall() % b.size()] ^= static_cast<std::uint8_t>(1U << (zufall() % 8));
        break;
    case 1: // insert a byte
        if (b.size() < kHoechstLaenge)
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(zufall() % (b.size() + 1)),
                     static_cast<std::uint8_t>(zufall()));
        break;
    case 2: // remove a run of bytes
        if (!b.empty()) {
            const std::size_t pos = zufall() % b.size();
            const std::size_t n = std::min<std::size_t>(1 + zufall() % 8, b.size() - pos);
            b.erase(b.begin() + static_cast<std::ptrdiff_t>(pos),
                    b.begin() + static_cast<std::ptrdiff_t>(pos + n));
        }
        break;
    case 3:
        interessanterWert(b, zufall);
        break;
    case 4: // cut the tail
        if (!b.empty()) b.resize(zufall() % b.size());
        break;
    default: // repeat a piece, which grows counts and lines
        if (!b.empty() && b.size() < kHoechstLaenge) {
            const std::size_t pos = zufall() % b.size();
            const std::size_t n = std::min<std::size_t>(1 + zufall() % 128, b.size() - pos);
            const Bytes stueck(b.begin() + static_cast<std::ptrdiff_t>(pos),
                               b.begin() + static_cast<std::ptrdiff_t>(pos + n));
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(pos), stueck.begin(), stueck.end());
        }
        break;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    double sekunden = 2;
    std::vector<Bytes> korpus;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sekunden" && i + 1 < argc) {
            sekunden = std::atof(argv[++i]);
            continue;
        }
        if (arg.rfind("--", 0) == 0) {
            if (arg.find('=') == std::string::npos) ++i;
            continue;
        }
        std::vector<std::filesystem::path> dateien;
        for (const auto& e : std::filesystem::directory_iterator(arg))
            if (e.is_regular_file()) dateien.push_back(e.path());
        std::sort(dateien.begin(), dateien.end());
        for (const auto& d : dateien)
            korpus.push_back(lesen(d));
    }
    if (korpus.empty()) korpus.emplace_back();

    std::uint64_t laeufe = 0;
    for (const Bytes& b : korpus) {
        ausfuehren(b);
        ++laeufe;
    }
    std::mt19937 zufall(19);
    const auto ende = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekunden);
    while (std::chrono::steady_clock::now() < ende) {
        Bytes b = korpus[zufall() % korpus.size()];
        const unsigned schritte = 1 + zufall() % 4;
        for (unsigned s = 0; s < schritte; ++s)
            mutieren(b, zufall);
        ausfuehren(b);
        ++laeufe;
    }
    std::printf("%zu Korpusdateien, %llu Ausfuehrungen\n", korpus.size(),
                static_cast<unsigned long long>(laeufe));
    return 0;
}
