// A temporary folder for one test, removed afterwards; small file helpers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zalvor::test {

class TempVerzeichnis {
public:
    TempVerzeichnis();
    ~TempVerzeichnis();
    TempVerzeichnis(const TempVerzeichnis&) = delete;
    TempVerzeichnis& operator=(const TempVerzeichnis&) = delete;
    const std::string& pfad() const { return pfad_; }
    std::string datei(const std::string& name) const { return pfad_ + "/" + name; }

private:
    std::string pfad_;
};

std::vector<std::uint8_t> bytesLesen(const std::string& pfad);
void bytesSchreiben(const std::string& pfad, const std::vector<std::uint8_t>& bytes);
void textSchreiben(const std::string& pfad, const std::string& inhalt);
std::string textLesen(const std::string& pfad);

} // namespace zalvor::test
