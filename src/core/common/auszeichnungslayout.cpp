// Markup translation and line breaking of the markup label, free of any window system.
#include "core/common/auszeichnungslayout.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zalvor::xa {

namespace {

// Switches after translation. The set-aside pairs of backslashes use their own mark so that
// they take part in no rule until they are restored.
constexpr char32_t kFettAn = 0xE000;
constexpr char32_t kFettAus = 0xE001;
constexpr char32_t kKursivAn = 0xE002;
constexpr char32_t kKursivAus = 0xE003;
constexpr char32_t kUnterAn = 0xE004;
constexpr char32_t kUnterAus = 0xE005;
constexpr char32_t kStilZurueck = 0xE006;
constexpr char32_t kFarbeZurueck = 0xE007;
constexpr char32_t kFarbe0 = 0xE008;
constexpr char32_t kDoppelRueckstrich = 0xE0FF;

struct Farbname {
    std::u32string_view name;
    std::uint32_t rgb;
};

constexpr std::array<Farbname, 18> kFarben = {{
    {U"Black", 0x000000},
    {U"Maroon", 0x800000},
    {U"Green", 0x008000},
    {U"Olive", 0x808000},
    {U"Navy", 0x000080},
    {U"Purple", 0x800080},
    {U"Teal", 0x008080},
    {U"Gray", 0x808080},
    {U"Silver", 0xC0C0C0},
    {U"Red", 0xFF0000},
    {U"Lime", 0x00FF00},
    {U"Yellow", 0xFFFF00},
    {U"Blue", 0x0000FF},
    {U"Fuchsia", 0xFF00FF},
    {U"Aqua", 0x00FFFF},
    {U"LtGray", 0xC0C0C0},
    {U"DkGray", 0x808080},
    {U"White", 0xFFFFFF},
}};

char32_t klein(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

bool gleichOhneFall(std::u32string_view text, std::size_t ab, std::u32string_view muster) {
    if (text.size() - ab < muster.size()) return false;
    for (std::size_t i = 0; i < muster.size(); ++i)
        if (klein(text[ab + i]) != klein(muster[i])) return false;
    return true;
}

// Step 2: style switches in their exact case.
std::u32string stilSchalter(const std::u32string& t) {
    std::u32string aus;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == U'\\' && i + 1 < t.size()) {
            char32_t ersatz = 0;
            switch (t[i + 1]) {
            case U'B':
                ersatz = kFettAn;
                break;
            case U'b':
                ersatz = kFettAus;
                break;
            case U'I':
                ersatz = kKursivAn;
                break;
            case U'i':
                ersatz = kKursivAus;
                break;
            case U'U':
                ersatz = kUnterAn;
                break;
            case U'u':
                ersatz = kUnterAus;
                break;
            default:
                break;
            }
            if (ersatz) {
                aus.push_back(ersatz);
                ++i;
                continue;
            }
        }
        aus.push_back(t[i]);
    }
    return aus;
}

// Step 3: reset and colour switches in any case; the longest name wins ("\cNavy" is navy,
// not a colour reset followed by "avy").
std::u32string farbSchalter(const std::u32string& t) {
    std::u32string aus;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == U'\\') {
            char32_t ersatz = 0;
            std::size_t laenge = 0;
            for (std::size_t f = 0; f < kFarben.size(); ++f) {
                const auto& name = kFarben[f].name;
                if (gleichOhneFall(t, i + 1, U"c") && gleichOhneFall(t, i + 2, name) &&
                    name.size() + 1 > laenge) {
                    laenge = name.size() + 1;
                    ersatz = kFarbe0 + static_cast<char32_t>(f);
                }
            }
            if (!ersatz && gleichOhneFall(t, i + 1, U"cN")) {
                ersatz = kFarbeZurueck;
                laenge = 2;
            }
            if (!ersatz && gleichOhneFall(t, i + 1, U"N")) {
                ersatz = kStilZurueck;
                laenge = 1;
            }
            if (ersatz) {
                aus.push_back(ersatz);
                i += laenge;
                continue;
            }
        }
        aus.push_back(t[i]);
    }
    return aus;
}

// Step 4: CR LF, LF CR, a lone CR and "\lb" become one line break.
std::u32string zeilenenden(const std::u32string& t) {
    std::u32string aus;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char32_t c = t[i];
        const char32_t n = i + 1 < t.size() ? t[i + 1] : 0;
        if ((c == U'\r' && n == U'\n') || (c == U'\n' && n == U'\r')) {
            aus.push_back(U'\n');
            ++i;
        } else if (c == U'\r') {
            aus.push_back(U'\n');
        } else if (c == U'\\' && gleichOhneFall(t, i + 1, U"lb")) {
            aus.push_back(U'\n');
            i += 2;
        } else {
            aus.push_back(c);
        }
    }
    return aus;
}

struct Zustand {
    Stil stil;
    std::optional<std::uint32_t> farbe;
};

void anwenden(char32_t s, Zustand& z, const Stil& grund) {
    switch (s) {
    case kFettAn:
        z.stil.fett = true;
        break;
    case kFettAus:
        z.stil.fett = false;
        break;
    case kKursivAn:
        z.stil.kursiv = true;
        break;
    case kKursivAus:
        z.stil.kursiv = false;
        break;
    case kUnterAn:
        z.stil.unterstrichen = true;
        break;
    case kUnterAus:
        z.stil.unterstrichen = false;
        break;
    case kStilZurueck:
        z.stil = grund;
        break;
    case kFarbeZurueck:
        z.farbe.reset();
        break;
    default:
        if (s >= kFarbe0 && s < kFarbe0 + kFarben.size()) z.farbe = kFarben[s - kFarbe0].rgb;
        break;
    }
}

// The pieces of a line between switches; `z` goes on to the state after the line.
std::vector<Stueck> stuecke(std::u32string_view zeile, Zustand& z, const Stil& grund,
                            const Messen& messen, int& breite) {
    std::vector<Stueck> aus;
    std::u32string text;
    breite = 0;
    auto abschliessen = [&] {
        if (text.empty()) return;
        Stueck s{text, z.stil, z.farbe, breite, messen(text, z.stil)};
        breite += s.breite;
        aus.push_back(std::move(s));
        text.clear();
    };
    for (char32_t c : zeile) {
        if (istSchalter(c)) {
            abschliessen();
            anwenden(c, z, grund);
        } else {
            text.push_back(c);
        }
    }
    abschliessen();
    return aus;
}

// Width of a line as it will stand: a closing blank or line break is not counted.
int zeilenbreite(std::u32string_view zeile, Zustand z, const Stil& grund, const Messen& messen) {
    if (!zeile.empty() && (zeile.back() == U' ' || zeile.back() == U'\n')) zeile.remove_suffix(1);
    int breite = 0;
    stuecke(zeile, z, grund, messen, breite);
    return breite;
}

std::size_t wortlaenge(std::u32string_view rest) {
    const std::size_t ende = rest.find_first_of(U" \n");
    return ende == std::u32string_view::npos ? rest.size() : ende + 1;
}

bool hatSichtbares(std::u32string_view t) {
    return std::any_of(t.begin(), t.end(), [](char32_t c) { return !istSchalter(c); });
}

} // namespace

bool istSchalter(char32_t c) {
    return c >= kFettAn && c < kFarbe0 + kFarben.size();
}

std::u32string uebersetzen(const std::u32string& text) {
    std::u32string t;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\\' && i + 1 < text.size() && text[i + 1] == U'\\') {
            t.push_back(kDoppelRueckstrich);
            ++i;
        } else {
            t.push_back(text[i]);
        }
    }
    t = zeilenenden(farbSchalter(stilSchalter(t)));
    std::replace(t.begin(), t.end(), kDoppelRueckstrich, U'\\');
    return t;
}

Satz umbrechen(const std::u32string& uebersetzt, int breite, int zeilenhoehe, Horz horz,
               const Stil& grundstil, const Messen& messen) {
    Satz satz;
    Zustand zustand{grundstil, std::nullopt};
    std::u32string_view rest = uebersetzt;
    int y = 0;
    while (!rest.empty()) {
        std::size_t laenge = wortlaenge(rest);
        if (zeilenbreite(rest.substr(0, laenge), zustand, grundstil, messen) > breite) {
            // A word wider than the line: give characters back from its end until it fits.
            std::size_t k = laenge;
            while (k > 0 && zeilenbreite(rest.substr(0, k), zustand, grundstil, messen) > breite)
                --k;
            if (k > 0 && hatSichtbares(rest.substr(0, k))) laenge = k;
        } else {
            while (rest[laenge - 1] != U'\n' && laenge < rest.size()) {
                const std::size_t naechstes = wortlaenge(rest.substr(laenge));
                if (zeilenbreite(rest.substr(0, laenge + naechstes), zustand, grundstil, messen) >
                    breite)
                    break;
                laenge += naechstes;
            }
        }
        std::u32string_view zeile = rest.substr(0, laenge);
        rest.remove_prefix(laenge);
        if (zeile.back() == U' ' || zeile.back() == U'\n') zeile.remove_suffix(1);

        Zeile z;
        z.stuecke = stuecke(zeile, zustand, grundstil, messen, z.breite);
        switch (horz) {
        case Horz::Links:
            z.x = 0;
            break;
        case Horz::Rechts:
            z.x = breite - z.breite;
            break;
        case Horz::Mitte:
            z.x = breite / 2 - z.breite / 2;
            break;
        }
        z.y = y;
        y += zeilenhoehe;
        satz.breite = std::max(satz.breite, z.breite);
        satz.zeilen.push_back(std::move(z));
    }
    satz.hoehe = y;
    return satz;
}

Satz anordnen(const std::u32string& text, int clientBreite, int clientHoehe, Horz horz, Vert vert,
              int zeilenhoehe, const Stil& grundstil, const Messen& messen) {
    const std::u32string t = uebersetzen(text);
    const Satz probe = umbrechen(t, clientBreite, zeilenhoehe, horz, grundstil, messen);
    int bx = 0;
    int by = 0;
    switch (horz) {
    case Horz::Links:
        bx = 0;
        break;
    case Horz::Rechts:
        bx = clientBreite - probe.breite;
        break;
    case Horz::Mitte:
        bx = clientBreite / 2 - probe.breite / 2;
        break;
    }
    switch (vert) {
    case Vert::Oben:
        by = 0;
        break;
    case Vert::Unten:
        by = clientHoehe - probe.hoehe;
        break;
    case Vert::Mitte:
        by = clientHoehe / 2 - probe.hoehe / 2;
        break;
    }
    Satz satz = umbrechen(t, probe.breite, zeilenhoehe, horz, grundstil, messen);
    for (auto& z : satz.zeilen) {
        z.x += bx;
        z.y += by;
    }
    return satz;
}

} // namespace zalvor::xa
