// The order in which a list walks the booking file: an index file or the file itself.
#pragma once

#include "core/files/buchung.h"

#include <cstdint>
#include <vector>

namespace zalvor {

class Person;
struct Verein;

// The records of the active booking file, read in one pass, and the order to walk them.
struct Listenfolge {
    std::vector<TBuchung> saetze;
    std::vector<std::uint32_t> reihenfolge;
    bool beschaedigt = false; // the index was damaged and file order is used instead
};

// The records in the order of an index's entries. A damaged index (entry count differs from
// the record count, an entry past the end, a record listed twice, with `eaGeteilt` an expense
// after an income) gives file order instead, with `eaGeteilt` all expenses first.
Listenfolge folgeNachIndex(std::vector<TBuchung> saetze, const std::vector<std::uint16_t>& index,
                           bool eaGeteilt);

// Plain lists (simple list): the plain index of the current sort order, none for
// "Buchungs&Nummer". A damaged index (entry count differs from the record count, an entry
// past the end, a record listed twice) is reported and the sort order goes back to
// "Buchungs&Nummer" for good; the list then follows the file.
Listenfolge einfacheFolge(Verein& v, Person& person);

// Lists with expenses before incomes (E/A and account lists): the index of the current sort
// order. A damaged index (as above, or an expense after an income) is reported and the
// list follows the file, all expenses first, then all incomes, each part in file order.
Listenfolge eaFolge(const Verein& v, Person& person);

} // namespace zalvor
