// Exception types that end a command: input/output failure, arithmetic overflow, program end.
#pragma once

#include "core/common/zeichensatz.h"

#include <stdexcept>
#include <string>

namespace zalvor {

// An input/output failure the operation does not check itself. The command boundary
// reports it as "E/A-Fehler %d" and the program goes on.
class EAFehler : public std::runtime_error {
  public:
    EAFehler(int fehlernummer, const std::string& wo)
        : std::runtime_error(wo), nummer_(fehlernummer) {}
    int nummer() const { return nummer_; }

  private:
    int nummer_;
};

// A path that names a folder, a pipe or a device where a file is expected.
class KeineDateiFehler : public EAFehler {
  public:
    KeineDateiFehler(int fehlernummer, const std::string& pfad) : EAFehler(fehlernummer, pfad) {}
};

// Another program has the club open for writing.
class GesperrtFehler : public std::runtime_error {
  public:
    GesperrtFehler() : std::runtime_error("gesperrt") {}
};

// A value too large for the stored real format. Reported like an I/O failure, with its own text.
class UeberlaufFehler : public std::runtime_error {
  public:
    // The text in the engine's Windows form, as every text the person reads.
    UeberlaufFehler() : std::runtime_error(A("Gleitkommaüberlauf")) {}
};

// The program has to end now (a guarded file opened without the right code word). The
// reason is for front ends that say why they stop (UTF-8).
class ProgrammEnde : public std::runtime_error {
  public:
    explicit ProgrammEnde(const std::string& grund = "Programmende") : std::runtime_error(grund) {}
};

} // namespace zalvor

namespace zalvor {

// The person declined to go on; the command ends without a further message.
class BefehlAbgebrochen : public std::runtime_error {
  public:
    BefehlAbgebrochen() : std::runtime_error("abgebrochen") {}
};

} // namespace zalvor
