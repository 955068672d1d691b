// The system clock, in local time as the treasurer's calendar shows it.
#include "core/common/uhr.h"

#include <ctime>

namespace zalvor {

Datum SystemUhr::heute() const {
    std::time_t jetzt = std::time(nullptr);
    std::tm ortszeit{};
    localtime_r(&jetzt, &ortszeit);
    return Datum{ortszeit.tm_year + 1900, ortszeit.tm_mon + 1, ortszeit.tm_mday};
}

} // namespace zalvor
