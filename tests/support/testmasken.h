// Scripted entry forms for tests: each form returns the next prepared answer and records
// what it was shown.
#pragma once

#include "core/common/masken.h"

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zalvor::test {

class TestMasken : public Masken {
  public:
    // Run when the currency / settings form is shown; the result is what the form returns.
    std::function<bool(Sitzung&, bool ausMenue)> waehrung = [](Sitzung&, bool) { return false; };
    std::function<bool(Sitzung&)> einstellungen = [](Sitzung&) { return false; };
    // Answers of the opening balances form (nullopt = cancel), in order.
    std::deque<std::optional<std::array<std::string, 9>>> bestaende;
    // Answers of the next-year form (nullopt = cancel), in order.
    std::deque<std::optional<std::string>> jahre;

    // What the forms were shown with.
    std::vector<std::array<std::string, 9>> gezeigteBestaende;
    std::vector<std::string> gezeigteJahre;
    int waehrungGezeigt = 0;
    int einstellungenGezeigt = 0;

    bool waehrungseinstellungen(Sitzung& s, bool ausMenue) override {
        ++waehrungGezeigt;
        return waehrung(s, ausMenue);
    }
    bool dateieinstellungen(Sitzung& s) override {
        ++einstellungenGezeigt;
        return einstellungen(s);
    }
    std::optional<std::array<std::string, 9>>
    anfangsbestaende(Sitzung&, const std::array<std::string, 9>& vorher) override {
        gezeigteBestaende.push_back(vorher);
        if (bestaende.empty()) return std::nullopt;
        auto a = bestaende.front();
        bestaende.pop_front();
        return a;
    }
    std::optional<std::string> naechstesJahr(Sitzung&, const std::string& vorschlag) override {
        gezeigteJahre.push_back(vorschlag);
        if (jahre.empty()) return std::nullopt;
        auto a = jahre.front();
        jahre.pop_front();
        return a;
    }
};

// Nine opening balance texts, the given ones first and "0" for the rest.
inline std::array<std::string, 9> bestaendeAus(std::initializer_list<std::string> werte) {
    std::array<std::string, 9> a;
    a.fill("0");
    std::size_t i = 0;
    for (const auto& w : werte)
        a[i++] = w;
    return a;
}

} // namespace zalvor::test
