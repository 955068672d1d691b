// Qt's own file calls below one folder, counted and failed by the engine's fault hooks: this
// test program defines the C library entry points Qt calls, so that a QSettings write fails
// at a chosen step the way the engine's own writes do in a fault run.
#pragma once

#include <string>

namespace zalvor::test {

// Operations on paths below `ordner`, and on files opened there, go through the hooks from
// now on; an empty folder ends it.
void qtDateifehlerUnter(const std::string& ordner);

} // namespace zalvor::test
