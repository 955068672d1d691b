// The target/actual comparison of the plan values with the booked sums, as a report.
#pragma once

#include "core/common/raster.h"

#include <optional>
#include <string_view>

namespace zalvor {

class Person;
class Uhr;
struct Verein;

// Nothing (after "Sie haben noch keine Planvorgaben getätigt!") when no plan values are
// loaded. All type sums come from one pass over the booking file; groups roll up from them,
// a group met again on its own path counting zero with the roll-up's cycle message.
std::optional<Bericht> sollIstVergleich(const Verein& v, Person& person, const Uhr& uhr,
                                        std::string_view euroText);

} // namespace zalvor
