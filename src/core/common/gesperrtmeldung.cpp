#include "core/common/gesperrtmeldung.h"

#include "core/common/person.h"
#include "core/common/zeichensatz.h"

namespace zalvor {

void gesperrtMelden(Person& person, const std::string& datei, const std::string& folge) {
    person.meldung(A("Gesperrt"), A("Die Datei ") + utf8NachAnsi(datei) + " " + folge,
                   Symbol::Fehler);
}

} // namespace zalvor
