// SQLite's file layer wrapped so that every open, read, write, truncate, sync, delete and
// lock of a database counts as a file operation of the engine: the test hooks of
// core/common/dateisystem.h can make any of them fail, exactly like the engine's own steps.
#pragma once

namespace zalvor {

// The name of the wrapping file layer, registered on first use (not as SQLite's default).
const char* zaehlVfsName();

} // namespace zalvor
