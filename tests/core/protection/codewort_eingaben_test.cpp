// What a damaged disk or a foreign tool leaves in the code word file: every case reads as
// lines, the check at opening compares with what is there, and nothing is written.
#include "../files/buchungsdaten.h"
#include "ordnerbild.h"

#include "core/protection/codeschutz.h"
#include "core/protection/codewort.h"
#include "core/protection/codewortdatei.h"

#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

// Types the stored bytes as they are, with no conversion of the text.
class CodePerson : public AufzeichnendePerson {
  public:
    std::string code;
    std::optional<std::string> codeEingabe(const std::string&, CodeBild) override { return code; }
};

TEST(SchlechteEingaben, CodeWordFile) {
    struct Fall {
        const char* name;
        std::string inhalt;
        std::string haupt;
        std::optional<std::string> nurLese;
    };
    const std::string zehnMB(10 * 1024 * 1024, 'c');
    const Fall faelle[] = {
        {"leer", "", "", std::nullopt},
        {"ein Byte", "c", "c", std::nullopt},
        {"nur Zeilenende", "\r\n", "", std::nullopt},
        {"zwei leere Zeilen", "\r\n\r\n", "", std::string()},
        {"einzelnes CR und LF bleiben", "a\rb\nc\r\nd", "a\rb\nc", std::string("d")},
        {"drei Zeilen", "a\r\nb\r\nc\r\n", "a", std::string("b")},
        {"Zeile von 10 MB", zehnMB + "\r\n", zehnMB, std::nullopt},
        {"Bytes 0 und 255", std::string("\0\xFF", 2), std::string("\0\xFF", 2), std::nullopt},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Kassenbuch k;
        const std::string pfad = k.s.verein.datei.dateien().codewort();
        textSchreiben(pfad, f.inhalt);
        const Ordnerbild vorher = ordnerbild(k.dir.pfad());
        const Codewoerter c = codewortdateiLesen(pfad);
        EXPECT_EQ(c.haupt, f.haupt);
        EXPECT_EQ(c.nurLese, f.nurLese);
        // The check at opening of a guarded file: the stored main code opens it.
        CodePerson person;
        person.code = codewortDekodieren(c.haupt);
        Sitzung s(person, k.uhr);
        s.verein.datei = k.s.verein.datei;
        s.verein.def.mitgliedEinstellung = 11;
        s.verein.nurLesen = true;
        codewortPruefen(s);
        EXPECT_FALSE(s.verein.nurLesen);
        EXPECT_EQ(ordnerbild(k.dir.pfad()), vorher);
    }
}

} // namespace
} // namespace zalvor::test
