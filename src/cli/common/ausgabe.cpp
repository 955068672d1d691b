// Grid writers.
#include "cli/common/ausgabe.h"

#include "core/common/zeichensatz.h"

#include <cstdio>

namespace zalvor::cli {

namespace {

// A TAB, CR or LF inside a stored text would split rows and cells: shown as a blank.
std::string tsvZelle(const std::string& ansi) {
    std::string t = ansiNachUtf8(ansi);
    for (char& c : t)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return t;
}

// Plain ASCII without a byte the format marks is its own UTF-8 and its own cell: by far the
// most cells of a list.
template <typename Besonders>
bool schlicht(const std::string& ansi, Besonders besonders) {
    for (char c : ansi) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 || besonders(b)) return false;
    }
    return true;
}

bool zeilenwechselOderTab(unsigned char b) {
    return b < 0x20 && (b == '\t' || b == '\r' || b == '\n');
}

// The rows of a grid are gathered in one text and written in pieces, instead of going into
// the stream cell by cell.
class Sammler {
  public:
    explicit Sammler(std::ostream& out) : out_(out) {}
    std::string text;
    void zeileFertig() {
        if (text.size() >= kStueck) schreiben();
    }
    void schreiben() {
        out_.write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
    }

  private:
    static constexpr std::size_t kStueck = 1 << 16;
    std::ostream& out_;
};

void tsvAnhaengen(std::string& ziel, const std::string& ansi) {
    if (schlicht(ansi, zeilenwechselOderTab))
        ziel += ansi;
    else
        ziel += tsvZelle(ansi);
}

void tsvZeilen(std::ostream& out, const Raster& r, std::size_t zeilen) {
    Sammler s(out);
    auto zeile = [&](const std::vector<std::string>& zellen) {
        for (std::size_t i = 0; i < zellen.size(); ++i) {
            if (i) s.text += '\t';
            tsvAnhaengen(s.text, zellen[i]);
        }
        s.text += '\n';
        s.zeileFertig();
    };
    zeile(r.kopf);
    for (std::size_t z = 0; z < zeilen; ++z)
        zeile(r.zeilen[z]);
    s.schreiben();
}

void tsv(std::ostream& out, const Raster& r, const std::string& titel, std::size_t zeilen) {
    out << "## " << tsvZelle(titel) << "\n";
    tsvZeilen(out, r, zeilen);
}

std::string csvZelle(const std::string& ansi) {
    std::string t = ansiNachUtf8(ansi);
    if (t.find_first_of(";\"\n\r\t") == std::string::npos) return t;
    std::string o = "\"";
    for (char c : t) {
        if (c == '"') o += '"';
        o += c;
    }
    return o + "\"";
}

void csvAnhaengen(std::string& ziel, const std::string& ansi) {
    if (schlicht(ansi,
                 [](unsigned char b) { return b == ';' || b == '"' || zeilenwechselOderTab(b); }))
        ziel += ansi;
    else
        ziel += csvZelle(ansi);
}

// Semicolons, as German spreadsheets expect.
void csvZeilen(std::ostream& out, const Raster& r, std::size_t zeilen) {
    Sammler s(out);
    auto zeile = [&](const std::vector<std::string>& zellen) {
        for (std::size_t i = 0; i < zellen.size(); ++i) {
            if (i) s.text += ';';
            csvAnhaengen(s.text, zellen[i]);
        }
        s.text += "\r\n";
        s.zeileFertig();
    };
    zeile(r.kopf);
    for (std::size_t z = 0; z < zeilen; ++z)
        zeile(r.zeilen[z]);
    s.schreiben();
}

// The title as a comment-like first row, an empty line after the grid.
void csv(std::ostream& out, const Raster& r, const std::string& titel, std::size_t zeilen) {
    out << csvZelle(titel) << "\n";
    csvZeilen(out, r, zeilen);
    out << "\r\n";
}

std::string jsonText(const std::string& ansi) {
    std::string o = "\"";
    for (char c : ansiNachUtf8(ansi)) {
        switch (c) {
        case '"':
            o += "\\\"";
            break;
        case '\\':
            o += "\\\\";
            break;
        case '\n':
            o += "\\n";
            break;
        case '\r':
            o += "\\r";
            break;
        case '\t':
            o += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(c));
                o += buf;
            } else {
                o += c;
            }
        }
    }
    return o + "\"";
}

void jsonListe(std::ostream& out, const std::vector<std::string>& zellen) {
    out << "[";
    for (std::size_t i = 0; i < zellen.size(); ++i)
        out << (i ? ", " : "") << jsonText(zellen[i]);
    out << "]";
}

// Without a title the object holds only the header and the rows.
void jsonRaster(std::ostream& out, const Raster& r, const std::string* titel, std::size_t zeilen) {
    out << "{";
    if (titel) out << "\"titel\": " << jsonText(*titel) << ", ";
    out << "\"kopf\": ";
    jsonListe(out, r.kopf);
    out << ", \"zeilen\": [";
    for (std::size_t z = 0; z < zeilen; ++z) {
        out << (z ? ",\n   " : "\n   ");
        jsonListe(out, r.zeilen[z]);
    }
    out << "]}";
}

// Grids (not copied: a list holds tens of thousands of rows) with their title and the number
// of rows to print; a text line has no grid and `titel` is the text.
struct Eintrag {
    const Raster* raster = nullptr;
    std::string titel;
    std::size_t zeilen = 0;
};

void ausgeben(std::ostream& out, Format format, const std::vector<Eintrag>& eintraege) {
    if (format == Format::Json) {
        out << "[";
        for (std::size_t i = 0; i < eintraege.size(); ++i) {
            out << (i ? ",\n " : "\n ");
            const Eintrag& e = eintraege[i];
            if (!e.raster)
                out << "{\"text\": " << jsonText(e.titel) << "}";
            else
                jsonRaster(out, *e.raster, &e.titel, e.zeilen);
        }
        out << "\n]\n";
        return;
    }
    for (const auto& e : eintraege) {
        if (!e.raster)
            out << "# " << (format == Format::Tsv ? tsvZelle(e.titel) : csvZelle(e.titel))
                << (format == Format::Tsv ? "\n" : "\r\n");
        else if (format == Format::Tsv)
            tsv(out, *e.raster, e.titel, e.zeilen);
        else
            csv(out, *e.raster, e.titel, e.zeilen);
    }
}

} // namespace

void rasterAusgeben(std::ostream& out, Format format, const std::vector<Raster>& raster) {
    std::vector<Eintrag> e;
    for (const auto& r : raster)
        e.push_back({&r, r.titel, r.zeilen.size()});
    ausgeben(out, format, e);
}

void rasterUndTexteAusgeben(std::ostream& out, Format format, const std::vector<Raster>& raster,
                            const std::vector<std::string>& texte) {
    std::vector<Eintrag> e;
    for (const auto& r : raster)
        e.push_back({&r, r.titel, r.zeilen.size()});
    for (const auto& t : texte)
        e.push_back({nullptr, t, 0});
    ausgeben(out, format, e);
}

void rasterAusgeben(std::ostream& out, Format format, const Raster& r) {
    ausgeben(out, format, {{&r, r.titel, r.zeilen.size()}});
}

void tabelleAusgeben(std::ostream& out, Format format, const Raster& r) {
    switch (format) {
    case Format::Tsv:
        tsvZeilen(out, r, r.zeilen.size());
        break;
    case Format::Csv:
        csvZeilen(out, r, r.zeilen.size());
        break;
    case Format::Json:
        jsonRaster(out, r, nullptr, r.zeilen.size());
        out << "\n";
        break;
    }
}

void berichtAusgeben(std::ostream& out, Format format, const Bericht& b) {
    std::vector<Eintrag> e;
    if (!b.waehrungszeile.empty()) e.push_back({nullptr, b.waehrungszeile, 0});
    for (const auto& reiter : b.reiter) {
        for (const auto& r : reiter.raster) {
            if (!r.sichtbar) continue;
            std::string titel = b.fenstertitel;
            for (const std::string* teil : {&reiter.titel, &r.ueberschrift})
                if (!teil->empty()) titel += " | " + *teil;
            e.push_back({&r, std::move(titel), r.gefuellteZeilen()});
        }
    }
    ausgeben(out, format, e);
}

} // namespace zalvor::cli
