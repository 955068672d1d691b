// How an operation ended. Front ends turn it into their message and exit status; no front
// end works it out from the texts the person was shown.
#pragma once

namespace zalvor {

// In rising order of weight: an operation that met several ends reports the heaviest.
enum class Ausgang {
    Erledigt,    // done
    Abgebrochen, // the person cancelled or declined at a question
    Abgelehnt,   // refused by a check, or a change that could not be stored
    EAFehler     // an input/output failure after which the program goes on
};

constexpr Ausgang schwerer(Ausgang a, Ausgang b) {
    return static_cast<int>(a) >= static_cast<int>(b) ? a : b;
}

} // namespace zalvor
