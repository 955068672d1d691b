// The schema of the club database as a list of migrations: migration i brings version i to
// version i + 1, so version 0 (an empty database) reaches the current one by running all.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace zalvor {

// SQL text of the program (never a value from outside). It ends by setting
// `PRAGMA user_version` to its target version and must leave every foreign key intact.
struct Migration {
    std::string_view sql;
};

using Schema = std::span<const Migration>;

// Marks the file as the club database of this program (PRAGMA application_id, "ZLVD").
inline constexpr std::int32_t kAnwendungsKennung = 0x5A4C5644;

// The schema this program writes and reads.
Schema vereinsschema();

} // namespace zalvor
