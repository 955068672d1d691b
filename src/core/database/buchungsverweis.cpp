// Finding the booking of a link: exact bytes first, then the fields a change keeps.
#include "core/database/buchungsverweis.h"

#include <string_view>
#include <unordered_map>

namespace zalvor {

namespace {

std::string bytes(const TBuchung& b) {
    const auto roh = b.packen();
    return std::string(roh.begin(), roh.end());
}

// The fields of a booking that a change through the booking dialog or the voucher, type
// and payee leave alone; text bytes after the length are ignored.
std::string festeFelder(const TBuchung& b) {
    const std::string bunr = b.bunr.text();
    std::string s(1, static_cast<char>(bunr.size()));
    s += bunr;
    s += static_cast<char>(b.tag);
    s += static_cast<char>(b.monat);
    s.append(b.betrag.bytes.begin(), b.betrag.bytes.end());
    s += static_cast<char>(b.istEinnahme() ? 1 : 0);
    s += static_cast<char>(b.kontoVon);
    s += static_cast<char>(b.kontoNach);
    s += b.text.text();
    return s;
}

// Record numbers by key, each handed out once, in file order.
class Vorrat {
  public:
    Vorrat(std::span<const TBuchung> saetze, std::string (*schluessel)(const TBuchung&)) {
        for (std::size_t i = saetze.size(); i-- > 0;)
            if (!saetze[i].geloescht()) stapel_[schluessel(saetze[i])].push_back(i);
    }
    std::optional<std::size_t> nehmen(const std::string& schluessel, std::vector<bool>& vergeben) {
        auto it = stapel_.find(schluessel);
        if (it == stapel_.end()) return std::nullopt;
        auto& s = it->second;
        while (!s.empty() && vergeben[s.back()])
            s.pop_back();
        if (s.empty()) return std::nullopt;
        const std::size_t nr = s.back();
        s.pop_back();
        vergeben[nr] = true;
        return nr;
    }

  private:
    std::unordered_map<std::string, std::vector<std::size_t>> stapel_;
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
    std::vector<TBuchung> gesucht;
    gesucht.reserve(verweise.size());
    for (const auto& v : verweise)
        gesucht.push_back(TBuchung::entpacken(v.satz.data()));
    Vorrat genau(saetze, bytes);
    for (std::size_t i = 0; i < verweise.size(); ++i)
        if (verweise[i].jahr == jahr) treffer[i] = genau.nehmen(bytes(gesucht[i]), vergeben);
    std::optional<Vorrat> fest; // built only when an exact match is missing
    for (std::size_t i = 0; i < verweise.size(); ++i) {
        if (verweise[i].jahr != jahr || treffer[i]) continue;
        if (!fest) fest.emplace(saetze, festeFelder);
        treffer[i] = fest->nehmen(festeFelder(gesucht[i]), vergeben);
    }
    return treffer;
}

} // namespace zalvor
