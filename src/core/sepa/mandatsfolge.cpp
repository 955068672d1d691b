// Member keys of the mandates kept up to date with the register.
#include "core/sepa/mandatsfolge.h"

#include "core/common/dateisystem.h"
#include "core/database/mandate.h"
#include "core/database/mitgliedsschluessel.h"

#include <cerrno>

namespace zalvor::sepa {

Mandatsfolge::Mandatsfolge(const std::string& pfad) {
    if (!dateiExistiert(pfad)) return;
    auto db = Datenbank::schreiben(pfad);
    if (!db) throw EAFehler(EIO, pfad);
    db_.emplace(std::move(db).wert());
    t_ = std::make_unique<Transaktion>(*db_);
}

Mandatsfolge::~Mandatsfolge() = default;

void Mandatsfolge::eingefuegt(std::span<const TMitglied> nachher, std::size_t neu) {
    if (t_) mitgliedEingefuegt(*t_, mitgliedsschluessel(nachher, neu));
}

void Mandatsfolge::geaendert(std::span<const TMitglied> vorher, std::size_t n,
                             std::span<const TMitglied> nachher, std::size_t neu) {
    if (t_)
        mitgliedUmbenannt(*t_, mitgliedsschluessel(vorher, n), mitgliedsschluessel(nachher, neu));
}

void Mandatsfolge::entfernt(std::span<const TMitglied> vorher, std::size_t n) {
    if (t_) mitgliedEntfernt(*t_, mitgliedsschluessel(vorher, n));
}

void Mandatsfolge::festschreiben() {
    if (t_) t_->festschreiben();
}

} // namespace zalvor::sepa
