// Fixed-size text field of a record: a length byte and room for N bytes.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zalvor {

// Bytes after the length are kept as they were read and written back unchanged; a new
// text overwrites only its own bytes, as the stored files expect.
template <std::size_t N>
struct TextFeld {
    std::array<std::uint8_t, N + 1> roh{};

    static constexpr std::size_t kMax = N;
    static constexpr std::size_t kGroesse = N + 1;

    std::string text() const {
        std::size_t laenge = std::min<std::size_t>(roh[0], N);
        return std::string(reinterpret_cast<const char*>(roh.data() + 1), laenge);
    }
    void setze(std::string_view t) {
        std::size_t laenge = std::min(t.size(), N);
        roh[0] = static_cast<std::uint8_t>(laenge);
        std::copy_n(t.begin(), laenge, roh.begin() + 1);
    }
    std::size_t laenge() const { return std::min<std::size_t>(roh[0], N); }

    void lesen(const std::uint8_t* quelle) { std::copy_n(quelle, N + 1, roh.begin()); }
    void schreiben(std::uint8_t* ziel) const { std::copy_n(roh.begin(), N + 1, ziel); }

    friend bool operator==(const TextFeld&, const TextFeld&) = default;
};

} // namespace zalvor
