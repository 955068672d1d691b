// Reading ZIP archives (stored and deflated members) without any library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zalvor::bank {

struct ZipEintrag {
    std::string name;
    std::string inhalt;
};

// True when the bytes begin like a ZIP archive.
bool istZip(std::string_view daten);

std::uint32_t crc32(std::string_view daten);

// The files of the archive in the order of its central directory (folders left out). Throws
// AuszugFehler naming the member for an encrypted or unsupported member, broken data, a
// wrong check sum, or more than `hoechstens` bytes expanded in all.
std::vector<ZipEintrag> zipLesen(std::string_view archiv, std::size_t hoechstens);

} // namespace zalvor::bank
