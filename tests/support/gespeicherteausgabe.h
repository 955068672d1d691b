// Comparing an output with a stored one (a golden file). With ZALVOR_GOLDEN_UPDATE=1 in the
// environment the output is written over the stored file instead and the comparison passes,
// so that an intended change of an output is taken over by running the tests once.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace zalvor::test {

// Passes when the file at `pfad` holds exactly `ist`; a failure names the first line that
// differs and the switch that takes the output over.
::testing::AssertionResult wieGespeichert(const std::string& ist, const std::string& pfad);

} // namespace zalvor::test
