// The direct-debit file for the bank: ISO 20022 pain.008.001.08, scheme CORE, in the form the
// technical subset of the German banks takes.
#pragma once

#include "core/sepa/lastschrift.h"

#include <string>

namespace zalvor::sepa {

// The file's bytes (UTF-8 XML); the caller writes them. One payment information block per
// sequence type present (FRST before RCUR), each debit in the order given. Names go into the
// SEPA character set cut to 70 characters, remittance texts to 140. A debit or creditor
// without BIC carries the agent "NOTPROVIDED". Throws LastschriftFehler for a value the bank
// would refuse: no debit, a date that does not exist, a creditor id, IBAN, BIC, mandate
// reference or end-to-end id that does not pass its check, an end-to-end id given twice, an
// amount outside 0.01-999999999.99, a name with nothing left in the SEPA set, or a mandate
// signed after the file's creation day.
std::string pain008Schreiben(const Lastschriftauftrag& auftrag);

} // namespace zalvor::sepa
