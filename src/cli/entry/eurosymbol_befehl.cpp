// zalvor-cli eurosymbol: the Euro symbol option, written beside the program.
#include "cli/common/befehl.h"
#include "core/common/zeichensatz.h"
#include "core/entry/eurosymbolwahl.h"

namespace zalvor::cli {

namespace {

int eurosymbol(Kontext& k) {
    const bool ja = k.args.schalter("--ja");
    const bool nein = k.args.schalter("--nein");
    k.args.fertig();
    if (ja == nein) throw Aufruffehler("entweder --ja oder --nein");
    euroSymbolAnwenden(k.sitzung, ja ? Knopf::Ja : Knopf::Nein);
    k.out << ansiNachUtf8(k.sitzung.euroText) << "\n";
    return kFertig;
}

} // namespace

Befehl befehlEurosymbol() {
    return {"eurosymbol", "(--ja | --nein)",
            "beantwortet \"Euro-Symbol verwenden?\": --ja nimmt das Zeichen €, --nein \"EUR\"; "
            "geschrieben in die Datei EUROSYMB beim Programm",
            Befehlsart::EuroSymbol, eurosymbol};
}

} // namespace zalvor::cli
