// Shared pieces of the fuzz targets.
#include "fuzzhilfe.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
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

Wachhund::Wachhund(std::chrono::milliseconds grenze) : grenze_(grenze) {
    // Runs as long as the process; the object is never destroyed while it does.
    std::thread([this] { wachen(); }).detach();
}

void Wachhund::beginnen() {
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        anfang_ = std::chrono::steady_clock::now();
        was_ = "Aufbau";
    }
    signal_.notify_one();
}

void Wachhund::schritt(const char* was) {
    const auto jetzt = std::chrono::steady_clock::now();
    const std::lock_guard<std::mutex> sperre(mutex_);
    pruefen(jetzt);
    was_ = was;
}

void Wachhund::beenden() {
    const auto jetzt = std::chrono::steady_clock::now();
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        pruefen(jetzt);
        anfang_.reset();
    }
    signal_.notify_one();
}

void Wachhund::pruefen(std::chrono::steady_clock::time_point jetzt) {
    if (!anfang_ || jetzt - *anfang_ <= grenze_) return;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(jetzt - *anfang_);
    std::fprintf(stderr, "Zeitgrenze %lld ms ueberschritten (%lld ms), zuletzt bei: %s\n",
                 static_cast<long long>(grenze_.count()), static_cast<long long>(ms.count()), was_);
    std::abort();
}

void Wachhund::wachen() {
    std::unique_lock<std::mutex> sperre(mutex_);
    for (;;) {
        if (!anfang_) {
            signal_.wait(sperre);
            continue;
        }
        const auto anfang = *anfang_;
        signal_.wait_until(sperre, anfang + grenze_ + std::chrono::milliseconds(1));
        // Still the same input past its limit: it is not coming back.
        if (anfang_ == anfang) pruefen(std::chrono::steady_clock::now());
    }
}

std::chrono::milliseconds grenzeAusArgumenten(int argc, char** argv,
                                              std::chrono::milliseconds vorgabe) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::string_view wert;
        if (arg == "--grenze" && i + 1 < argc)
            wert = argv[i + 1];
        else if (arg.rfind("--grenze=", 0) == 0)
            wert = arg.substr(9);
        else
            continue;
        const long long ms = std::atoll(std::string(wert).c_str());
        if (ms > 0) return std::chrono::milliseconds(ms);
    }
    return vorgabe;
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
