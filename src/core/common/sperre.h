// One writer per club, and readers that never see half a change: byte-range locks on the
// club's lock file.
#pragma once

#include <chrono>
#include <string>

namespace zalvor {

// Two locks on one lock file, both held per open file (so two Sperre of one process exclude
// each other like two programs) and ended with the process, so a program that crashed
// never blocks a club:
// - the owner's (byte 0): the program that writes into the club, exclusive;
// - the change lock (byte 1): exclusive while a change is being made, shared while a reader
//   reads, so that a reader waits for the change to be complete.
class Sperre {
  public:
    // How long a command waits for another program's lock before it gives up.
    static std::chrono::milliseconds wartezeit;

    Sperre() = default;
    ~Sperre();
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;
    Sperre(Sperre&& andere) noexcept;
    Sperre& operator=(Sperre&& andere) noexcept;

    // The owner's lock, waiting up to `warten`. False when another program holds it;
    // EAFehler when the lock file cannot be opened or created.
    bool nehmen(const std::string& sperrdatei,
                std::chrono::milliseconds warten = std::chrono::milliseconds(0));
    // A reader's shared change lock, waiting up to `wartezeit`.
    bool lesen(const std::string& sperrdatei);
    // The exclusive change lock on the file already held (a reader's lock is upgraded),
    // waiting up to `wartezeit`; `aenderungBeendet` returns to what was held before.
    bool aendern();
    void aenderungBeendet();
    void freigeben();
    bool gehalten() const { return fd_ >= 0 && eigentuemer_; }
    bool offen() const { return fd_ >= 0; }
    const std::string& datei() const { return datei_; }

  private:
    bool oeffnen(const std::string& sperrdatei);
    int fd_ = -1;
    std::string datei_;
    bool eigentuemer_ = false;
    bool leser_ = false;
};

} // namespace zalvor
