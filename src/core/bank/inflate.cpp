// A DEFLATE decoder after RFC 1951: stored, fixed and dynamic Huffman blocks, decoded with
// canonical code counts (one bit at a time; statements are small, clarity wins).
#include "core/bank/inflate.h"

#include "core/common/zeichensatz.h"

#include <array>
#include <cstdint>

namespace zalvor::bank {

namespace {

constexpr int kMaxBits = 15;

struct Huffman {
    std::array<std::uint16_t, kMaxBits + 1> anzahl{}; // codes of each length
    std::array<std::uint16_t, 288> symbole{};         // symbols ordered by code
};

class Entpacker {
  public:
    Entpacker(std::string_view daten, std::size_t hoechstens)
        : daten_(daten), hoechstens_(hoechstens) {}

    std::string lauf() {
        bool letzter = false;
        while (!letzter) {
            letzter = bits(1) == 1;
            switch (bits(2)) {
            case 0:
                gespeichert();
                break;
            case 1:
                festeCodes();
                break;
            case 2:
                dynamischeCodes();
                break;
            default:
                throw EntpackFehler(A("ungültiger Blocktyp in komprimierten Daten"));
            }
        }
        return std::move(aus_);
    }

  private:
    std::string_view daten_;
    std::size_t hoechstens_;
    std::size_t pos_ = 0;
    std::uint32_t puffer_ = 0;
    int pufferBits_ = 0;
    std::string aus_;

    int bits(int n) {
        while (pufferBits_ < n) {
            if (pos_ >= daten_.size()) throw EntpackFehler(A("komprimierte Daten enden zu früh"));
            puffer_ |= static_cast<std::uint32_t>(static_cast<unsigned char>(daten_[pos_++]))
                       << pufferBits_;
            pufferBits_ += 8;
        }
        const auto wert = static_cast<int>(puffer_ & ((1U << n) - 1));
        puffer_ >>= n;
        pufferBits_ -= n;
        return wert;
    }

    void platz(std::size_t n) {
        if (aus_.size() + n > hoechstens_)
            throw EntpackFehler(A("entpackte Daten größer als ") + std::to_string(hoechstens_) +
                                " Bytes");
    }

    void gespeichert() {
        puffer_ = 0;
        pufferBits_ = 0;
        if (daten_.size() - pos_ < 4) throw EntpackFehler(A("komprimierte Daten enden zu früh"));
        auto byte = [&](std::size_t k) {
            return static_cast<unsigned>(static_cast<unsigned char>(daten_[pos_ + k]));
        };
        const unsigned laenge = byte(0) | (byte(1) << 8);
        const unsigned gegen = byte(2) | (byte(3) << 8);
        pos_ += 4;
        if (laenge != (~gegen & 0xFFFFU))
            throw EntpackFehler(A("ungespeicherter Block mit falscher Länge"));
        if (daten_.size() - pos_ < laenge)
            throw EntpackFehler(A("komprimierte Daten enden zu früh"));
        platz(laenge);
        aus_.append(daten_.substr(pos_, laenge));
        pos_ += laenge;
    }

    // Builds the decoding table from code lengths; an over-full code is broken, an
    // incomplete one is allowed (RFC 1951 permits a single distance code).
    static Huffman bauen(const std::uint8_t* laengen, int n) {
        Huffman h;
        for (int s = 0; s < n; ++s)
            ++h.anzahl[laengen[s]];
        if (h.anzahl[0] == n) return h;
        int frei = 1;
        for (int l = 1; l <= kMaxBits; ++l) {
            frei = frei * 2 - h.anzahl[l];
            if (frei < 0) throw EntpackFehler(A("überbelegter Huffman-Code"));
        }
        std::array<std::uint16_t, kMaxBits + 1> start{};
        for (int l = 1; l < kMaxBits; ++l)
            start[l + 1] = static_cast<std::uint16_t>(start[l] + h.anzahl[l]);
        for (int s = 0; s < n; ++s)
            if (laengen[s] != 0) h.symbole[start[laengen[s]]++] = static_cast<std::uint16_t>(s);
        return h;
    }

    int decodieren(const Huffman& h) {
        int code = 0, erster = 0, index = 0;
        for (int l = 1; l <= kMaxBits; ++l) {
            code |= bits(1);
            const int anzahl = h.anzahl[l];
            if (code - anzahl < erster) return h.symbole[index + (code - erster)];
            index += anzahl;
            erster = (erster + anzahl) << 1;
            code <<= 1;
        }
        throw EntpackFehler(A("ungültiger Huffman-Code"));
    }

    void codes(const Huffman& zeichen, const Huffman& abstaende) {
        static constexpr std::array<std::uint16_t, 29> kLaengenBasis{
            3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        static constexpr std::array<std::uint8_t, 29> kLaengenExtra{
            0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
        static constexpr std::array<std::uint16_t, 30> kAbstandBasis{
            1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
            193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
        static constexpr std::array<std::uint8_t, 30> kAbstandExtra{
            0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
        for (;;) {
            const int s = decodieren(zeichen);
            if (s < 256) {
                platz(1);
                aus_ += static_cast<char>(s);
                continue;
            }
            if (s == 256) return;
            const int li = s - 257;
            if (li >= 29) throw EntpackFehler(A("ungültiger Längencode"));
            const std::size_t laenge =
                kLaengenBasis[li] + static_cast<std::size_t>(bits(kLaengenExtra[li]));
            const int ai = decodieren(abstaende);
            if (ai >= 30) throw EntpackFehler(A("ungültiger Abstandscode"));
            const std::size_t abstand =
                kAbstandBasis[ai] + static_cast<std::size_t>(bits(kAbstandExtra[ai]));
            if (abstand > aus_.size()) throw EntpackFehler("Abstand vor den Anfang der Daten");
            platz(laenge);
            const std::size_t von = aus_.size() - abstand;
            for (std::size_t k = 0; k < laenge; ++k)
                aus_ += aus_[von + k];
        }
    }

    void festeCodes() {
        static const std::array<Huffman, 2> kFest = [] {
            std::array<std::uint8_t, 288> l{};
            for (int s = 0; s < 288; ++s)
                l[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
            std::array<std::uint8_t, 30> a{};
            a.fill(5);
            return std::array<Huffman, 2>{bauen(l.data(), 288), bauen(a.data(), 30)};
        }();
        codes(kFest[0], kFest[1]);
    }

    void dynamischeCodes() {
        const int zeichenAnzahl = bits(5) + 257;
        const int abstandAnzahl = bits(5) + 1;
        const int laengenAnzahl = bits(4) + 4;
        if (zeichenAnzahl > 286 || abstandAnzahl > 30)
            throw EntpackFehler("zu viele Codes in einem Block");
        static constexpr std::array<std::uint8_t, 19> kReihenfolge{
            16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
        std::array<std::uint8_t, 19> laengenLaengen{};
        for (int k = 0; k < laengenAnzahl; ++k)
            laengenLaengen[kReihenfolge[k]] = static_cast<std::uint8_t>(bits(3));
        const Huffman laengenCode = bauen(laengenLaengen.data(), 19);

        std::array<std::uint8_t, 286 + 30> laengen{};
        const int gesamt = zeichenAnzahl + abstandAnzahl;
        int k = 0;
        while (k < gesamt) {
            const int s = decodieren(laengenCode);
            if (s < 16) {
                laengen[k++] = static_cast<std::uint8_t>(s);
                continue;
            }
            std::uint8_t wert = 0;
            int wiederholung = 0;
            if (s == 16) {
                if (k == 0) throw EntpackFehler(A("Wiederholung ohne vorige Länge"));
                wert = laengen[k - 1];
                wiederholung = 3 + bits(2);
            } else if (s == 17) {
                wiederholung = 3 + bits(3);
            } else {
                wiederholung = 11 + bits(7);
            }
            if (k + wiederholung > gesamt) throw EntpackFehler(A("zu viele Codelängen"));
            while (wiederholung-- > 0)
                laengen[k++] = wert;
        }
        if (laengen[256] == 0) throw EntpackFehler("Block ohne Endecode");
        const Huffman zeichen = bauen(laengen.data(), zeichenAnzahl);
        const Huffman abstaende = bauen(laengen.data() + zeichenAnzahl, abstandAnzahl);
        codes(zeichen, abstaende);
    }
};

} // namespace

std::string inflate(std::string_view daten, std::size_t hoechstens) {
    return Entpacker(daten, hoechstens).lauf();
}

} // namespace zalvor::bank
