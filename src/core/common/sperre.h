// One program per club: an advisory lock on the club's lock file.
#pragma once

#include <string>

namespace zalvor {

// Holds an exclusive flock on the lock file while it lives. The lock ends with the process,
// so a program that crashed never blocks a club. Locks of one process are counted per
// open file, so two Sperre of one process on one file also exclude each other.
class Sperre {
  public:
    Sperre() = default;
    ~Sperre();
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;
    Sperre(Sperre&& andere) noexcept;
    Sperre& operator=(Sperre&& andere) noexcept;

    // False when another program holds the lock; EAFehler when the lock file cannot be
    // opened or created.
    bool nehmen(const std::string& sperrdatei);
    void freigeben();
    bool gehalten() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

} // namespace zalvor
