// zalvor-cli comes as two programs: zalvor-cli without the printing library, which starts
// several times faster, and the full zalvor-cli-druck beside it, which the first hands the
// print commands and the help (listing every command) over to with the same arguments.
#pragma once

#include <string>

namespace zalvor::cli {

// Called first by main: the program without printing keeps the arguments and hands a
// request for help over at once; the full program does nothing here.
void druckprogrammVorbereiten(char** argv, const std::string& programmVerzeichnis);

} // namespace zalvor::cli
