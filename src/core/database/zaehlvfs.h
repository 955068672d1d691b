// SQLite's file layer wrapped so that every open, read, write, truncate, sync, delete and
// lock of a database counts as a file operation of the engine: the test hooks of
// core/common/dateisystem.h can make any of them fail, exactly like the engine's own steps.
#pragma once

namespace zalvor {

// The name of the wrapping file layer, registered on first use (not as SQLite's default).
const char* zaehlVfsName();

// The system's error number of the first file step that failed since the last
// `fehlernummerVergessen` (0: none). SQLite keeps one itself only for some failures, and
// only after its own clean-up, whose steps may have failed for other reasons.
int ersteFehlernummer();
void fehlernummerVergessen();

} // namespace zalvor
