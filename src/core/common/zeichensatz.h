// Character sets: DOS form <-> Windows form of stored texts, and Windows-1252 <-> UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace zalvor {

// Byte-wise conversion of the fifteen characters that the DOS form stores differently.
std::string OemNachAnsi(std::string_view dos);
std::string AnsiNachOem(std::string_view windows);

// Windows-1252 bytes to UTF-8 and back; the boundary where text meets a person.
// Characters that Windows-1252 cannot hold become "?".
std::string ansiNachUtf8(std::string_view windows);
std::string utf8NachAnsi(std::string_view utf8);

// A text literal of the program (UTF-8 in the source) in the engine's Windows form.
inline std::string A(std::string_view utf8) { return utf8NachAnsi(utf8); }

} // namespace zalvor
