// The lock file of a club, locked with flock.
#include "core/common/sperre.h"

#include "core/common/fehler.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zalvor {

Sperre::~Sperre() {
    freigeben();
}

Sperre::Sperre(Sperre&& andere) noexcept : fd_(andere.fd_) {
    andere.fd_ = -1;
}

Sperre& Sperre::operator=(Sperre&& andere) noexcept {
    if (this != &andere) {
        freigeben();
        fd_ = andere.fd_;
        andere.fd_ = -1;
    }
    return *this;
}

bool Sperre::nehmen(const std::string& sperrdatei) {
    freigeben();
    // The lock file holds no data; it stays beside the booking file after use.
    const int fd = ::open(sperrdatei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) throw EAFehler(errno, sperrdatei);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        const int nummer = errno;
        ::close(fd);
        if (nummer == EWOULDBLOCK) return false;
        throw EAFehler(nummer, sperrdatei);
    }
    fd_ = fd;
    return true;
}

void Sperre::freigeben() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
}

} // namespace zalvor
