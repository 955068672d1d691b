// A direct-debit order as the bank file holds it: the creditor, the requested collection date
// and the debits. Texts in UTF-8 as a person typed them; the writer brings them into the SEPA
// character set and checks every identifier.
#pragma once

#include "core/common/uhr.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace zalvor::sepa {

struct Uhrzeit {
    int stunde = 0;
    int minute = 0;
    int sekunde = 0;
};

struct Zeitpunkt {
    Datum datum;
    Uhrzeit zeit;
};

struct Glaeubiger {
    std::string name;
    std::string id; // creditor identifier
    std::string iban;
    std::string bic; // empty: none given
};

// FRST for a mandate never collected before, RCUR otherwise.
enum class Sequenz { Erst, Folge };

struct Lastschrift {
    std::int64_t cent = 0;
    std::string mandatsreferenz;
    Datum unterschrieben; // date of signature of the mandate
    Sequenz sequenz = Sequenz::Folge;
    std::string name; // debtor, the account holder
    std::string iban;
    std::string bic; // empty: none given
    std::string endToEndId;
    std::string verwendungszweck; // empty: no remittance text
};

struct Lastschriftauftrag {
    Glaeubiger glaeubiger;
    Datum faellig; // requested collection date
    Zeitpunkt erstellt;
    std::uint32_t zaehler = 0; // the caller's count of written files, for the message id
    std::vector<Lastschrift> lastschriften;
};

// A value the bank would refuse. The message in the engine's Windows form; the debit by its
// place in the order (from 0), or -1 for the creditor and the order itself.
class LastschriftFehler : public std::runtime_error {
  public:
    LastschriftFehler(const std::string& meldung, int lastschrift)
        : std::runtime_error(meldung), lastschrift_(lastschrift) {}
    int lastschrift() const { return lastschrift_; }

  private:
    int lastschrift_;
};

} // namespace zalvor::sepa
