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

std::string tagMonatText(int tag, int monat) {
    const auto rechts2 = [](int wert) {
        std::string s = std::to_string(wert);
        return s.size() < 2 ? " " + s : s;
    };
    return rechts2(tag) + "." + rechts2(monat) + ".";
}

} // namespace zalvor
