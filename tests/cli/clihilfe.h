// Runs zalvor-cli in-process for tests and captures its output.
#pragma once

#include "common/lauf.h"

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
    std::ostringstream out, err;
    CliErgebnis e;
    e.status = zalvor::cli::ausfuehren(argumente, out, err, programmVerzeichnis);
    e.out = out.str();
    e.err = err.str();
    return e;
}

} // namespace zalvor::test
