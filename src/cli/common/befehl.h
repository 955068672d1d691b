// Command registry and the context every zalvor-cli command runs in.
#pragma once

#include "core/common/ausgang.h"
#include "core/common/befehlsregeln.h"
#include "core/files/sitzung.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace zalvor::cli {

enum class Format { Tsv, Csv, Json };

// Exit status of a command.
inline constexpr int kFertig = 0;
inline constexpr int kAbgelehnt = 1; // refused by a check; its message was printed
inline constexpr int kFalscherAufruf = 2;
inline constexpr int kEAFehler = 3;

// The exit status of an operation's outcome: a refusal and a cancel both end with 1.
constexpr int exitStatus(Ausgang a) {
    switch (a) {
    case Ausgang::Erledigt:
        return kFertig;
    case Ausgang::Abgebrochen:
    case Ausgang::Abgelehnt:
        return kAbgelehnt;
    case Ausgang::EAFehler:
        return kEAFehler;
    }
    return kAbgelehnt;
}

class Argumente {
  public:
    explicit Argumente(std::vector<std::string> a) : liste_(std::move(a)) {}
    // Takes "--name WERT" out of the list; nullopt when absent. Throws on a missing value.
    std::optional<std::string> wert(const std::string& name);
    // Takes several single options as wert() does, in the order named.
    template <std::size_t N>
    std::array<std::optional<std::string>, N> optionen(const std::array<std::string, N>& namen) {
        std::array<std::optional<std::string>, N> alle;
        for (std::size_t i = 0; i < N; ++i)
            alle[i] = wert(namen[i]);
        return alle;
    }
    // All values of a repeated option.
    std::vector<std::string> werte(const std::string& name);
    // The values of several repeated options in the order given: (option, value) pairs.
    std::vector<std::pair<std::string, std::string>>
    werteInFolge(const std::vector<std::string>& namen);
    // Takes the flag "--name" out of the list.
    bool schalter(const std::string& name);
    // The next positional argument; throws a usage error when missing.
    std::string position(const std::string& bezeichnung);
    // The last positional argument: after it nothing may be left.
    std::string letzte(const std::string& bezeichnung);
    // Fails with a usage error when anything is left.
    void fertig() const;
    bool leer() const { return liste_.empty(); }

  private:
    std::vector<std::string> liste_;
};

// Thrown for wrong usage; the message goes to stderr, exit status 2.
class Aufruffehler : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Kontext {
    Sitzung& sitzung;
    std::ostream& out;
    std::ostream& err;
    Format format;
    Argumente args;
    Befehlsart regel; // the command's rule, from the command table
    // The status reports a finding, not a failure: what the command changed (a repair the
    // person accepted) stays.
    bool statusIstBefund = false;
};

using Befehlsfunktion = std::function<int(Kontext&)>;

struct Befehl {
    std::string name;
    std::string aufruf;       // usage line after the name
    std::string beschreibung; // one line for --help
    Befehlsart regel;         // how the command opens a club and what it may do
    Befehlsfunktion ausfuehren;
};

// Every command of zalvor-cli, in the order --help lists them (befehlstabelle.cpp).
const std::vector<Befehl>& befehle();
// The command of that name, or null.
const Befehl* befehlSuchen(const std::string& name);

} // namespace zalvor::cli
