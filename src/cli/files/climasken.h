// Entry forms on the command line: the options stand for what the person types.
#pragma once

#include "cli/common/befehl.h"
#include "core/common/masken.h"

#include <array>
#include <map>
#include <optional>
#include <string>

namespace zalvor::cli {

// A form is filled once from the options. When a check refuses the entries and the form
// would be shown again, it is cancelled instead (as a person would after reading the
// message) and `abgelehnt` is set, so the command ends with exit status 1.
class CliMasken : public Masken {
  public:
    std::optional<std::string> waehrung, kurs, umstellungsjahr, umstellungBis;
    std::map<int, std::string> konten, ausgabetypen, einnahmetypen, bestaende;
    std::optional<std::string> jahr;
    bool abgelehnt = false;

    bool waehrungseinstellungen(Sitzung& s, bool ausMenue) override;
    bool dateieinstellungen(Sitzung& s) override;
    std::optional<std::array<std::string, 9>>
    anfangsbestaende(Sitzung& s, const std::array<std::string, 9>& vorher) override;
    std::optional<std::string> naechstesJahr(Sitzung& s, const std::string& vorschlag) override;

  private:
    bool waehrungGezeigt_ = false;
    bool bestaendeGezeigt_ = false;
    bool jahrGezeigt_ = false;
};

// Reads repeated "N=WERT" options (N = 1..max) into the map; a usage error otherwise.
void nummerierteWerte(Argumente& args, const std::string& option, int max,
                      std::map<int, std::string>& ziel);

} // namespace zalvor::cli
