// CSV after RFC 4180 (quotes, doubled quotes, separators and line breaks inside quotes),
// with the separator, character set and columns the rules file gives.
#include "core/bank/csvauszug.h"

#include "core/bank/bankwerte.h"
#include "core/common/zeichensatz.h"

namespace zalvor::bank {

namespace {

struct Datensatz {
    std::vector<std::string> felder;
    int zeile = 0;
};

[[noreturn]] void fehler(const std::string& datei, int zeile, const std::string& text) {
    throw AuszugFehler(Fundstelle{datei, zeile, {}}, text);
}

std::vector<Datensatz> datensaetze(std::string_view text, char trenner, int ueberspringen,
                                   const std::string& datei) {
    std::vector<Datensatz> aus;
    int zeile = 1;
    std::size_t pos = 0;
    // Header lines are skipped as lines, before any quote is read.
    while (zeile <= ueberspringen && pos < text.size()) {
        const std::size_t ende = text.find('\n', pos);
        pos = ende == std::string_view::npos ? text.size() : ende + 1;
        ++zeile;
    }
    while (pos < text.size()) {
        Datensatz d;
        d.zeile = zeile;
        std::string feld;
        bool zitiert = false, warZitiert = false;
        for (;;) {
            if (pos >= text.size()) {
                if (zitiert) fehler(datei, d.zeile, A("Anführungszeichen nicht geschlossen"));
                break;
            }
            const char c = text[pos++];
            if (zitiert) {
                if (c == '"') {
                    if (pos < text.size() && text[pos] == '"') {
                        feld += '"';
                        ++pos;
                    } else {
                        zitiert = false;
                    }
                } else {
                    if (c == '\n') ++zeile;
                    feld += c;
                }
                continue;
            }
            if (c == '"' && feld.empty() && !warZitiert) {
                zitiert = warZitiert = true;
            } else if (c == trenner) {
                d.felder.push_back(std::move(feld));
                feld.clear();
                warZitiert = false;
            } else if (c == '\n') {
                ++zeile;
                break;
            } else if (c != '\r') {
                feld += c;
            }
        }
        d.felder.push_back(std::move(feld));
        bool leer = true;
        for (const std::string& f : d.felder)
            leer = leer && leerraumBereinigen(f).empty();
        if (!leer) aus.push_back(std::move(d));
    }
    return aus;
}

class CsvLeser {
  public:
    CsvLeser(const CsvBeschreibung& b, std::string datei) : b_(b), datei_(std::move(datei)) {}

    Auszugszeile zeile(const Datensatz& d) const {
        Auszugszeile z;
        z.stelle = Fundstelle{datei_, d.zeile, {}};
        z.buchungsdatum = datum(d, CsvFeld::Datum);
        z.valuta = hat(CsvFeld::Valuta) && !feld(d, CsvFeld::Valuta).empty()
                       ? datum(d, CsvFeld::Valuta)
                       : z.buchungsdatum;
        betrag(d, z);
        z.waehrung =
            hat(CsvFeld::Waehrung) ? grossbuchstaben(feld(d, CsvFeld::Waehrung)) : b_.waehrung;
        if (z.waehrung.empty()) z.waehrung = b_.waehrung;
        z.name = feld(d, CsvFeld::Name);
        z.iban = feld(d, CsvFeld::Iban);
        z.bic = feld(d, CsvFeld::Bic);
        z.text = feld(d, CsvFeld::Text);
        z.zusatzinfo = feld(d, CsvFeld::Info);
        z.bankreferenz = feld(d, CsvFeld::Referenz);
        return z;
    }

  private:
    const CsvBeschreibung& b_;
    std::string datei_;

    bool hat(CsvFeld f) const { return b_.spalten.count(f) != 0; }

    // The field's columns joined with a blank; empty when the rules name none.
    std::string feld(const Datensatz& d, CsvFeld f) const {
        const auto s = b_.spalten.find(f);
        if (s == b_.spalten.end()) return {};
        std::string aus;
        for (int spalte : s->second) {
            if (static_cast<std::size_t>(spalte) > d.felder.size())
                fehler(datei_, d.zeile, "Spalte " + std::to_string(spalte) + " fehlt");
            const std::string teil =
                leerraumBereinigen(d.felder[static_cast<std::size_t>(spalte - 1)]);
            if (!teil.empty()) aus += (aus.empty() ? "" : " ") + teil;
        }
        return aus;
    }

    Datum datum(const Datensatz& d, CsvFeld f) const {
        const std::string t = feld(d, f);
        const auto dat = datumNachFormat(t, b_.datumsformat);
        if (!dat)
            fehler(datei_, d.zeile,
                   A("ungültiges Datum ") + zitat(t) + " (" + fensterText(b_.datumsformat) + ")");
        return *dat;
    }

    std::int64_t cent(const Datensatz& d, const std::string& t) const {
        std::string ohne;
        for (char c : t)
            if (c != ' ') ohne += c;
        const char tausender = b_.dezimal == ',' ? '.' : ',';
        const auto c = centLesen(ohne, b_.dezimal, tausender);
        if (!c) fehler(datei_, d.zeile, A("ungültiger Betrag ") + zitat(t));
        return *c;
    }

    void betrag(const Datensatz& d, Auszugszeile& z) const {
        if (hat(CsvFeld::Betrag)) {
            const std::int64_t c = cent(d, feld(d, CsvFeld::Betrag));
            z.cent = c < 0 ? -c : c;
            z.richtung = c < 0 ? Richtung::Soll : Richtung::Haben;
            if (hat(CsvFeld::Richtung)) richtung(d, z, c < 0);
            return;
        }
        const std::string haben = feld(d, CsvFeld::Haben), soll = feld(d, CsvFeld::Soll);
        const std::int64_t h = haben.empty() ? 0 : cent(d, haben);
        const std::int64_t s = soll.empty() ? 0 : cent(d, soll);
        if (haben.empty() && soll.empty()) fehler(datei_, d.zeile, "kein Betrag");
        if (h != 0 && s != 0) fehler(datei_, d.zeile, "Betrag im Haben und im Soll");
        // Some banks write debits with a minus sign in their own column.
        z.cent = h != 0 ? (h < 0 ? -h : h) : (s < 0 ? -s : s);
        z.richtung = h != 0 ? Richtung::Haben : Richtung::Soll;
    }

    // A column "S"/"H" (or "D"/"C", "Soll"/"Haben") beside an unsigned amount.
    void richtung(const Datensatz& d, Auszugszeile& z, bool negativ) const {
        const std::string r = grossbuchstaben(feld(d, CsvFeld::Richtung));
        bool soll = false;
        if (r == "S" || r == "D" || r == "SOLL" || r == "DEBIT" || r == "DBIT")
            soll = true;
        else if (r != "H" && r != "C" && r != "HABEN" && r != "CREDIT" && r != "CRDT")
            fehler(datei_, d.zeile, "Soll/Haben-Kennung " + zitat(r) + " unbekannt");
        z.richtung = soll != negativ ? Richtung::Soll : Richtung::Haben;
    }
};

} // namespace

std::optional<Datum> datumNachFormat(std::string_view text, std::string_view format) {
    Datum d{0, 0, 0};
    std::size_t t = 0, f = 0;
    auto ziffern = [&](std::size_t mindestens, std::size_t hoechstens) -> std::optional<int> {
        int wert = 0;
        std::size_t n = 0;
        while (n < hoechstens && t < text.size() && text[t] >= '0' && text[t] <= '9') {
            wert = wert * 10 + (text[t++] - '0');
            ++n;
        }
        if (n < mindestens) return std::nullopt;
        return wert;
    };
    while (f < format.size()) {
        std::optional<int> wert;
        if (format.substr(f, 4) == "JJJJ") {
            wert = ziffern(4, 4);
            if (wert) d.jahr = *wert;
            f += 4;
        } else if (format.substr(f, 2) == "JJ") {
            wert = ziffern(2, 2);
            if (wert) d.jahr = *wert < 80 ? 2000 + *wert : 1900 + *wert;
            f += 2;
        } else if (format.substr(f, 2) == "TT") {
            wert = ziffern(1, 2);
            if (wert) d.tag = *wert;
            f += 2;
        } else if (format.substr(f, 2) == "MM") {
            wert = ziffern(1, 2);
            if (wert) d.monat = *wert;
            f += 2;
        } else {
            if (t >= text.size() || text[t] != format[f]) return std::nullopt;
            ++t;
            ++f;
            continue;
        }
        if (!wert) return std::nullopt;
    }
    if (t != text.size() || !gueltigesDatum(d)) return std::nullopt;
    return d;
}

Kontoauszug csvLesen(std::string_view roh, const CsvBeschreibung& b, const std::string& datei) {
    std::string text;
    if (b.zeichensatz == Zeichensatz::Utf8) {
        if (roh.starts_with("\xEF\xBB\xBF")) roh.remove_prefix(3);
        int zeile = 1;
        for (std::size_t anfang = 0; anfang < roh.size(); ++zeile) {
            std::size_t ende = roh.find('\n', anfang);
            if (ende == std::string_view::npos) ende = roh.size();
            if (!gueltigesUtf8(roh.substr(anfang, ende - anfang)))
                fehler(datei, zeile, A("kein gültiges UTF-8 (zeichensatz windows-1252?)"));
            anfang = ende + 1;
        }
        text = std::string(roh);
    } else {
        text = ansiNachUtf8(roh);
    }
    Kontoauszug a;
    a.format = "CSV";
    a.iban = b.iban;
    a.waehrung = b.waehrung;
    a.stelle = Fundstelle{datei, 1, {}};
    const CsvLeser leser(b, datei);
    for (const Datensatz& d : datensaetze(text, b.trenner, b.ueberspringen, datei))
        a.zeilen.push_back(leser.zeile(d));
    return a;
}

} // namespace zalvor::bank
