// Shared pieces of the fuzz targets.
#include "fuzzhilfe.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace zalvor::fuzz {

std::optional<Knopf> SchweigendePerson::frage(const Frage& f) {
    for (Knopf k : {Knopf::Abbruch, Knopf::Nein})
        if (std::find(f.knoepfe.begin(), f.knoepfe.end(), k) != f.knoepfe.end()) return k;
    return std::nullopt;
}

std::uint8_t Zerleger::byte() {
    return pos_ < n_ ? daten_[pos_++] : 0;
}

std::uint16_t Zerleger::wort() {
    const std::uint8_t lo = byte();
    return static_cast<std::uint16_t>(lo | (byte() << 8));
}

std::string_view Zerleger::stueck(std::size_t n) {
    const std::size_t m = std::min(n, n_ - pos_);
    std::string_view s(reinterpret_cast<const char*>(daten_ + pos_), m);
    pos_ += m;
    return s;
}

void verlangen(bool bedingung, const char* was) {
    if (bedingung) return;
    std::fprintf(stderr, "Eigenschaft verletzt: %s\n", was);
    std::abort();
}

namespace {

std::string prozessOrdnerAnlegen() {
    namespace fs = std::filesystem;
    std::error_code fehler;
    const fs::path basis =
        fs::is_directory("/dev/shm", fehler) ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path ordner = basis / ("zalvor-fuzz-" + std::to_string(getpid()));
    fs::create_directories(ordner);
    return ordner.string();
}

// Kept for the whole run (never freed), so that the clean-up at exit can still name it.
const std::string& prozessOrdner() {
    static const std::string* const ordner = [] {
        auto* o = new std::string(prozessOrdnerAnlegen());
        std::atexit([] {
            std::error_code fehler;
            std::filesystem::remove_all(prozessOrdner(), fehler);
        });
        return o;
    }();
    return *ordner;
}

} // namespace

Umgebung::Umgebung() : ordner_(prozessOrdner()) {
    std::error_code fehler;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner_, fehler))
        std::filesystem::remove_all(eintrag.path(), fehler);
    s.verein.datei.basisname = ordner_ + "/Verein";
    s.verein.datei.jahr = "26";
    s.verein.datei.naechsteNummer = 1;
    s.dateiOffen = true;
}

std::string Umgebung::ablegen(const std::string& name, std::string_view inhalt) {
    const std::string pfad = ordner_ + "/" + name;
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) std::abort();
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t r = ::write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (r <= 0) std::abort();
        geschrieben += static_cast<std::size_t>(r);
    }
    ::close(fd);
    return pfad;
}

std::string Umgebung::ablegen(const std::string& name, const std::uint8_t* daten, std::size_t n) {
    return ablegen(name, std::string_view(reinterpret_cast<const char*>(daten), n));
}

} // namespace zalvor::fuzz
