// Engine texts are Windows-1252: a literal with characters beyond ASCII must pass through A()
// (UTF-8 source to Windows-1252) and must be representable there.
#include "core/common/zeichensatz.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zalvor {

namespace {

struct Fund {
    std::string datei;
    int zeile;
    std::string literal;
};

bool ausserAscii(const std::string& t) {
    for (unsigned char c : t)
        if (c >= 0x80) return true;
    return false;
}

// Literals with non-ASCII bytes that are not an argument of A(...), and those that
// Windows-1252 cannot hold.
std::vector<Fund> pruefen(const std::string& datei, const std::string& q) {
    std::vector<Fund> funde;
    std::vector<bool> klammerIstA; // open parentheses: opened by "A(" ?
    int zeile = 1;
    for (std::size_t i = 0; i < q.size(); ++i) {
        const char c = q[i];
        if (c == '\n') ++zeile;
        if (c == '/' && i + 1 < q.size() && q[i + 1] == '/') {
            while (i < q.size() && q[i] != '\n')
                ++i;
            ++zeile;
        } else if (c == '/' && i + 1 < q.size() && q[i + 1] == '*') {
            for (i += 2; i + 1 < q.size() && !(q[i] == '*' && q[i + 1] == '/'); ++i)
                if (q[i] == '\n') ++zeile;
            ++i;
        } else if (c == '\'') {
            for (++i; i < q.size() && q[i] != '\''; ++i)
                if (q[i] == '\\') ++i;
        } else if (c == 'R' && i + 1 < q.size() && q[i + 1] == '"') {
            const auto start = q.find('(', i);
            const std::string ende = ")" + q.substr(i + 2, start - i - 2) + "\"";
            const auto stop = q.find(ende, start);
            const std::string lit = q.substr(start + 1, stop - start - 1);
            if (ausserAscii(lit)) funde.push_back({datei, zeile, lit});
            for (char x : lit)
                if (x == '\n') ++zeile;
            i = stop + ende.size() - 1;
        } else if (c == '"') {
            std::string lit;
            for (++i; i < q.size() && q[i] != '"'; ++i) {
                if (q[i] == '\\') lit += q[i++];
                lit += q[i];
            }
            const bool inA = !klammerIstA.empty() && klammerIstA.back();
            if (ausserAscii(lit) && !inA) funde.push_back({datei, zeile, lit});
            if (inA && utf8NachAnsi(lit).find('?') != std::string::npos &&
                lit.find('?') == std::string::npos)
                funde.push_back({datei, zeile, lit + " (nicht in Windows-1252)"});
        } else if (c == '(') {
            const bool a =
                i > 0 && q[i - 1] == 'A' &&
                (i < 2 || !(std::isalnum(static_cast<unsigned char>(q[i - 2])) || q[i - 2] == '_'));
            klammerIstA.push_back(a);
        } else if (c == ')') {
            if (!klammerIstA.empty()) klammerIstA.pop_back();
        }
    }
    return funde;
}

} // namespace

TEST(Texte, JedesTextliteralDerMaschineIstWindows1252) {
    namespace fs = std::filesystem;
    std::vector<Fund> funde;
    int dateien = 0;
    for (const auto& e : fs::recursive_directory_iterator("../src/core")) {
        const auto ext = e.path().extension();
        if (ext != ".cpp" && ext != ".h") continue;
        std::ifstream in(e.path(), std::ios::binary);
        std::stringstream inhalt;
        inhalt << in.rdbuf();
        for (auto& f : pruefen(e.path().string(), inhalt.str()))
            funde.push_back(std::move(f));
        ++dateien;
    }
    EXPECT_GT(dateien, 40);
    for (const auto& f : funde)
        ADD_FAILURE() << f.datei << ":" << f.zeile << ": \"" << f.literal << "\"";
}

TEST(Texte, DiePruefungFindetUtf8OhneA) {
    EXPECT_EQ(pruefen("x", "auto t = \"Gr\xC3\xBC\xC3\x9F\";").size(), 1u);
    EXPECT_TRUE(pruefen("x", "auto t = A(\"Gr\xC3\xBC\xC3\x9F\" \"e\");").empty());
    EXPECT_EQ(pruefen("x", "auto t = BA(\"\xC3\xBC\");").size(), 1u);
    EXPECT_TRUE(pruefen("x", "// \xC3\xBC\nauto t = \"Datens\\xE4tze\";").empty());
    EXPECT_EQ(pruefen("x", "auto t = A(\"\xE2\x82\xAC\xE2\x88\x9E\");").size(), 1u);
}

} // namespace zalvor
