// The names in a folder, read once for as long as the folder stays unchanged.
#pragma once

#include <string>
#include <vector>

namespace zalvor {

// The entries of `ordner` ("" for the current folder) without "." and "..", in the order the
// file system gives them; empty when the folder cannot be read. An opening looks for several
// of a club's files regardless of letter case, and each look would otherwise read the whole
// folder again.
std::vector<std::string> ordnerNamen(const std::string& ordner);

} // namespace zalvor
