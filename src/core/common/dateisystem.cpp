// POSIX file access with errors as EAFehler, and the fault hooks of the tests.
#include "core/common/dateisystem.h"

#include "core/common/fehler.h"
#include "core/common/ordnerliste.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zalvor {

namespace {

using testhaken::Vorgang;

int gSchreibenBisFehler = -1;
int gFehlernummer = 0;

std::uint64_t gSchritte = 0;
std::uint64_t gFehlerSchritt = 0; // 0: none
int gSchrittFehlernummer = 0;
bool gDauerhaft = false;
std::optional<Vorgang> gAusgeloest;
bool gOhneSync = false;
std::uint64_t gAbbruchSchritt = 0; // 0: none
aenderungen::Beobachter* gBeobachter = nullptr;

void melden(const std::string& pfad, aenderungen::Art art, std::uint64_t offset = 0,
            std::uint64_t n = 0) {
    if (gBeobachter) gBeobachter->vorAenderung(pfad, art, offset, n);
}

// Counts the operation; true when the test wants it to fail.
bool scheitert(Vorgang v) {
    ++gSchritte;
    if (gAbbruchSchritt != 0 && gSchritte == gAbbruchSchritt) ::_exit(testhaken::kAbbruchStatus);
    if (gFehlerSchritt == 0) return false;
    if (gSchritte == gFehlerSchritt || (gDauerhaft && gSchritte > gFehlerSchritt)) {
        if (!gAusgeloest) gAusgeloest = v;
        return true;
    }
    return false;
}

void haken(Vorgang v, const std::string& pfad) {
    if (scheitert(v)) throw EAFehler(gSchrittFehlernummer, pfad + ": simulierter Fehler");
}

void schreibHaken() {
    if (gSchreibenBisFehler < 0) return;
    if (gSchreibenBisFehler == 0) throw EAFehler(gFehlernummer, "simulierter Schreibfehler");
    --gSchreibenBisFehler;
}

[[noreturn]] void fehler(const std::string& wo) {
    throw EAFehler(errno, wo);
}

void allesSchreiben(int fd, std::uint64_t offset, const void* quelle, std::size_t n,
                    const std::string& pfad) {
    melden(pfad, aenderungen::Art::Schreiben, offset, n);
    haken(Vorgang::Schreiben, pfad);
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

// Removal of a temporary file after a failure: the first failure is the one to report.
void aufraeumen(const std::string& pfad) noexcept {
    if (scheitert(Vorgang::Loeschen)) return;
    ::unlink(pfad.c_str());
}

} // namespace

namespace testhaken {
void schreibfehlerNach(int schreibvorgaenge, int fehlernummer) {
    gSchreibenBisFehler = schreibvorgaenge;
    gFehlernummer = fehlernummer;
}
void fehlerBeiSchritt(std::uint64_t schritt, int fehlernummer, bool dauerhaft) {
    gSchritte = 0;
    gFehlerSchritt = schritt;
    gSchrittFehlernummer = fehlernummer;
    gDauerhaft = dauerhaft;
    gAusgeloest.reset();
}
std::uint64_t schritte() {
    return gSchritte;
}
int fremderVorgang(Vorgang v) {
    return scheitert(v) ? gSchrittFehlernummer : 0;
}
std::optional<Vorgang> ausgeloesterFehler() {
    return gAusgeloest;
}
void ohneSynchronisation(bool an) {
    gOhneSync = an;
}
bool synchronisationAus() {
    return gOhneSync;
}
void abbrechenBeiSchritt(std::uint64_t schritt) {
    gSchritte = 0;
    gAbbruchSchritt = schritt;
}
void zuruecksetzen() {
    gAbbruchSchritt = 0;
    gSchreibenBisFehler = -1;
    gSchritte = 0;
    gFehlerSchritt = 0;
    gDauerhaft = false;
    gAusgeloest.reset();
}
} // namespace testhaken

namespace aenderungen {
void beobachten(Beobachter* b) {
    gBeobachter = b;
}
Beobachter* beobachter() {
    return gBeobachter;
}
} // namespace aenderungen

BinaerDatei::BinaerDatei(const std::string& pfad, Modus modus) : pfad_(pfad) {
    // Non-blocking only for the open itself: a pipe in place of a file must not wait for a
    // writer.
    int flags = O_CLOEXEC | O_NONBLOCK;
    switch (modus) {
    case Modus::Lesen:
        flags |= O_RDONLY;
        break;
    case Modus::LesenSchreiben:
        flags |= O_RDWR;
        break;
    case Modus::Neu:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    }
    if (modus == Modus::Neu) melden(pfad, aenderungen::Art::Ersetzen);
    haken(Vorgang::Oeffnen, pfad);
    if (modus == Modus::Neu) schreibHaken();
    fd_ = ::open(pfad.c_str(), flags, 0644);
    if (fd_ < 0) fehler(pfad);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) fehler(pfad);
    if (!S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        throw KeineDateiFehler(S_ISDIR(st.st_mode) ? EISDIR : EINVAL, pfad);
    }
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
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
    haken(Vorgang::Lesen, pfad_);
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
    melden(pfad_, aenderungen::Art::Ersetzen);
    haken(Vorgang::Kuerzen, pfad_);
    schreibHaken();
    if (::ftruncate(fd_, static_cast<off_t>(laenge)) != 0) fehler(pfad_);
}

void BinaerDatei::sichern() {
    haken(Vorgang::Sichern, pfad_);
    if (!gOhneSync && ::fsync(fd_) != 0) fehler(pfad_);
}

void BinaerDatei::schliessen() {
    if (fd_ < 0) return;
    int fd = fd_;
    fd_ = -1;
    const bool simuliert = scheitert(Vorgang::Schliessen);
    if (::close(fd) != 0) fehler(pfad_);
    if (simuliert) throw EAFehler(gSchrittFehlernummer, pfad_ + ": simulierter Fehler");
}

bool dateiExistiert(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0;
}

bool istOrdner(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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
    const std::string verzeichnis = verzeichnisTeil(pfad);
    const std::string name = dateinameTeil(pfad);
    for (const std::string& n : ordnerNamen(verzeichnis))
        if (::strcasecmp(n.c_str(), name.c_str()) == 0) return verzeichnis + n;
    return pfad;
}

void dateiLoeschen(const std::string& pfad) {
    melden(pfad, aenderungen::Art::Ersetzen);
    haken(Vorgang::Loeschen, pfad);
    if (::unlink(pfad.c_str()) != 0 && errno != ENOENT) fehler(pfad);
}

void dateiUmbenennen(const std::string& von, const std::string& nach) {
    melden(nach, aenderungen::Art::Ersetzen);
    melden(von, aenderungen::Art::Ersetzen);
    haken(Vorgang::Umbenennen, von);
    if (::rename(von.c_str(), nach.c_str()) != 0) fehler(von);
}

std::uint64_t dateiGroesse(const std::string& pfad) {
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) fehler(pfad);
    if (!S_ISREG(st.st_mode)) throw KeineDateiFehler(S_ISDIR(st.st_mode) ? EISDIR : EINVAL, pfad);
    return static_cast<std::uint64_t>(st.st_size);
}

void leereDateiAnlegen(const std::string& pfad) {
    BinaerDatei d(pfad, BinaerDatei::Modus::Neu);
    d.schliessen();
}

void ordnerSichern(const std::string& pfad) {
    const std::string ordner = verzeichnisTeil(pfad);
    haken(Vorgang::Sichern, ordner);
    if (gOhneSync) return;
    int fd = ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) fehler(ordner);
    // Some file systems cannot sync a folder; their renames are as durable as they get.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int nummer = errno;
    ::close(fd);
    if (!ok) throw EAFehler(nummer, ordner);
}

void zweiterName(const std::string& von, const std::string& nach, const std::string& temp,
                 const std::function<void(const std::vector<std::uint8_t>&)>& kopieren) {
    melden(temp, aenderungen::Art::Ersetzen);
    ::unlink(temp.c_str());
    haken(Vorgang::Umbenennen, von);
    if (::link(von.c_str(), temp.c_str()) == 0) {
        try {
            dateiUmbenennen(temp, nach);
        } catch (...) {
            aufraeumen(temp);
            throw;
        }
        // A backup that already is a name of the same file leaves the rename without effect.
        ::unlink(temp.c_str());
        ordnerSichern(nach);
        return;
    }
    if (errno != EPERM && errno != EXDEV && errno != ENOTSUP && errno != EMLINK && errno != ENOSYS)
        fehler(von);
    kopieren(dateiLesen(von));
}

std::vector<std::uint8_t> dateiLesen(const std::string& pfad) {
    BinaerDatei d(pfad, BinaerDatei::Modus::Lesen);
    std::vector<std::uint8_t> inhalt(d.groesse());
    if (!inhalt.empty()) d.lesen(0, inhalt.data(), inhalt.size());
    d.schliessen();
    return inhalt;
}

std::vector<std::string> textzeilen(std::span<const std::uint8_t> inhalt) {
    std::vector<std::string> zeilen;
    std::string zeile;
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        const char c = static_cast<char>(inhalt[i]);
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

std::vector<std::string> textdateiLesen(const std::string& pfad) {
    return textzeilen(dateiLesen(pfad));
}

std::vector<std::uint8_t> textinhalt(const std::vector<std::string>& zeilen) {
    std::vector<std::uint8_t> inhalt;
    for (const auto& z : zeilen) {
        inhalt.insert(inhalt.end(), z.begin(), z.end());
        inhalt.push_back('\r');
        inhalt.push_back('\n');
    }
    return inhalt;
}

std::string ersetzungsziel(const std::string& pfad) {
    const std::string ziel = aufgeloest(pfad);
    struct stat st {};
    if (::lstat(ziel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return ziel;
    char* echt = ::realpath(ziel.c_str(), nullptr);
    if (echt == nullptr) return ziel; // a dangling link is replaced by the new file
    std::string ergebnis(echt);
    std::free(echt);
    return ergebnis;
}

Ersetzung::Ersetzung(const std::string& ziel, std::span<const std::uint8_t> inhalt,
                     const std::string& temp)
    : ziel_(ziel), temp_(temp) {
    try {
        BinaerDatei d(temp_, BinaerDatei::Modus::Neu);
        offen_ = true;
        if (!inhalt.empty()) d.schreiben(0, inhalt.data(), inhalt.size());
        d.sichern();
        d.schliessen();
    } catch (...) {
        if (offen_) aufraeumen(temp_);
        offen_ = false;
        throw;
    }
}

Ersetzung::~Ersetzung() {
    if (offen_) aufraeumen(temp_);
}

Ersetzung::Ersetzung(Ersetzung&& andere) noexcept
    : ziel_(std::move(andere.ziel_)), temp_(std::move(andere.temp_)), offen_(andere.offen_) {
    andere.offen_ = false;
}

void Ersetzung::umschalten() {
    if (!offen_) return;
    dateiUmbenennen(temp_, ziel_);
    offen_ = false;
    ordnerSichern(ziel_);
}

} // namespace zalvor
