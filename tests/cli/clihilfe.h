// Runs zalvor-cli in-process for tests and captures its output.
#pragma once

#include "tempverzeichnis.h"

#include "cli/common/lauf.h"
#include "core/common/dateisystem.h"
#include "gespeicherteausgabe.h"

#include <cstdlib>

#include <sstream>
#include <string>
#include <vector>

namespace zalvor::test {

struct CliErgebnis {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliErgebnis cli(const std::vector<std::string>& argumente,
                       const std::string& programmVerzeichnis = "/nonexistent") {
    // The user's configuration folder, where the Euro label may be kept, is one of this test
    // run, never the home folder of the machine.
    static const TempVerzeichnis konfiguration;
    static const bool gesetzt = ::setenv("XDG_CONFIG_HOME", konfiguration.pfad().c_str(), 1) == 0;
    (void)gesetzt;
    std::ostringstream out, err;
    CliErgebnis e;
    // The commands' order of writes is what the tests check; waiting for the disk in every
    // save would make each demo club take seconds.
    testhaken::ohneSynchronisation(true);
    e.status = zalvor::cli::ausfuehren(argumente, out, err, programmVerzeichnis);
    e.out = out.str();
    e.err = err.str();
    return e;
}

// Compares with a stored output under tests/cli/golden/ (tests run in the tests folder).
inline ::testing::AssertionResult wieGolden(const std::string& ist, const std::string& name) {
    return wieGespeichert(ist, "cli/golden/" + name);
}

// Replaces the temporary folder in an output so it can be compared with a stored one.
inline std::string ohneOrdner(std::string text, const std::string& ordner) {
    for (auto pos = text.find(ordner); pos != std::string::npos; pos = text.find(ordner))
        text.replace(pos, ordner.size(), "DIR");
    return text;
}

} // namespace zalvor::test
