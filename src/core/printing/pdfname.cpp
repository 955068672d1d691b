// PDF file names: the club and the report, made safe for every file system.
#include "core/printing/pdfname.h"

#include "core/common/zeichensatz.h"

#include <cctype>
#include <string_view>

namespace zalvor {

namespace {

// Keeps what a file name may hold, one blank between words.
std::string dateinamenteil(std::string_view t) {
    std::string ergebnis;
    for (char c : t) {
        if (c == '/') c = '-';
        if (std::string_view("\"\\:*?<>|").find(c) != std::string_view::npos) continue;
        if (c == ' ' && (ergebnis.empty() || ergebnis.back() == ' ')) continue;
        ergebnis += c;
    }
    while (!ergebnis.empty() && ergebnis.back() == ' ')
        ergebnis.pop_back();
    return ergebnis;
}

} // namespace

std::string pdfVorschlag(const std::string& basisname, const std::string& fenstertitel) {
    const std::size_t ordner = basisname.find_last_of("/\\");
    const std::string verein =
        dateinamenteil(ordner == std::string::npos ? basisname : basisname.substr(ordner + 1));
    const std::string bericht =
        dateinamenteil(fenstertitel.substr(0, fenstertitel.find(A(" für Datei: "))));
    std::string name =
        verein.empty() || bericht.empty() ? verein + bericht : verein + " - " + bericht;
    return (name.empty() ? std::string("Ausdruck") : name) + ".pdf";
}

std::string mitPdfEndung(const std::string& name) {
    if (name.empty()) return name;
    std::string ende = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
    for (char& c : ende)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ende == ".pdf" ? name : name + ".pdf";
}

} // namespace zalvor
