// Reading the rules file: one statement a line, "#" starts a comment line.
#include "core/bank/regeln.h"

#include "core/common/zeichensatz.h"

#include "core/bank/bankwerte.h"

#include <charconv>

namespace zalvor::bank {

namespace {

constexpr std::size_t kHoechstMuster = 500;

const std::map<std::string, CsvFeld>& feldnamen() {
    static const std::map<std::string, CsvFeld> kNamen{
        {"datum", CsvFeld::Datum},      {"valuta", CsvFeld::Valuta},
        {"betrag", CsvFeld::Betrag},    {"haben", CsvFeld::Haben},
        {"soll", CsvFeld::Soll},        {"richtung", CsvFeld::Richtung},
        {"name", CsvFeld::Name},        {"iban", CsvFeld::Iban},
        {"bic", CsvFeld::Bic},          {"text", CsvFeld::Text},
        {"info", CsvFeld::Info},        {"referenz", CsvFeld::Referenz},
        {"waehrung", CsvFeld::Waehrung}};
    return kNamen;
}

std::string klein(std::string_view s) {
    std::string aus(s);
    for (char& c : aus)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return kleinUmlaute(aus);
}

// A keyword may be written with umlauts ("währung", "überspringen"): compared as "ae", "ue".
std::string stichwort(std::string_view s) {
    std::string aus = klein(s);
    for (const auto& [umlaut, ersatz] :
         {std::pair{"\xC3\xA4", "ae"}, std::pair{"\xC3\xB6", "oe"}, std::pair{"\xC3\xBC", "ue"}})
        for (std::size_t p = aus.find(umlaut); p != std::string::npos; p = aus.find(umlaut, p))
            aus.replace(p, 2, ersatz);
    return aus;
}

std::optional<int> zahl(std::string_view s) {
    int wert = 0;
    const auto [ende, ec] = std::from_chars(s.data(), s.data() + s.size(), wert);
    if (ec != std::errc() || ende != s.data() + s.size()) return std::nullopt;
    return wert;
}

// The pattern in small letters, searched in a text in small letters: several times faster
// than the engine's own case folding. A letter after a backslash keeps its case (\D, \W).
std::string musterKlein(const std::string& muster) {
    std::string aus = kleinUmlaute(muster);
    for (std::size_t i = 0; i < aus.size(); ++i) {
        if (aus[i] == '\\') {
            ++i;
            continue;
        }
        if (aus[i] >= 'A' && aus[i] <= 'Z') aus[i] = static_cast<char>(aus[i] - 'A' + 'a');
    }
    return aus;
}

class RegelLeser {
  public:
    explicit RegelLeser(std::string datei) : datei_(std::move(datei)) {}

    RegelnGelesen lesen(std::string_view text) {
        if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        const std::string utf8 = alsUtf8(text);
        int nummer = 0;
        std::size_t anfang = 0;
        while (anfang <= utf8.size()) {
            std::size_t ende = utf8.find('\n', anfang);
            if (ende == std::string::npos) ende = utf8.size();
            ++nummer;
            zeile(leerraumBereinigen(std::string_view(utf8).substr(anfang, ende - anfang)), nummer);
            anfang = ende + 1;
        }
        if (aus_.regeln.csv) csvPruefen();
        return std::move(aus_);
    }

  private:
    std::string datei_;
    RegelnGelesen aus_;
    int csvZeile_ = 0;

    void fehler(int zeile, const std::string& text) {
        aus_.fehler.push_back({Fundstelle{datei_, zeile, {}}, text});
    }
    CsvBeschreibung& csv(int zeile) {
        if (!aus_.regeln.csv) {
            aus_.regeln.csv.emplace();
            csvZeile_ = zeile;
        }
        return *aus_.regeln.csv;
    }

    void zeile(const std::string& z, int nummer) {
        if (z.empty() || z.front() == '#') return;
        if (const std::size_t pfeil = z.rfind("=>"); pfeil != std::string::npos) {
            regel(z.substr(0, pfeil), z.substr(pfeil + 2), nummer);
            return;
        }
        const std::size_t luecke = z.find(' ');
        const std::string wort = stichwort(z.substr(0, luecke));
        const std::string wert = luecke == std::string::npos ? "" : z.substr(luecke + 1);
        angabe(wort, wert, nummer);
    }

    void regel(std::string muster, const std::string& ziel, int nummer) {
        muster = leerraumBereinigen(muster);
        std::string typ = leerraumBereinigen(ziel);
        Zuordnungsregel r;
        r.zeile = nummer;
        r.muster = muster;
        if (!typ.empty() && (typ[0] == 'E' || typ[0] == 'e' || typ[0] == 'A' || typ[0] == 'a')) {
            r.seite = (typ[0] == 'E' || typ[0] == 'e') ? Seite::Einnahme : Seite::Ausgabe;
            typ = leerraumBereinigen(typ.substr(1));
        }
        const auto n = zahl(typ);
        if (muster.empty()) return fehler(nummer, "Regel ohne Muster");
        if (!n || *n < 0 || *n > kTypen)
            return fehler(nummer, "Typ " + zitat(leerraumBereinigen(ziel)) +
                                      " ist keine Typnummer 0 bis 50");
        if (muster.size() > kHoechstMuster) return fehler(nummer, "Muster zu lang");
        r.typ = *n;
        try {
            r.ausdruck =
                std::regex(musterKlein(muster), std::regex::ECMAScript | std::regex::nosubs);
        } catch (const std::regex_error&) {
            return fehler(nummer, A("ungültiges Muster ") + zitat(muster));
        }
        aus_.regeln.regeln.push_back(std::move(r));
    }

    void angabe(const std::string& wort, const std::string& wert, int nummer) {
        if (wort == "trennzeichen") {
            const std::string w = klein(wert);
            char t = 0;
            if (w == "tab" || w == "tabulator")
                t = '\t';
            else if (w == "semikolon")
                t = ';';
            else if (w == "komma")
                t = ',';
            else if (wert.size() == 1 && wert != "\"")
                t = wert[0];
            if (t == 0) return fehler(nummer, "Trennzeichen " + zitat(wert) + A(" ungültig"));
            csv(nummer).trenner = t;
        } else if (wort == "dezimalzeichen") {
            if (wert != "," && wert != ".")
                return fehler(nummer, "Dezimalzeichen muss \",\" oder \".\" sein");
            csv(nummer).dezimal = wert[0];
        } else if (wort == "datumsformat") {
            if (wert.find("TT") == std::string::npos || wert.find("MM") == std::string::npos ||
                wert.find("JJ") == std::string::npos)
                return fehler(nummer, "Datumsformat braucht TT, MM und JJ oder JJJJ");
            csv(nummer).datumsformat = wert;
        } else if (wort == "ueberspringen") {
            const auto n = zahl(wert);
            if (!n || *n < 0 || *n > 1000)
                return fehler(nummer, "Zeilenzahl " + zitat(wert) + A(" ungültig"));
            csv(nummer).ueberspringen = *n;
        } else if (wort == "zeichensatz") {
            const std::string w = klein(wert);
            if (w == "utf-8" || w == "utf8")
                csv(nummer).zeichensatz = Zeichensatz::Utf8;
            else if (w == "windows-1252" || w == "cp1252" || w == "latin1" || w == "iso-8859-1")
                csv(nummer).zeichensatz = Zeichensatz::Windows1252;
            else
                return fehler(nummer, "Zeichensatz " + zitat(wert) +
                                          " unbekannt (UTF-8 oder Windows-1252)");
        } else if (wort == "konto") {
            csv(nummer).iban = wert;
        } else if (wort == "felder") {
            felder(wert, nummer);
        } else if (feldnamen().count(wort) != 0) {
            spalten(feldnamen().at(wort), wert, nummer);
        } else {
            fehler(nummer, "unbekannte Angabe " + zitat(wort));
        }
    }

    // "felder datum, -, name, text": the columns in order; "-" or nothing skips one.
    void felder(const std::string& liste, int nummer) {
        CsvBeschreibung& c = csv(nummer);
        int spalte = 0;
        std::size_t anfang = 0;
        while (anfang <= liste.size()) {
            std::size_t ende = liste.find(',', anfang);
            if (ende == std::string::npos) ende = liste.size();
            ++spalte;
            const std::string name =
                stichwort(leerraumBereinigen(liste.substr(anfang, ende - anfang)));
            anfang = ende + 1;
            if (name.empty() || name == "-") continue;
            const auto f = feldnamen().find(name);
            if (f == feldnamen().end()) {
                fehler(nummer, "unbekanntes Feld " + zitat(name));
                continue;
            }
            c.spalten[f->second].push_back(spalte);
        }
    }

    // "text %5 %6" names columns; "waehrung EUR" gives the currency of every line.
    void spalten(CsvFeld feld, const std::string& wert, int nummer) {
        CsvBeschreibung& c = csv(nummer);
        if (feld == CsvFeld::Waehrung && !wert.starts_with("%")) {
            if (wert.size() != 3)
                return fehler(nummer,
                              A("Währung ") + zitat(wert) + " ist kein Code aus drei Buchstaben");
            c.waehrung = grossbuchstaben(wert);
            return;
        }
        std::vector<int> liste;
        std::size_t anfang = 0;
        while (anfang < wert.size()) {
            std::size_t ende = wert.find(' ', anfang);
            if (ende == std::string::npos) ende = wert.size();
            const std::string teil = wert.substr(anfang, ende - anfang);
            anfang = ende + 1;
            const auto n =
                teil.starts_with("%") ? zahl(std::string_view(teil).substr(1)) : std::nullopt;
            if (!n || *n < 1 || *n > 1000)
                return fehler(nummer, "Spalte " + zitat(teil) + A(" ungültig (%1, %2, ...)"));
            liste.push_back(*n);
        }
        if (liste.empty()) return fehler(nummer, "Spalte fehlt (%1, %2, ...)");
        c.spalten[feld] = liste;
    }

    void csvPruefen() {
        const CsvBeschreibung& c = *aus_.regeln.csv;
        auto hat = [&](CsvFeld f) { return c.spalten.count(f) != 0; };
        if (!hat(CsvFeld::Datum)) fehler(csvZeile_, A("keine Spalte für das Datum"));
        if (!hat(CsvFeld::Betrag) && !hat(CsvFeld::Haben) && !hat(CsvFeld::Soll))
            fehler(csvZeile_, A("keine Spalte für den Betrag (betrag, oder haben und soll)"));
        if (hat(CsvFeld::Betrag) && (hat(CsvFeld::Haben) || hat(CsvFeld::Soll)))
            fehler(csvZeile_, "betrag zusammen mit haben oder soll");
        if (hat(CsvFeld::Haben) != hat(CsvFeld::Soll))
            fehler(csvZeile_, "haben und soll nur zusammen");
        if (c.dezimal == c.trenner) fehler(csvZeile_, "Dezimalzeichen gleich dem Trennzeichen");
    }
};

} // namespace

RegelnGelesen regelnLesen(std::string_view text, const std::string& datei) {
    return RegelLeser(datei).lesen(text);
}

std::string kleinUmlaute(std::string_view utf8) {
    std::string aus(utf8);
    for (std::size_t i = 0; i + 1 < aus.size(); ++i) {
        const auto b = static_cast<unsigned char>(aus[i + 1]);
        // U+00C0..U+00DE (without U+00D7) have their small letter 0x20 above.
        if (static_cast<unsigned char>(aus[i]) == 0xC3 && b >= 0x80 && b <= 0x9E && b != 0x97)
            aus[i + 1] = static_cast<char>(b + 0x20);
    }
    return aus;
}

std::string suchtext(const Auszugszeile& z) {
    std::string t = kleinUmlaute(z.name + " " + z.text);
    for (char& c : t)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return t;
}

} // namespace zalvor::bank
