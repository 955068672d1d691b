// MT940 after the SWIFT field layout and the German banks' conventions for :86:.
#include "core/bank/mt940.h"

#include "core/common/zeichensatz.h"

#include "core/bank/bankwerte.h"

#include <algorithm>
#include <array>
#include <map>

namespace zalvor::bank {

namespace {

struct Feld {
    std::string marke; // "61", "60F"
    std::vector<std::string> zeilen;
    int zeile = 0;
};

bool ziffer(char c) {
    return c >= '0' && c <= '9';
}

bool alpha(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::vector<std::pair<std::string_view, int>> zeilenTeilen(std::string_view text) {
    std::vector<std::pair<std::string_view, int>> zeilen;
    int nummer = 1;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\n' && text[i] != '\r') continue;
        zeilen.emplace_back(text.substr(anfang, i - anfang), nummer++);
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
        anfang = i + 1;
    }
    return zeilen;
}

// ":61:..." -> "61"; an empty text when the line does not open a field.
std::string marke(std::string_view zeile) {
    if (zeile.size() < 4 || zeile[0] != ':' || !ziffer(zeile[1]) || !ziffer(zeile[2])) return {};
    std::size_t ende = 3;
    if (zeile[ende] != ':' && alpha(zeile[ende])) ++ende;
    if (ende >= zeile.size() || zeile[ende] != ':') return {};
    return std::string(zeile.substr(1, ende - 1));
}

std::vector<Feld> felderLesen(std::string_view text) {
    std::vector<Feld> felder;
    bool imFeld = false;
    for (auto [zeile, nummer] : zeilenTeilen(text)) {
        // The SWIFT envelope "{1:...}{2:...}{4:" and the end of a message "-}" or "-".
        if (const std::size_t block = zeile.find("{4:"); block != std::string_view::npos)
            zeile.remove_prefix(block + 3);
        if (zeile == "-" || zeile == "-}" || zeile.starts_with("{")) {
            imFeld = false;
            continue;
        }
        const std::string m = marke(zeile);
        if (!m.empty()) {
            felder.push_back({m, {std::string(zeile.substr(m.size() + 2))}, nummer});
            imFeld = true;
        } else if (imFeld && !zeile.empty()) {
            felder.back().zeilen.emplace_back(zeile);
        }
    }
    return felder;
}

[[noreturn]] void fehler(const std::string& datei, int zeile, const std::string& text) {
    throw AuszugFehler(Fundstelle{datei, zeile, {}}, text);
}

int zweistellig(std::string_view s) {
    return (s[0] - '0') * 10 + (s[1] - '0');
}

bool ziffern(std::string_view s) {
    for (char c : s)
        if (!ziffer(c)) return false;
    return true;
}

// YYMMDD; years 80..99 are 19xx.
std::optional<Datum> jjmmtt(std::string_view s) {
    if (s.size() < 6 || !ziffern(s.substr(0, 6))) return std::nullopt;
    const int jj = zweistellig(s);
    const Datum d{jj < 80 ? 2000 + jj : 1900 + jj, zweistellig(s.substr(2)),
                  zweistellig(s.substr(4))};
    if (!gueltigesDatum(d)) return std::nullopt;
    return d;
}

// ":60F:C260101EUR1234,56"
Saldo saldoLesen(const Feld& f, std::string& waehrung, const std::string& datei) {
    const std::string& s = f.zeilen.front();
    if (s.size() < 11 || (s[0] != 'C' && s[0] != 'D'))
        fehler(datei, f.zeile, A("ungültiger Saldo :") + f.marke + ":");
    const auto d = jjmmtt(std::string_view(s).substr(1));
    if (!d) fehler(datei, f.zeile, A("ungültiges Datum im Saldo :") + f.marke + ":");
    waehrung = s.substr(7, 3);
    const auto cent = centLesen(std::string_view(s).substr(10), ',');
    if (!cent || *cent < 0)
        fehler(datei, f.zeile, A("ungültiger Betrag im Saldo :") + f.marke + ":");
    return Saldo{s[0] == 'D' ? -*cent : *cent, *d};
}

// The year of the booking date MMDD beside the value date, across a year's end.
Datum buchungstag(const Datum& valuta, int monat, int tag) {
    Datum d{valuta.jahr, monat, tag};
    if (monat - valuta.monat > 6) --d.jahr;
    if (valuta.monat - monat > 6) ++d.jahr;
    return d;
}

Auszugszeile umsatzLesen(const Feld& f, const std::string& waehrung, const std::string& datei) {
    const std::string_view s = f.zeilen.front();
    auto falsch = [&](const std::string& was) -> void {
        fehler(datei, f.zeile, std::string(A("ungültige Umsatzzeile :61: (")) + was + ")");
    };
    Auszugszeile z;
    z.stelle = Fundstelle{datei, f.zeile, {}};
    z.waehrung = waehrung;
    const auto valuta = jjmmtt(s);
    if (!valuta) falsch("Valuta");
    z.valuta = *valuta;
    z.buchungsdatum = *valuta;
    std::size_t pos = 6;
    if (s.size() >= pos + 4 && ziffern(s.substr(pos, 4))) {
        z.buchungsdatum =
            buchungstag(*valuta, zweistellig(s.substr(pos)), zweistellig(s.substr(pos + 2)));
        if (!gueltigesDatum(z.buchungsdatum)) falsch("Buchungsdatum");
        pos += 4;
    }
    const std::string_view rest = s.substr(pos);
    if (rest.starts_with("RC") || rest.starts_with("RD")) {
        z.storno = true;
        // A reversed credit takes money out, a reversed debit brings it back.
        z.richtung = rest[1] == 'C' ? Richtung::Soll : Richtung::Haben;
        pos += 2;
    } else if (rest.starts_with("C") || rest.starts_with("D")) {
        z.richtung = rest[0] == 'C' ? Richtung::Haben : Richtung::Soll;
        pos += 1;
    } else {
        falsch("Soll/Haben");
    }
    if (pos < s.size() && alpha(s[pos])) ++pos; // funds code
    const std::size_t betragEnde = s.find_first_not_of("0123456789,", pos);
    const auto cent =
        centLesen(s.substr(pos, betragEnde == std::string_view::npos ? std::string_view::npos
                                                                     : betragEnde - pos),
                  ',');
    if (!cent) falsch("Betrag");
    z.cent = *cent;
    pos = betragEnde == std::string_view::npos ? s.size() : betragEnde;
    // The transaction type: N, F or S and three characters (NTRF, NMSC, FCHK).
    if (s.size() < pos + 4 || (s[pos] != 'N' && s[pos] != 'F' && s[pos] != 'S'))
        falsch(A("Buchungsschlüssel"));
    z.geschaeftsvorfall = std::string(s.substr(pos + 1, 3));
    pos += 4;
    const std::string_view refs = s.substr(pos);
    const std::size_t trenner = refs.find("//");
    z.eintragsreferenz = leerraumBereinigen(refs.substr(0, trenner));
    if (z.eintragsreferenz == "NONREF") z.eintragsreferenz.clear();
    if (trenner != std::string_view::npos)
        z.bankreferenz = leerraumBereinigen(refs.substr(trenner + 2));
    return z;
}

// Pieces of at most 27 characters: one that fills its field goes on without a blank.
void stueckAnhaengen(std::string& ziel, const std::string& stueck, std::size_t& vorige) {
    if (stueck.empty()) return;
    if (!ziel.empty() && vorige < 27) ziel += ' ';
    ziel += stueck;
    vorige = stueck.size();
}

constexpr std::array<std::string_view, 12> kSepaSchluessel{"EREF+", "KREF+", "MREF+", "CRED+",
                                                           "DEBT+", "SVWZ+", "ABWA+", "ABWE+",
                                                           "IBAN+", "BIC+",  "COAM+", "OAMT+"};

// "EREF+123 MREF+M1 SVWZ+Beitrag" -> keys and their values; the text before the first key
// under the empty key.
std::map<std::string, std::string> sepaTeile(const std::string& text) {
    std::vector<std::pair<std::size_t, std::string_view>> funde;
    for (std::string_view k : kSepaSchluessel)
        for (std::size_t p = text.find(k); p != std::string::npos; p = text.find(k, p + 1))
            funde.emplace_back(p, k);
    std::sort(funde.begin(), funde.end());
    std::map<std::string, std::string> teile;
    std::size_t vorher = funde.empty() ? text.size() : funde.front().first;
    teile[""] = leerraumBereinigen(text.substr(0, vorher));
    for (std::size_t i = 0; i < funde.size(); ++i) {
        const std::size_t von = funde[i].first + funde[i].second.size();
        const std::size_t bis = i + 1 < funde.size() ? funde[i + 1].first : text.size();
        if (bis < von) continue;
        std::string& wert = teile[std::string(funde[i].second.substr(0, 4))];
        if (wert.empty()) wert = leerraumBereinigen(text.substr(von, bis - von));
    }
    return teile;
}

} // namespace

void mt940VerwendungLesen(std::string_view inhalt, Auszugszeile& z) {
    if (inhalt.size() < 4 || !ziffern(inhalt.substr(0, 3)) || alpha(inhalt[3]) ||
        ziffer(inhalt[3])) {
        z.text = leerraumBereinigen(inhalt);
        return;
    }
    z.geschaeftsvorfall = std::string(inhalt.substr(0, 3));
    const char trenner = inhalt[3];
    std::string zweck, name;
    std::size_t zweckVorige = 0, nameVorige = 0;
    std::size_t pos = 3;
    while (pos < inhalt.size()) {
        if (inhalt[pos] != trenner || pos + 2 >= inhalt.size() || !ziffer(inhalt[pos + 1]) ||
            !ziffer(inhalt[pos + 2])) {
            ++pos;
            continue;
        }
        const int nummer = zweistellig(inhalt.substr(pos + 1));
        std::size_t ende = pos + 3;
        while (ende < inhalt.size() && !(inhalt[ende] == trenner && ende + 2 < inhalt.size() &&
                                         ziffer(inhalt[ende + 1]) && ziffer(inhalt[ende + 2])))
            ++ende;
        const std::string wert(inhalt.substr(pos + 3, ende - pos - 3));
        if (nummer == 0)
            z.zusatzinfo = leerraumBereinigen(wert);
        else if ((nummer >= 20 && nummer <= 29) || (nummer >= 60 && nummer <= 63))
            stueckAnhaengen(zweck, wert, zweckVorige);
        else if (nummer == 30)
            z.bic = leerraumBereinigen(wert);
        else if (nummer == 31)
            z.iban = leerraumBereinigen(wert);
        else if (nummer == 32 || nummer == 33)
            stueckAnhaengen(name, wert, nameVorige);
        pos = ende;
    }
    z.name = leerraumBereinigen(name);
    auto teile = sepaTeile(zweck);
    z.text = teile.count("SVWZ") != 0 ? teile["SVWZ"] : teile[""];
    if (teile.count("EREF") != 0 && teile["EREF"] != "NOTPROVIDED") z.endToEndId = teile["EREF"];
    if (teile.count("MREF") != 0) z.mandatsreferenz = teile["MREF"];
    if (teile.count("CRED") != 0) z.glaeubigerId = teile["CRED"];
    if (z.iban.empty() && teile.count("IBAN") != 0) z.iban = teile["IBAN"];
    if (z.bic.empty() && teile.count("BIC+") != 0) z.bic = teile["BIC+"];
}

bool siehtNachMt940Aus(std::string_view text) {
    bool zwanzig = false, konto = false;
    for (auto [zeile, nummer] : zeilenTeilen(text.substr(0, 64 * 1024))) {
        (void)nummer;
        if (const std::size_t block = zeile.find("{4:"); block != std::string_view::npos)
            zeile.remove_prefix(block + 3);
        zwanzig = zwanzig || zeile.starts_with(":20:");
        konto = konto || zeile.starts_with(":25:");
    }
    return zwanzig && konto;
}

std::vector<Kontoauszug> mt940Lesen(std::string_view roh, std::vector<Meldung>& hinweise,
                                    const std::string& datei) {
    const std::string text = alsUtf8(roh);
    std::vector<Kontoauszug> auszuege;
    Auszugszeile* letzte = nullptr;
    for (const Feld& f : felderLesen(text)) {
        const std::string erste = f.zeilen.front();
        if (f.marke == "20") {
            auszuege.emplace_back();
            auszuege.back().format = "MT940";
            auszuege.back().id = leerraumBereinigen(erste);
            auszuege.back().stelle = Fundstelle{datei, f.zeile, {}};
            letzte = nullptr;
            continue;
        }
        if (auszuege.empty()) fehler(datei, f.zeile, "Feld :" + f.marke + ": vor :20:");
        Kontoauszug& a = auszuege.back();
        if (f.marke == "25") {
            a.iban = leerraumBereinigen(erste);
        } else if (f.marke == "28C" || f.marke == "28") {
            a.id += "/" + leerraumBereinigen(erste);
        } else if (f.marke == "60F" || f.marke == "60M") {
            std::string w;
            const Saldo s = saldoLesen(f, w, datei);
            if (!a.anfangssaldo) {
                a.anfangssaldo = s;
                a.waehrung = w;
            }
        } else if (f.marke == "62F" || f.marke == "62M") {
            std::string w;
            const Saldo s = saldoLesen(f, w, datei);
            if (f.marke == "62F" || !a.schlusssaldo) a.schlusssaldo = s;
        } else if (f.marke == "61") {
            if (a.waehrung.empty()) fehler(datei, f.zeile, "Umsatz vor dem Anfangssaldo :60F:");
            a.zeilen.push_back(umsatzLesen(f, a.waehrung, datei));
            letzte = &a.zeilen.back();
        } else if (f.marke == "86") {
            if (letzte == nullptr) continue; // information about the statement as a whole
            std::string inhalt;
            for (const std::string& z : f.zeilen)
                inhalt += z;
            const std::string gvc = letzte->geschaeftsvorfall;
            mt940VerwendungLesen(inhalt, *letzte);
            if (letzte->geschaeftsvorfall.empty()) letzte->geschaeftsvorfall = gvc;
            letzte = nullptr;
        }
    }
    if (auszuege.empty()) fehler(datei, 1, "kein MT940-Auszug (:20: fehlt)");
    for (const Kontoauszug& a : auszuege)
        if (!a.anfangssaldo)
            hinweise.push_back(
                {a.stelle, "Auszug " + fensterText(a.id) + " ohne Anfangssaldo :60F:"});
    return auszuege;
}

} // namespace zalvor::bank
