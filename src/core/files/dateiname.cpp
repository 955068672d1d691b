// Name checks shared by the open command of both front ends.
#include "core/files/dateiname.h"

#include "core/common/zeichensatz.h"

#include <cctype>

namespace zalvor {

namespace {

bool ziffer(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool punktAlsDrittletztes(const std::string& name) {
    return name.size() >= 3 && name[name.size() - 3] == '.';
}

} // namespace

std::optional<Dateiwahl> dateinamePruefen(Sitzung& s, std::string name) {
    if (!punktAlsDrittletztes(name)) name += "." + s.datei.jahr;
    const std::size_t ab = name.size() > 13 ? name.size() - 13 : 0;
    if (name.find('~', ab) != std::string::npos) {
        s.person.meldung(A("Fehler!"),
                         A("Dateien, die mit ~ beginnen, können nicht geladen werden! Sie sind "
                           "i.A. Sicherungskopien einer Reorganisation, für die keine "
                           "Definitionsdatei besteht!"),
                         Symbol::Fehler);
        return std::nullopt;
    }
    // Both year digits are checked: a year like "a1" would break every year rule.
    if (!ziffer(name.back()) || !ziffer(name[name.size() - 2])) {
        s.person.meldung(A("Fehler!"), A("Es handelt sich hier NICHT um eine Buchungsdatei!"),
                         Symbol::Fehler);
        return std::nullopt;
    }
    return Dateiwahl{name.substr(0, name.size() - 3), name.substr(name.size() - 2)};
}

Dateiwahl neuerDateiname(const std::string& eingabe, const std::string& kalenderjahr) {
    // Only two digits after the point make a year; "Kasse.ab" is a base name.
    if (punktAlsDrittletztes(eingabe) && ziffer(eingabe.back()) &&
        ziffer(eingabe[eingabe.size() - 2]))
        return Dateiwahl{eingabe.substr(0, eingabe.size() - 3), eingabe.substr(eingabe.size() - 2)};
    return Dateiwahl{eingabe, kalenderjahr};
}

} // namespace zalvor
