// The journal's file: a header with the command's mark, then one entry per recorded change,
// each with its length and check sum, so that an entry cut short by a kill is recognised (the
// change it announced was never made).
#include "core/transaction/aenderungsjournal.h"

#include "core/common/fehler.h"
#include "core/database/datenbank.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zalvor {

namespace {

constexpr char kKopf[8] = {'Z', 'L', 'V', 'J', 'R', 'N', 'L', '1'};

enum Eintragsart : std::uint8_t {
    kFehlte = 1,   // the file did not exist: removed
    kLaenge = 2,   // cut back to the old length
    kBytes = 3,    // old bytes written back at the offset
    kInhalt = 4,   // the whole old content, with its permissions
    kDatenbank = 5 // the database commit decides
};

using Bytes = std::vector<std::uint8_t>;

void u32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void u64(Bytes& b, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
std::uint32_t lies32(const std::uint8_t* p) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}
std::uint64_t lies64(const std::uint8_t* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}

std::uint32_t pruefsumme(const std::uint8_t* p, std::size_t n) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < n; ++i)
        h = (h ^ p[i]) * 16777619u;
    return h;
}

[[noreturn]] void fehler(const std::string& pfad) {
    throw EAFehler(errno, pfad);
}

// The journal's own reads and the undoing go past the fault hooks: they belong to no
// command's steps, and the undoing must work while the command's faults go on.
struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

Bytes lesenRoh(const std::string& pfad, std::uint64_t ab, std::uint64_t n) {
    Fd d{::open(pfad.c_str(), O_RDONLY | O_CLOEXEC)};
    if (d.fd < 0) fehler(pfad);
    Bytes b(n);
    std::uint64_t gelesen = 0;
    while (gelesen < n) {
        const ssize_t r =
            ::pread(d.fd, b.data() + gelesen, n - gelesen, static_cast<off_t>(ab + gelesen));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) fehler(pfad);
        if (r == 0) break;
        gelesen += static_cast<std::uint64_t>(r);
    }
    b.resize(gelesen);
    return b;
}

void schreibenRoh(int fd, std::uint64_t ab, const Bytes& b, const std::string& pfad) {
    std::size_t geschrieben = 0;
    while (geschrieben < b.size()) {
        const ssize_t r = ::pwrite(fd, b.data() + geschrieben, b.size() - geschrieben,
                                   static_cast<off_t>(ab + geschrieben));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) fehler(pfad);
        geschrieben += static_cast<std::size_t>(r);
    }
}

void syncRoh(int fd, const std::string& pfad) {
    if (!testhaken::synchronisationAus() && ::fsync(fd) != 0) fehler(pfad);
}

void ordnerSyncRoh(const std::string& pfad) {
    if (testhaken::synchronisationAus()) return;
    const std::string ordner = verzeichnisTeil(pfad);
    Fd d{::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (d.fd < 0) fehler(ordner);
    if (::fsync(d.fd) != 0 && errno != EINVAL && errno != ENOTSUP) fehler(ordner);
}

std::string absolut(const std::string& pfad) {
    if (pfad.empty() || pfad.front() == '/') return pfad;
    char puffer[PATH_MAX];
    if (::getcwd(puffer, sizeof puffer) == nullptr) return pfad;
    return pfadVerbinden(puffer, pfad);
}

std::string neueKennung() {
    std::random_device zufall;
    char puffer[17];
    std::snprintf(puffer, sizeof puffer, "%08x%08x", zufall(), zufall());
    return puffer;
}

struct Eintrag {
    std::uint8_t art = 0;
    std::string pfad;
    std::uint64_t wert = 0;
    Bytes daten;
};

struct Inhalt {
    std::string kennung;
    std::vector<Eintrag> eintraege;
};

// The entries up to the first one cut short or damaged.
Inhalt journalLesen(const std::string& pfad) {
    Inhalt j;
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) fehler(pfad);
    const Bytes b = lesenRoh(pfad, 0, static_cast<std::uint64_t>(st.st_size));
    std::size_t i = sizeof kKopf + 4;
    if (b.size() < i || !std::equal(kKopf, kKopf + sizeof kKopf, b.begin())) return j;
    const std::uint32_t kl = lies32(&b[sizeof kKopf]);
    if (b.size() < i + kl) return j;
    j.kennung.assign(b.begin() + static_cast<long>(i), b.begin() + static_cast<long>(i + kl));
    i += kl;
    while (i + 4 <= b.size()) {
        const std::uint32_t n = lies32(&b[i]);
        if (n < 21 || b.size() - i - 4 < std::uint64_t{n} + 4) break;
        const std::uint8_t* k = &b[i + 4];
        if (pruefsumme(k, n) != lies32(k + n)) break;
        Eintrag e;
        e.art = k[0];
        const std::uint32_t pl = lies32(k + 1);
        if (std::uint64_t{pl} + 21 > n) break;
        e.pfad.assign(reinterpret_cast<const char*>(k + 5), pl);
        e.wert = lies64(k + 5 + pl);
        const std::uint64_t dl = lies64(k + 13 + pl);
        if (dl != n - 21 - pl) break;
        e.daten.assign(k + 21 + pl, k + n);
        j.eintraege.push_back(std::move(e));
        i += 4 + n + 4;
    }
    return j;
}

std::string hilfsname(const std::string& pfad) {
    char puffer[9];
    const std::string name = dateinameTeil(pfad);
    std::snprintf(puffer, sizeof puffer, "%08x",
                  pruefsumme(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
    return verzeichnisTeil(pfad) + ".zlv-alt-" + puffer;
}

void eintragRueckgaengig(const Eintrag& e, std::set<std::string>& ordner) {
    ordner.insert(e.pfad);
    switch (e.art) {
    case kFehlte: {
        struct stat st {};
        if (::lstat(e.pfad.c_str(), &st) != 0) return;
        if (S_ISDIR(st.st_mode)) return;
        if (::unlink(e.pfad.c_str()) != 0 && errno != ENOENT) fehler(e.pfad);
        return;
    }
    case kLaenge: {
        Fd d{::open(e.pfad.c_str(), O_WRONLY | O_CLOEXEC)};
        if (d.fd < 0) {
            if (errno == ENOENT) return;
            fehler(e.pfad);
        }
        if (::ftruncate(d.fd, static_cast<off_t>(e.wert)) != 0) fehler(e.pfad);
        syncRoh(d.fd, e.pfad);
        return;
    }
    case kBytes: {
        Fd d{::open(e.pfad.c_str(), O_WRONLY | O_CLOEXEC)};
        if (d.fd < 0) fehler(e.pfad);
        schreibenRoh(d.fd, e.wert, e.daten, e.pfad);
        syncRoh(d.fd, e.pfad);
        return;
    }
    case kInhalt: {
        const std::string temp = hilfsname(e.pfad);
        {
            Fd d{::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                        static_cast<mode_t>(e.wert & 07777))};
            if (d.fd < 0) fehler(temp);
            ::fchmod(d.fd, static_cast<mode_t>(e.wert & 07777));
            schreibenRoh(d.fd, 0, e.daten, temp);
            syncRoh(d.fd, temp);
        }
        if (::rename(temp.c_str(), e.pfad.c_str()) != 0) {
            const int nummer = errno;
            ::unlink(temp.c_str());
            throw EAFehler(nummer, e.pfad);
        }
        return;
    }
    default:
        return;
    }
}

void rueckgaengig(const std::vector<Eintrag>& eintraege, const std::string& journal) {
    std::set<std::string> ordner;
    for (auto it = eintraege.rbegin(); it != eintraege.rend(); ++it)
        eintragRueckgaengig(*it, ordner);
    std::set<std::string> gesichert;
    for (const std::string& p : ordner)
        if (gesichert.insert(verzeichnisTeil(p)).second) ordnerSyncRoh(p);
    if (::unlink(journal.c_str()) != 0 && errno != ENOENT) fehler(journal);
    ordnerSyncRoh(journal);
}

} // namespace

Aenderungsjournal::Aenderungsjournal(std::string pfad)
    : pfad_(absolut(pfad)), kennung_(neueKennung()) {}

Aenderungsjournal::~Aenderungsjournal() = default;

void Aenderungsjournal::eintragen(std::uint8_t art, const std::string& pfad, std::uint64_t wert,
                                  const Bytes& daten) {
    struct Wache {
        bool& b;
        ~Wache() { b = false; }
    } wache{imEintragen_ = true};
    if (!datei_) {
        // The journal exists, whole and durable, before the first file is changed.
        // A journal that could not be made whole is removed again: no change was made yet.
        try {
            BinaerDatei d(pfad_, BinaerDatei::Modus::Neu);
            Bytes kopf(kKopf, kKopf + sizeof kKopf);
            u32(kopf, static_cast<std::uint32_t>(kennung_.size()));
            kopf.insert(kopf.end(), kennung_.begin(), kennung_.end());
            d.schreiben(0, kopf.data(), kopf.size());
            d.sichern();
            ordnerSichern(pfad_);
            datei_.emplace(std::move(d));
        } catch (...) {
            ::unlink(pfad_.c_str());
            throw;
        }
    }
    Bytes k;
    k.push_back(art);
    u32(k, static_cast<std::uint32_t>(pfad.size()));
    k.insert(k.end(), pfad.begin(), pfad.end());
    u64(k, wert);
    u64(k, daten.size());
    k.insert(k.end(), daten.begin(), daten.end());
    Bytes satz;
    satz.reserve(k.size() + 8);
    u32(satz, static_cast<std::uint32_t>(k.size()));
    satz.insert(satz.end(), k.begin(), k.end());
    u32(satz, pruefsumme(k.data(), k.size()));
    datei_->anhaengen(satz.data(), satz.size());
    datei_->sichern();
}

void Aenderungsjournal::vorAenderung(const std::string& roh, aenderungen::Art art,
                                     std::uint64_t offset, std::uint64_t n) {
    if (imEintragen_) return;
    const std::string pfad = absolut(roh);
    if (pfad == pfad_) return;
    Stand& stand = staende_[pfad];
    if (stand.ganz) return;
    struct stat st {};
    if (::lstat(pfad.c_str(), &st) != 0) {
        if (errno != ENOENT) fehler(pfad);
        eintragen(kFehlte, pfad, 0, {});
        stand.ganz = true;
        return;
    }
    // Only regular files are changed; anything else makes the change itself fail.
    if (!S_ISREG(st.st_mode)) return;
    const auto groesse = static_cast<std::uint64_t>(st.st_size);
    if (art == aenderungen::Art::Ersetzen) {
        eintragen(kInhalt, pfad, st.st_mode & 07777, lesenRoh(pfad, 0, groesse));
        stand.ganz = true;
        return;
    }
    if (stand.laenge && offset >= *stand.laenge) return;
    if (!stand.laenge && offset + n > groesse) {
        eintragen(kLaenge, pfad, groesse, {});
        stand.laenge = groesse;
    }
    if (offset < groesse) {
        const std::uint64_t bis = std::min(offset + n, groesse);
        eintragen(kBytes, pfad, offset, lesenRoh(pfad, offset, bis - offset));
    }
}

std::string Aenderungsjournal::datenbankVermerken(const std::string& datenbank) {
    if (!datei_) return {};
    eintragen(kDatenbank, absolut(datenbank), 0, {});
    return kennung_;
}

void Aenderungsjournal::abschliessen() {
    if (!datei_) return;
    // Every entry was synced as it was written: a failing close loses nothing.
    datei_.reset();
    if (::unlink(pfad_.c_str()) != 0 && errno != ENOENT) fehler(pfad_);
    ordnerSyncRoh(pfad_);
    staende_.clear();
}

void Aenderungsjournal::zuruecknehmen() {
    if (!datei_) return;
    datei_.reset();
    rueckgaengig(journalLesen(pfad_).eintraege, pfad_);
    staende_.clear();
}

Journalausgang journalAbspielen(const std::string& pfad) {
    struct stat st {};
    if (::lstat(pfad.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return Journalausgang::Keines;
    const Inhalt j = journalLesen(pfad);
    for (const Eintrag& e : j.eintraege) {
        if (e.art != kDatenbank || !journalFestgeschrieben(e.pfad, j.kennung)) continue;
        if (::unlink(pfad.c_str()) != 0 && errno != ENOENT) fehler(pfad);
        ordnerSyncRoh(pfad);
        return Journalausgang::Abgeschlossen;
    }
    rueckgaengig(j.eintraege, pfad);
    return Journalausgang::Zurueckgenommen;
}

} // namespace zalvor
