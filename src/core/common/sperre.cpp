// The lock file of a club, locked with open file description locks.
#include "core/common/sperre.h"

#include "core/common/fehler.h"

#include <cerrno>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace zalvor {

std::chrono::milliseconds Sperre::wartezeit{10000};

namespace {

enum : short { kEigentuemer = 0, kAenderung = 1 };

// One try; false when another holds a conflicting lock.
bool versuchen(int fd, short byte, short art, const std::string& datei) {
    struct flock f {};
    f.l_type = art;
    f.l_whence = SEEK_SET;
    f.l_start = byte;
    f.l_len = 1;
    while (::fcntl(fd, F_OFD_SETLK, &f) != 0) {
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EACCES) return false;
        throw EAFehler(errno, datei);
    }
    return true;
}

bool warten(int fd, short byte, short art, const std::string& datei,
            std::chrono::milliseconds dauer) {
    const auto ende = std::chrono::steady_clock::now() + dauer;
    while (!versuchen(fd, byte, art, datei)) {
        if (std::chrono::steady_clock::now() >= ende) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

} // namespace

Sperre::~Sperre() {
    freigeben();
}

Sperre::Sperre(Sperre&& andere) noexcept
    : fd_(andere.fd_), datei_(std::move(andere.datei_)), eigentuemer_(andere.eigentuemer_),
      leser_(andere.leser_) {
    andere.fd_ = -1;
    andere.eigentuemer_ = andere.leser_ = false;
}

Sperre& Sperre::operator=(Sperre&& andere) noexcept {
    if (this != &andere) {
        freigeben();
        fd_ = andere.fd_;
        datei_ = std::move(andere.datei_);
        eigentuemer_ = andere.eigentuemer_;
        leser_ = andere.leser_;
        andere.fd_ = -1;
        andere.eigentuemer_ = andere.leser_ = false;
    }
    return *this;
}

bool Sperre::oeffnen(const std::string& sperrdatei) {
    freigeben();
    // The lock file holds no data; it stays beside the booking file after use.
    const int fd = ::open(sperrdatei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) throw EAFehler(errno, sperrdatei);
    fd_ = fd;
    datei_ = sperrdatei;
    return true;
}

bool Sperre::nehmen(const std::string& sperrdatei, std::chrono::milliseconds dauer) {
    oeffnen(sperrdatei);
    if (!warten(fd_, kEigentuemer, F_WRLCK, datei_, dauer)) {
        freigeben();
        return false;
    }
    eigentuemer_ = true;
    return true;
}

bool Sperre::lesen(const std::string& sperrdatei) {
    freigeben();
    // A reader leaves nothing behind: without a lock file no writer has been at work yet,
    // and a club on a medium that cannot be written is read without a lock.
    int fd = ::open(sperrdatei.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(sperrdatei.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == EACCES || errno == EROFS || errno == ENOENT) return true;
        throw EAFehler(errno, sperrdatei);
    }
    fd_ = fd;
    datei_ = sperrdatei;
    if (!warten(fd_, kAenderung, F_RDLCK, datei_, wartezeit)) {
        freigeben();
        return false;
    }
    leser_ = true;
    return true;
}

bool Sperre::aendern() {
    if (fd_ < 0) return false;
    return warten(fd_, kAenderung, F_WRLCK, datei_, wartezeit);
}

void Sperre::aenderungBeendet() {
    if (fd_ < 0) return;
    versuchen(fd_, kAenderung, leser_ ? F_RDLCK : F_UNLCK, datei_);
}

void Sperre::freigeben() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    eigentuemer_ = leser_ = false;
}

} // namespace zalvor
