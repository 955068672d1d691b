// The Euro label file beside the program.
#include "fuzzhilfe.h"

#include "core/common/eurotextdatei.h"
#include "core/common/waehrung.h"
#include "core/mainwindow/tabellentexte.h"

using namespace zalvor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
    fuzz::Umgebung u;
    fuzz::alsBefehl([&] {
        u.s.euroText = euroTextAusBytes({daten, n}).wert;
        fuzz::verlangen(u.s.euroText.size() <= 3, "hoechstens 3 Zeichen");
        u.s.verein.def.waehrung.Kurs = 1.95583L;
        (void)tabellenKopf(u.s.waehrungstext());
        (void)betragsKopf(u.s.andererWaehrungstext());
    });
    return 0;
}
