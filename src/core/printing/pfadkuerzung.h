// Titles and cells that name a file fit their space: the path is shortened in its middle.
#pragma once

#include "core/printing/druckseite.h"

#include <string>

namespace zalvor {

// `text` as it fits `breite` in font `s`. The path in it (the first one after "Datei: ", else
// the first) loses whole folders from its middle first, each gap shown as one "…"; the start
// of the path, its file name with the year, and all text before and after the path stay.
// Only when that is not enough are characters cut before the file name, and last from the
// file name's start.
std::string pfadKuerzen(const std::string& text, int breite, Messung& m, const Schriftwahl& s);

} // namespace zalvor
