// What a folder holds, name by name with the bytes, to show that a reader wrote nothing.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zalvor::test {

using Ordnerbild = std::map<std::string, std::vector<std::uint8_t>>;

Ordnerbild ordnerbild(const std::string& ordner);

} // namespace zalvor::test
