// The code word file: the main code word in line 1, the read-only code in an optional
// line 2, both in their stored form, each line ending with CR LF.
#pragma once

#include "core/common/lesergebnis.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zalvor {

struct Codewoerter {
    std::string haupt;                  // stored form of line 1
    std::optional<std::string> nurLese; // stored form of line 2, when the file has one
};

// The two lines of the file's bytes. Only CR LF ends a line, so a lone CR or LF that an
// older program wrote into a stored code stays part of it; a last line without line end
// counts too.
Gelesen<Codewoerter> codewoerterAusBytes(std::span<const std::uint8_t> bytes);
// The file read from the disk; a failure throws EAFehler.
Codewoerter codewortdateiLesen(const std::string& pfad);
// Writes the file whole (temporary file, then renamed over the old one): either the old
// file or the new one is on disk after a failure.
void codewortdateiSchreiben(const std::string& pfad, const Codewoerter& c);

} // namespace zalvor
