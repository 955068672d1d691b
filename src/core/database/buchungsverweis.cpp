// Finding the booking of a link: exact bytes first, then the fields a change keeps. One pass
// over the records per kind; the links wait in queues by key, so that a year of bookings is
// searched once whatever the number of links.
#include "core/database/buchungsverweis.h"

#include <algorithm>
#include <unordered_map>

namespace zalvor {

namespace {

// Booking number, day, month, amount, direction, accounts, text: each text as its length and
// its characters (bytes after the length are ignored), padded with zeros.
constexpr std::size_t kFesteGroesse = 5 + 2 + 6 + 3 + 31;
using Genau = std::array<std::uint8_t, TBuchung::kGroesse>;
using Fest = std::array<std::uint8_t, kFesteGroesse>;

template <std::size_t N>
std::size_t textAnhaengen(std::uint8_t* ziel, const TextFeld<N>& t) {
    ziel[0] = static_cast<std::uint8_t>(t.laenge());
    std::copy_n(t.roh.begin() + 1, t.laenge(), ziel + 1);
    return N + 1;
}

// The fields of a booking that a change of voucher, type or payee leaves alone.
Fest festeFelder(const TBuchung& b) {
    Fest f{};
    std::size_t i = textAnhaengen(f.data(), b.bunr);
    f[i++] = b.tag;
    f[i++] = b.monat;
    std::copy_n(b.betrag.bytes.begin(), b.betrag.bytes.size(), f.data() + i);
    i += b.betrag.bytes.size();
    f[i++] = b.istEinnahme() ? 1 : 0;
    f[i++] = b.kontoVon;
    f[i++] = b.kontoNach;
    textAnhaengen(f.data() + i, b.text);
    return f;
}

struct Streuung {
    template <std::size_t N>
    std::size_t operator()(const std::array<std::uint8_t, N>& a) const {
        std::uint64_t h = 14695981039346656037ull;
        for (std::uint8_t c : a)
            h = (h ^ c) * 1099511628211ull;
        return static_cast<std::size_t>(h);
    }
};

// The links waiting for a record with their key. They are filed last link first, so that
// the back of each list is the earliest.
template <typename Schluessel>
class Warteschlangen {
  public:
    void anstellen(const Schluessel& k, std::size_t verweis) {
        warten_[k].push_back(verweis);
        ++anzahl_;
    }
    bool leer() const { return anzahl_ == 0; }
    std::optional<std::size_t> naechster(const Schluessel& k) {
        const auto it = warten_.find(k);
        if (it == warten_.end() || it->second.empty()) return std::nullopt;
        const std::size_t verweis = it->second.back();
        it->second.pop_back();
        --anzahl_;
        return verweis;
    }

  private:
    std::unordered_map<Schluessel, std::vector<std::size_t>, Streuung> warten_;
    std::size_t anzahl_ = 0;
};

} // namespace

Buchungsverweis buchungsverweis(std::string jahr, const TBuchung& b) {
    return {std::move(jahr), b.packen()};
}

std::vector<std::optional<std::size_t>> verweiseFinden(std::span<const Buchungsverweis> verweise,
                                                       const std::string& jahr,
                                                       std::span<const TBuchung> saetze) {
    std::vector<std::optional<std::size_t>> treffer(verweise.size());
    std::vector<bool> vergeben(saetze.size());
    Warteschlangen<Genau> genau;
    for (std::size_t i = verweise.size(); i-- > 0;)
        if (verweise[i].jahr == jahr) genau.anstellen(verweise[i].satz, i);
    for (std::size_t r = 0; r < saetze.size() && !genau.leer(); ++r) {
        if (saetze[r].geloescht()) continue;
        if (const auto i = genau.naechster(saetze[r].packen())) {
            treffer[*i] = r;
            vergeben[r] = true;
        }
    }
    Warteschlangen<Fest> fest;
    for (std::size_t i = verweise.size(); i-- > 0;)
        if (verweise[i].jahr == jahr && !treffer[i])
            fest.anstellen(festeFelder(TBuchung::entpacken(verweise[i].satz.data())), i);
    for (std::size_t r = 0; r < saetze.size() && !fest.leer(); ++r) {
        if (saetze[r].geloescht() || vergeben[r]) continue;
        if (const auto i = fest.naechster(festeFelder(saetze[r]))) treffer[*i] = r;
    }
    return treffer;
}

} // namespace zalvor
