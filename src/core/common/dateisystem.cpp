// POSIX file access with errors as EAFehler.
#include "common/dateisystem.h"

#include "common/fehler.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zalvor {

namespace {

int gSchreibenBisFehler = -1;
int gFehlernummer = 0;

void schreibHaken() {
    if (gSchreibenBisFehler < 0) return;
    if (gSchreibenBisFehler == 0) throw EAFehler(gFehlernummer, "simulierter Schreibfehler");
    --gSchreibenBisFehler;
}

[[noreturn]] void fehler(const std::string& wo) { throw EAFehler(errno, wo); }

void allesSchreiben(int fd, std::uint64_t offset, const void* quelle, std::size_t n,
                    const std::string& pfad) {
    schreibHaken();
    const auto* p = static_cast<const char*>(quelle);
    while (n > 0) {
        ssize_t r = ::pwrite(fd, p, n, static_cast<off_t>(offset));
        if (r < 0) {
            if (errno == EINTR) continue;
            fehler(pfad);
        }
        p += r;
        n -= static_cast<std::size_t>(r);
        offset += static_cast<std::uint64_t>(r);
    }
}

} // namespace

namespace testhaken {
void schreibfehlerNach(int schreibvorgaenge, int fehlernummer) {
    gSchreibenBisFehler = schreibvorgaenge;
    gFehlernummer = fehlernummer;
}
void zuruecksetzen() { gSchreibenBisFehler = -1; }
} // namespace testhaken

BinaerDatei::BinaerDatei(const std::string& pfad, Modus modus) : pfad_(pfad) {
    int flags = O_CLOEXEC;
    switch (modus) {
    case Modus::Lesen: flags |= O_RDONLY; break;
    case Modus::LesenSchreiben: flags |= O_RDWR; break;
    case Modus::Neu: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
    }
    if (modus == Modus::Neu) schreibHaken();
    fd_ = ::open(pfad.c_str(), flags, 0644);
    if (fd_ < 0) fehler(pfad);
}

BinaerDatei::~BinaerDatei() {
    if (fd_ >= 0) ::close(fd_);
}

BinaerDatei::BinaerDatei(BinaerDatei&& andere) noexcept
    : fd_(andere.fd_), pfad_(std::move(andere.pfad_)) {
    andere.fd_ = -1;
}

std::uint64_t BinaerDatei::groesse() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0) fehler(pfad_);
    return static_cast<std::uint64_t>(st.st_size);
}

void BinaerDatei::lesen(std::uint64_t offset, void* ziel, std::size_t n) const {
    auto* p = static_cast<char*>(ziel);
    while (n > 0) {
        ssize_t r = ::pread(fd_, p, n, static_cast<off_t>(offset));
        if (r < 0) {
            if (errno == EINTR) continue;
            fehler(pfad_);
        }
        if (r == 0) throw EAFehler(EIO, pfad_ + ": Dateiende");
        p += r;
        n -= static_cast<std::size_t>(r);
        offset += static_cast<std::uint64_t>(r);
    }
}

void BinaerDatei::schreiben(std::uint64_t offset, const void* quelle, std::size_t n) {
    allesSchreiben(fd_, offset, quelle, n, pfad_);
}

void BinaerDatei::anhaengen(const void* quelle, std::size_t n) {
    allesSchreiben(fd_, groesse(), quelle, n, pfad_);
}

void BinaerDatei::kuerzen(std::uint64_t laenge) {
    schreibHaken();
    if (::ftruncate(fd_, static_cast<off_t>(laenge)) != 0) fehler(pfad_);
}

void BinaerDatei::schliessen() {
    if (fd_ < 0) return;
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fehler(pfad_);
}

bool dateiExistiert(const std::string& pfad) {
    int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool regulaer = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    return regulaer;
}

std::string pfadVerbinden(const std::string& verzeichnis, const std::string& name) {
    if (verzeichnis.empty()) return name;
    if (verzeichnis.back() == '/') return verzeichnis + name;
    return verzeichnis + "/" + name;
}

std::string verzeichnisTeil(const std::string& pfad) {
    auto pos = pfad.rfind('/');
    return pos == std::string::npos ? std::string() : pfad.substr(0, pos + 1);
}

std::string dateinameTeil(const std::string& pfad) {
    auto pos = pfad.rfind('/');
    return pos == std::string::npos ? pfad : pfad.substr(pos + 1);
}

std::string aufgeloest(const std::string& pfad) {
    if (dateiExistiert(pfad)) return pfad;
    std::string verzeichnis = verzeichnisTeil(pfad);
    std::string name = dateinameTeil(pfad);
    DIR* d = ::opendir(verzeichnis.empty() ? "." : verzeichnis.c_str());
    if (d == nullptr) return pfad;
    std::string treffer;
    while (dirent* e = ::readdir(d)) {
        if (::strcasecmp(e->d_name, name.c_str()) == 0) {
            treffer = verzeichnis + e->d_name;
            break;
        }
    }
    ::closedir(d);
    return treffer.empty() ? pfad : treffer;
}

void dateiLoeschen(const std::string& pfad) {
    if (::unlink(pfad.c_str()) != 0 && errno != ENOENT) fehler(pfad);
}

void dateiUmbenennen(const std::string& von, const std::string& nach) {
    if (::rename(von.c_str(), nach.c_str()) != 0) fehler(von);
}

std::uint64_t dateiGroesse(const std::string& pfad) {
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) fehler(pfad);
    return static_cast<std::uint64_t>(st.st_size);
}

void leereDateiAnlegen(const std::string& pfad) {
    BinaerDatei d(pfad, BinaerDatei::Modus::Neu);
    d.schliessen();
}

std::vector<std::string> textdateiLesen(const std::string& pfad) {
    BinaerDatei d(pfad, BinaerDatei::Modus::Lesen);
    std::string inhalt(d.groesse(), '\0');
    if (!inhalt.empty()) d.lesen(0, inhalt.data(), inhalt.size());
    d.schliessen();
    std::vector<std::string> zeilen;
    std::string zeile;
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        char c = inhalt[i];
        if (c == '\r' || c == '\n') {
            zeilen.push_back(std::move(zeile));
            zeile.clear();
            if (c == '\r' && i + 1 < inhalt.size() && inhalt[i + 1] == '\n') ++i;
        } else {
            zeile += c;
        }
    }
    if (!zeile.empty()) zeilen.push_back(std::move(zeile));
    return zeilen;
}

void dateiErsetzen(const std::string& pfad, const std::vector<std::uint8_t>& inhalt) {
    const std::string ziel = aufgeloest(pfad);
    const std::string temp = ziel + ".zlv-neu";
    try {
        BinaerDatei d(temp, BinaerDatei::Modus::Neu);
        if (!inhalt.empty()) d.schreiben(0, inhalt.data(), inhalt.size());
        d.schliessen();
        dateiUmbenennen(temp, ziel);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
}

void textdateiSchreiben(const std::string& pfad, const std::vector<std::string>& zeilen) {
    std::vector<std::uint8_t> inhalt;
    for (const auto& z : zeilen) {
        inhalt.insert(inhalt.end(), z.begin(), z.end());
        inhalt.push_back('\r');
        inhalt.push_back('\n');
    }
    dateiErsetzen(pfad, inhalt);
}

} // namespace zalvor
