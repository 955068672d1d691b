// Texts of the main window's status bar.
#pragma once

#include <array>
#include <string>

namespace zalvor {

struct Verein;

inline const std::string kStatusOhneDatei = "\xD6"
                                            "ffnen Sie eine Datei oder erstellen Sie eine neue...";

// Four panels while a file is open: plan values, templates, code word, record count.
std::array<std::string, 4> statuszeilenTexte(const Verein& v);

} // namespace zalvor
