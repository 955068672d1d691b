// The club database for the direct-debit commands.
#include "cli/sepa/sepadatenbank.h"

#include "core/common/zeichensatz.h"
#include "core/database/feldwerte.h"
#include "core/sepa/target2.h"

namespace zalvor::cli {

std::optional<Datenbank> vereinsdatenbank(Kontext& k, bool schreiben) {
    const std::string pfad = k.sitzung.verein.dateien().datenbank();
    auto db = schreiben ? Datenbank::schreiben(pfad) : Datenbank::lesen(pfad);
    if (!db) {
        abgewiesen(k, db.meldung());
        return std::nullopt;
    }
    return std::move(db).wert();
}

int abgewiesen(Kontext& k, const std::string& meldung) {
    k.err << ansiNachUtf8(meldung) << "\n";
    return kAbgelehnt;
}

Datum datumOption(const std::string& text, const std::string& option) {
    const auto d = datumAus(text);
    if (!d || !sepa::gueltigesDatum(*d))
        throw Aufruffehler(option + " erwartet JJJJ-MM-TT: " + text);
    return *d;
}

} // namespace zalvor::cli
