// The check of a direct-debit file against the schema German banks apply, before it is saved.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zalvor::sepa {

// The schema's text, compiled into the program.
std::string_view bankschemaXsd();

// Nothing when the UTF-8 XML document validates against the bank schema; otherwise the first
// complaint with its line ("Zeile N: ..."), in the engine's Windows form.
std::optional<std::string> bankschemaFehler(std::string_view xml);

} // namespace zalvor::sepa
