// Message and payment information ids of a direct-debit file: unique through the creation
// time and the caller's file counter.
#pragma once

#include "core/sepa/lastschrift.h"

#include <string>

namespace zalvor::sepa {

// "ZALVOR-" + JJJJMMTThhmmss + "-" + the counter, at least four digits (taken modulo 10^8, so
// the id never exceeds 30 characters).
std::string nachrichtenId(const Zeitpunkt& erstellt, std::uint32_t zaehler);

// The message id + "-FRST" or "-RCUR": one block per sequence type in a file.
std::string zahlungsId(const std::string& nachrichtenId, Sequenz sequenz);

// "FRST" or "RCUR".
const char* sequenzCode(Sequenz sequenz);

} // namespace zalvor::sepa
