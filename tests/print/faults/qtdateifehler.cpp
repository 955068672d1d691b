// The C library entry points Qt's file engine calls (see `nm -D` of QtCore), each passed on
// to the next definition unless it concerns the watched folder and the hooks make it fail.
// Fortified inline versions of open64 would clash with the definitions here.
#undef _FORTIFY_SOURCE
#include "qtdateifehler.h"

#include "core/common/dateisystem.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace zalvor::test {
namespace {

using testhaken::Vorgang;

std::mutex gSchutz;
std::string gOrdner;
std::array<std::atomic<bool>, 4096> gBeobachtet{};

bool unter(const char* pfad) {
    if (pfad == nullptr) return false;
    std::lock_guard<std::mutex> sperre(gSchutz);
    return !gOrdner.empty() && std::strncmp(pfad, gOrdner.c_str(), gOrdner.size()) == 0 &&
           (pfad[gOrdner.size()] == '/' || pfad[gOrdner.size()] == '\0');
}

bool beobachtet(int fd) {
    return fd >= 0 && static_cast<std::size_t>(fd) < gBeobachtet.size() && gBeobachtet[fd];
}

void beobachten(int fd, bool an) {
    if (fd >= 0 && static_cast<std::size_t>(fd) < gBeobachtet.size()) gBeobachtet[fd] = an;
}

// The hooks' verdict: true (with errno set) when the operation is to fail.
bool scheitert(Vorgang v) {
    const int nummer = testhaken::fremderVorgang(v);
    if (nummer == 0) return false;
    errno = nummer;
    return true;
}

template <typename F>
F naechste(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

} // namespace

void qtDateifehlerUnter(const std::string& ordner) {
    std::lock_guard<std::mutex> sperre(gSchutz);
    gOrdner = ordner;
    if (ordner.empty())
        for (auto& b : gBeobachtet)
            b = false;
}

} // namespace zalvor::test

using zalvor::test::beobachten;
using zalvor::test::beobachtet;
using zalvor::test::naechste;
using zalvor::test::scheitert;
using zalvor::test::unter;
using zalvor::testhaken::Vorgang;

extern "C" {

int open64(const char* pfad, int flags, ...) {
    static const auto echt = naechste<int (*)(const char*, int, ...)>("open64");
    mode_t modus = 0;
    if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, flags);
        modus = static_cast<mode_t>(va_arg(args, int));
        va_end(args);
    }
    const bool hier = unter(pfad);
    if (hier && scheitert(Vorgang::Oeffnen)) return -1;
    const int fd = echt(pfad, flags, modus);
    if (hier) beobachten(fd, true);
    return fd;
}

ssize_t write(int fd, const void* daten, size_t n) {
    static const auto echt = naechste<ssize_t (*)(int, const void*, size_t)>("write");
    if (beobachtet(fd) && scheitert(Vorgang::Schreiben)) return -1;
    return echt(fd, daten, n);
}

// Fault runs check the order of operations, not the disk: the sync is counted, not made.
int fdatasync(int fd) {
    static const auto echt = naechste<int (*)(int)>("fdatasync");
    if (!beobachtet(fd)) return echt(fd);
    return scheitert(Vorgang::Sichern) ? -1 : 0;
}

int ftruncate64(int fd, off64_t laenge) {
    static const auto echt = naechste<int (*)(int, off64_t)>("ftruncate64");
    if (beobachtet(fd) && scheitert(Vorgang::Kuerzen)) return -1;
    return echt(fd, laenge);
}

int close(int fd) {
    static const auto echt = naechste<int (*)(int)>("close");
    beobachten(fd, false);
    return echt(fd);
}

int linkat(int altOrt, const char* alt, int neuOrt, const char* neu, int flags) {
    static const auto echt = naechste<int (*)(int, const char*, int, const char*, int)>("linkat");
    if (unter(neu) && scheitert(Vorgang::Umbenennen)) return -1;
    return echt(altOrt, alt, neuOrt, neu, flags);
}

int rename(const char* alt, const char* neu) {
    static const auto echt = naechste<int (*)(const char*, const char*)>("rename");
    if ((unter(alt) || unter(neu)) && scheitert(Vorgang::Umbenennen)) return -1;
    return echt(alt, neu);
}

int renameat2(int altOrt, const char* alt, int neuOrt, const char* neu, unsigned flags) {
    static const auto echt =
        naechste<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
    if ((unter(alt) || unter(neu)) && scheitert(Vorgang::Umbenennen)) return -1;
    return echt(altOrt, alt, neuOrt, neu, flags);
}

int unlink(const char* pfad) {
    static const auto echt = naechste<int (*)(const char*)>("unlink");
    if (unter(pfad) && scheitert(Vorgang::Loeschen)) return -1;
    return echt(pfad);
}

int mkdir(const char* pfad, mode_t modus) {
    static const auto echt = naechste<int (*)(const char*, mode_t)>("mkdir");
    if (unter(pfad) && scheitert(Vorgang::Oeffnen)) return -1;
    return echt(pfad, modus);
}

} // extern "C"
