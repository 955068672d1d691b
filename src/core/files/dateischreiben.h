// Whole-file rewrites of the club's files: each is written beside the old one under the file
// set's temporary name, made durable and renamed over it.
#pragma once

#include "core/common/dateisystem.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zalvor {

// Writes the content to a temporary file beside `pfad` and syncs it; `umschalten` then
// replaces the file. A symbolic link keeps pointing at the new content: its target is
// rewritten.
Ersetzung ersetzungVorbereiten(const std::string& pfad, std::span<const std::uint8_t> inhalt);
// Both steps at once.
void dateiErsetzen(const std::string& pfad, const std::vector<std::uint8_t>& inhalt);
// The same with the lines of a text file, each ended by CR LF.
void textdateiSchreiben(const std::string& pfad, const std::vector<std::string>& zeilen);
// Replaces `nach` by a second name of `von` (same content), or by a copy where the file
// system has no hard links. `von` stays as it is.
void sicherungAnlegen(const std::string& von, const std::string& nach);

} // namespace zalvor
