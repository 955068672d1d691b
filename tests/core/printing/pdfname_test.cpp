// The PDF name proposed for a printout and the extension added to a typed name.
#include "core/common/zeichensatz.h"
#include "core/printing/pdfname.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

TEST(Pdfname, VereinUndBerichtOhneUnerlaubteZeichen) {
    const char* const faelle[][3] = {
        {"/v/Sportverein", "Ein/Aus - Liste für Datei: /v/Sportverein (Buchungsjahr: 26)",
         "Sportverein - Ein-Aus - Liste.pdf"},
        {"C:\\Kasse\\TSV", "Kontenliste \"Kasse\" für Datei: C:\\Kasse\\TSV",
         "TSV - Kontenliste Kasse.pdf"},
        {"/v/Sportverein", "Monatsabschluß für März ", "Sportverein - Monatsabschluß für März.pdf"},
        {"", "Mehr-Datei-Jahresabschluß", "Mehr-Datei-Jahresabschluß.pdf"},
        {"/v/A:B*", "", "AB.pdf"},
        {"", "", "Ausdruck.pdf"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ansiNachUtf8(pdfVorschlag(A(f[0]), A(f[1]))), f[2]) << f[1];
}

TEST(Pdfname, EndungWirdAngehaengt) {
    const char* const faelle[][2] = {{"/t/Bericht", "/t/Bericht.pdf"},
                                     {"/t/Bericht.PDF", "/t/Bericht.PDF"},
                                     {"/t/bericht.v2", "/t/bericht.v2.pdf"},
                                     {"", ""}};
    for (const auto& f : faelle)
        EXPECT_EQ(mitPdfEndung(f[0]), f[1]);
}

} // namespace
} // namespace zalvor
