// Grid writers.
#include "common/raster.h"

#include "common/zeichensatz.h"

#include <cstdio>

namespace zalvor::cli {

namespace {

void tsv(std::ostream& out, const Raster& r) {
    out << "## " << ansiNachUtf8(r.titel) << "\n";
    auto zeile = [&](const std::vector<std::string>& zellen) {
        for (std::size_t i = 0; i < zellen.size(); ++i) {
            if (i) out << '\t';
            out << ansiNachUtf8(zellen[i]);
        }
        out << '\n';
    };
    zeile(r.kopf);
    for (const auto& z : r.zeilen)
        zeile(z);
}

std::string csvZelle(const std::string& ansi) {
    std::string t = ansiNachUtf8(ansi);
    if (t.find_first_of(";\"\n\r") == std::string::npos) return t;
    std::string o = "\"";
    for (char c : t) {
        if (c == '"') o += '"';
        o += c;
    }
    return o + "\"";
}

void csv(std::ostream& out, const Raster& r) {
    // Semicolons, as German spreadsheets expect; the title as a comment-like first row.
    out << csvZelle(r.titel) << "\n";
    auto zeile = [&](const std::vector<std::string>& zellen) {
        for (std::size_t i = 0; i < zellen.size(); ++i) {
            if (i) out << ';';
            out << csvZelle(zellen[i]);
        }
        out << "\r\n";
    };
    zeile(r.kopf);
    for (const auto& z : r.zeilen)
        zeile(z);
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

} // namespace

void rasterAusgeben(std::ostream& out, Format format, const std::vector<Raster>& raster) {
    if (format == Format::Json) {
        out << "[";
        for (std::size_t i = 0; i < raster.size(); ++i) {
            const auto& r = raster[i];
            out << (i ? ",\n " : "\n ") << "{\"titel\": " << jsonText(r.titel) << ", \"kopf\": ";
            jsonListe(out, r.kopf);
            out << ", \"zeilen\": [";
            for (std::size_t z = 0; z < r.zeilen.size(); ++z) {
                out << (z ? ",\n   " : "\n   ");
                jsonListe(out, r.zeilen[z]);
            }
            out << "]}";
        }
        out << "\n]\n";
        return;
    }
    for (const auto& r : raster)
        (format == Format::Tsv ? tsv : csv)(out, r);
}

} // namespace zalvor::cli
