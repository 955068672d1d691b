// Golden files: compare, or take the output over when asked to.
#include "gespeicherteausgabe.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace zalvor::test {

namespace {

bool ueberschreiben() {
    const char* wert = std::getenv("ZALVOR_GOLDEN_UPDATE");
    return wert != nullptr && std::string(wert) == "1";
}

std::optional<std::string> lesen(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Line number (from 1) and both lines at the first difference.
std::string ersteAbweichung(const std::string& soll, const std::string& ist) {
    std::istringstream a(soll), b(ist);
    std::string zs, zi;
    for (int nr = 1;; ++nr) {
        const bool hatS = static_cast<bool>(std::getline(a, zs));
        const bool hatI = static_cast<bool>(std::getline(b, zi));
        if (!hatS && !hatI) return "the line ends differ";
        if (hatS != hatI || zs != zi)
            return "line " + std::to_string(nr) + ": stored \"" + (hatS ? zs : "<end>") +
                   "\", actual \"" + (hatI ? zi : "<end>") + "\"";
    }
}

} // namespace

::testing::AssertionResult wieGespeichert(const std::string& ist, const std::string& pfad) {
    const auto soll = lesen(pfad);
    if (soll == ist) return ::testing::AssertionSuccess();
    if (ueberschreiben()) {
        std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
        out << ist;
        out.close();
        if (out) return ::testing::AssertionSuccess() << pfad << " rewritten";
        return ::testing::AssertionFailure() << pfad << " could not be rewritten";
    }
    auto fehler = ::testing::AssertionFailure();
    if (!soll)
        fehler << pfad << " is missing";
    else
        fehler << pfad << " differs from the output, " << ersteAbweichung(*soll, ist);
    return fehler << " (ZALVOR_GOLDEN_UPDATE=1 writes the output over the stored file)";
}

} // namespace zalvor::test
