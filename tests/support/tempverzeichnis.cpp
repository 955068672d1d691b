// Temporary folders and file helpers for tests.
#include "tempverzeichnis.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zalvor::test {

TempVerzeichnis::TempVerzeichnis() {
    std::string vorlage = (std::filesystem::temp_directory_path() / "zalvor-test-XXXXXX").string();
    if (::mkdtemp(vorlage.data()) == nullptr) throw std::runtime_error("mkdtemp");
    pfad_ = vorlage;
}

TempVerzeichnis::~TempVerzeichnis() {
    std::error_code ec;
    std::filesystem::remove_all(pfad_, ec);
}

std::vector<std::uint8_t> bytesLesen(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void bytesSchreiben(const std::string& pfad, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void textSchreiben(const std::string& pfad, const std::string& inhalt) {
    std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
    out << inhalt;
}

std::string textLesen(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace zalvor::test
