// The one check of the fuzz targets, apart from the session helpers: a target that reads
// engine values only includes this.
#pragma once

namespace zalvor::fuzz {

// Ends the process when a property of a reading does not hold (a finding like a crash).
void verlangen(bool bedingung, const char* was);

} // namespace zalvor::fuzz
