// A statement reading as text, one line per value, for the stored expected readings.
#pragma once

#include "core/bank/auszugeinlesen.h"

#include <string>

namespace zalvor::bank::test {

std::string alsText(const Einleseergebnis& e);

// A file of the tests folder (tests run there).
std::string dateiInhalt(const std::string& pfad);

// Compares with the stored file; ZALVOR_ERWARTET_SCHREIBEN=1 writes it anew instead.
void mitErwartetVergleichen(const std::string& text, const std::string& pfad);

} // namespace zalvor::bank::test
