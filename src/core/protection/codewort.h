// The code word's stored form: each character shifted by an amount that depends on its
// position and on the length of the word. It only keeps the word from being read at a glance;
// it is no encryption.
#pragma once

#include <string>

namespace zalvor {

// The stored form of a code word as typed (Windows form), byte values modulo 256.
std::string codewortKodieren(const std::string& klartext);
// The code word of a stored line.
std::string codewortDekodieren(const std::string& gespeichert);
// Whether a stored form can be written as one text line (it holds no CR and no LF byte).
bool alsZeileSpeicherbar(const std::string& gespeichert);

} // namespace zalvor
