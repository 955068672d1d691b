// The content of a database as text, to compare two states of it regardless of how SQLite
// laid out its pages: header values, the schema, and every table's rows in key order.
#pragma once

#include <string>
#include <vector>

namespace zalvor {

// One line per item. A missing file and SQLite's empty database (nothing in it yet) both
// give no line. Opening rolls back a journal left beside the file, as the program's next
// opening would; so the content is what the program would find.
std::vector<std::string> datenbankInhalt(const std::string& pfad);

} // namespace zalvor
