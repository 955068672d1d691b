// The zalvor-cli front door: global options, dispatch, the error boundary.
#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <vector>

namespace zalvor::cli {

// Runs one command line (without the program name). `programmVerzeichnis` is where
// "EUROSYMB" lives. Returns the exit status.
int ausfuehren(const std::vector<std::string>& argumente, std::ostream& out, std::ostream& err,
               const std::string& programmVerzeichnis);

// The items of --antworten: separated by commas; "\\," is a comma and "\\\\" a backslash
// inside an item; an empty list has no item.
std::deque<std::string> antwortListe(const std::string& liste);

} // namespace zalvor::cli
