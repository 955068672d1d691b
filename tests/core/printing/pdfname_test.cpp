// The PDF name proposed for a printout and the extension added to a typed name.
#include "core/common/zeichensatz.h"
#include "core/printing/pdfname.h"

#include <gtest/gtest.h>

namespace zalvor {
namespace {

TEST(Pdfname, VereinUndBericht) {
    const struct {
        const char* basisname;
        const char* titel;
        const char* name;
    } faelle[] = {
        {"/home/kasse/Sportverein",
         "Listenübersicht für Datei: /home/kasse/Sportverein (Buchungsjahr: 26; Stand: 6.12.26)",
         "Sportverein - Listenübersicht.pdf"},
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
        EXPECT_EQ(ansiNachUtf8(pdfVorschlag(A(f.basisname), A(f.titel))), f.name) << f.titel;
}

TEST(Pdfname, EndungWirdAngehaengt) {
    const struct {
        const char* getippt;
        const char* datei;
    } faelle[] = {
        {"/tmp/Bericht", "/tmp/Bericht.pdf"},
        {"/tmp/Bericht.pdf", "/tmp/Bericht.pdf"},
        {"/tmp/Bericht.PDF", "/tmp/Bericht.PDF"},
        {"/tmp/bericht.v2", "/tmp/bericht.v2.pdf"},
        {"pdf", "pdf.pdf"},
        {"", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(mitPdfEndung(f.getippt), f.datei);
}

} // namespace
} // namespace zalvor
