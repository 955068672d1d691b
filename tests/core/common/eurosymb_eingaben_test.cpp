// What a foreign tool leaves in the Euro label file: the first line, at most 3 characters.
#include "ordnerbild.h"
#include "tempverzeichnis.h"

#include "core/common/waehrung.h"
#include "core/files/eurotext.h"

#include <gtest/gtest.h>

namespace zalvor::test {
namespace {

TEST(SchlechteEingaben, EuroLabelFile) {
    struct Fall {
        const char* name;
        std::string inhalt;
        std::string text;
    };
    const Fall faelle[] = {
        {"leer", "", ""},
        {"ein Byte", "\x80", "\x80"},
        {"Zeile von 10 MB", std::string(10 * 1024 * 1024, 'E') + "\r\n", "EEE"},
        {"1e400", "1e400\r\n", "1e4"},
        {"nur CR", "\rEUR", ""},
        {"Bytes 0 und 255", std::string("\0\xFF\0\xFF", 4), std::string("\0\xFF\0", 3)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TempVerzeichnis dir;
        textSchreiben(dir.datei("EUROSYMB"), f.inhalt);
        const Ordnerbild vorher = ordnerbild(dir.pfad());
        EXPECT_EQ(euroTextLaden({dir.pfad(), {}}), f.text);
        EXPECT_EQ(ordnerbild(dir.pfad()), vorher);
    }
}

} // namespace
} // namespace zalvor::test
