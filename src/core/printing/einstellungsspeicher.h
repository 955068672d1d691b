// The per-user settings store of the print settings and the reading and writing sequence
// with its messages. The store itself is the platform's (the desktop's settings library).
#pragma once

#include "core/common/person.h"
#include "core/printing/druckeinstellungen.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zalvor {

// Keys below the program's key "Software\Orvan-Software\EINAUS": "Druck", "Druck/Font1",
// "Druck/Font2". Every call may fail; the sequence reports failures and goes on with the
// values in memory.
class Einstellungsspeicher {
  public:
    enum class Zugang { Vorhanden, Angelegt, Fehlt };

    virtual ~Einstellungsspeicher() = default;
    // Opens the program's key, creating it when missing.
    virtual Zugang oeffnen() = 0;
    virtual bool schluesselOeffnen(const std::string& pfad, bool anlegen) = 0;
    virtual std::optional<std::uint8_t> byteLesen(const std::string& pfad,
                                                  const std::string& name) = 0;
    virtual std::optional<std::string> textLesen(const std::string& pfad,
                                                 const std::string& name) = 0;
    virtual bool byteSchreiben(const std::string& pfad, const std::string& name,
                               std::uint8_t wert) = 0;
    virtual bool textSchreiben(const std::string& pfad, const std::string& name,
                               const std::string& wert) = 0;
};

// Reads the settings into `e` (which keeps what cannot be read). Returns true on a first
// run (no key yet or no store at all): the defaults were set and the person told.
bool druckeinstellungenLesen(Einstellungsspeicher& s, Person& p, Druckeinstellungen& e,
                             const Schrift& standardschrift);
// Writes the settings after OK; failures are reported and leave the values in memory.
// Returns true when every value was stored.
bool druckeinstellungenSchreiben(Einstellungsspeicher& s, Person& p, const Druckeinstellungen& e,
                                 bool ersterLauf);

} // namespace zalvor
