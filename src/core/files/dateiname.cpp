// Name checks shared by the open command of both front ends.
#include "core/files/dateiname.h"

#include "core/common/dateisystem.h"
#include "core/common/person.h"
#include "core/common/zeichensatz.h"

#include <cctype>

namespace zalvor {

namespace {

bool ziffer(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

Dateiwahl wahl(const Dateisatz& d) {
    return Dateiwahl{d.basisname(), d.jahr()};
}

} // namespace

std::optional<Dateiwahl> dateinamePruefen(std::string name, const std::string& aktivesJahr,
                                          Person& person) {
    name = Dateisatz::mitJahr(name, aktivesJahr);
    if (Dateisatz::istSicherungsname(name)) {
        person.meldung(A("Fehler!"),
                       A("Dateien, die mit ~ beginnen, können nicht geladen werden! Sie sind "
                         "i.A. Sicherungskopien einer Reorganisation, für die keine "
                         "Definitionsdatei besteht!"),
                       Symbol::Fehler);
        return std::nullopt;
    }
    // Both year digits are checked: a year like "a1" would break every year rule.
    if (!ziffer(name.back()) || !ziffer(name[name.size() - 2])) {
        person.meldung(A("Fehler!"), A("Es handelt sich hier NICHT um eine Buchungsdatei!"),
                       Symbol::Fehler);
        return std::nullopt;
    }
    return wahl(Dateisatz::ausBuchungsdatei(name));
}

bool namenPassen(const Dateisatz& dateien, Person& person) {
    const auto zuLang = dateien.zuLangerName();
    if (!zuLang) return true;
    const std::size_t grenze = 255;
    const std::size_t ueber = dateinameTeil(*zuLang).size() - grenze;
    person.meldung(A("Fehler!"),
                   A("Der Name ") + utf8NachAnsi(dateien.buchungsdateiName()) +
                       A(" ist zu lang: Die Namen der Dateien eines Vereins dürfen höchstens ") +
                       std::to_string(grenze) + A(" Zeichen haben. Kürzen Sie den Namen um ") +
                       std::to_string(ueber) + A(" Zeichen; es wird nichts geschrieben."),
                   Symbol::Fehler);
    return false;
}

Dateiwahl neuerDateiname(const std::string& eingabe, const std::string& kalenderjahr) {
    return wahl(Dateisatz::neu(eingabe, kalenderjahr));
}

} // namespace zalvor
