// Entry forms that engine sequences (new file, next year) show in the middle of their work.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace zalvor {

struct Sitzung;

// Each front end fills in what the person types. A form returns nullopt or false when the
// person cancels it. A form that checks its own entries (currency, settings) runs its checks
// through the engine and returns only after OK with valid entries or after cancel.
class Masken {
public:
    virtual ~Masken() = default;

    // The currency settings dialog "\"Alte\" Währung und Euro"; true when confirmed and
    // stored. `ausMenue` is false while a new file is created (no warnings).
    virtual bool waehrungseinstellungen(Sitzung& s, bool ausMenue) = 0;
    // The settings dialog "Datei-Einstellungen"; true when confirmed and stored.
    virtual bool dateieinstellungen(Sitzung& s) = 0;
    // The opening balances dialog "Anfangsbestände": the nine amount texts as typed, shown
    // with `vorher` (the entries kept after a failed check, "0.00" at first).
    virtual std::optional<std::array<std::string, 9>>
    anfangsbestaende(Sitzung& s, const std::array<std::string, 9>& vorher) = 0;
    // The dialog "Nächstes Jahr": the text typed into "&Neues Jahr:" (at most 2 characters).
    virtual std::optional<std::string> naechstesJahr(Sitzung& s, const std::string& vorschlag) = 0;
};

} // namespace zalvor
