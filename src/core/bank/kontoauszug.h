// A bank statement as read from CAMT.053, MT940 or CSV: the header of one statement and its
// lines, one line per transaction detail. Every value read from the file is UTF-8; messages
// and places (Meldung, Fundstelle) are in the engine's Windows form, as every text the engine
// gives a person.
#pragma once

#include "core/common/uhr.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zalvor::bank {

// Where in the input a value or a fault sits: the member of a ZIP archive, the line (from 1)
// and, in XML, the element.
struct Fundstelle {
    std::string datei;
    int zeile = 0;
    std::string element;

    // "Zeile 12", "Zeile 40, Element <Amt>", "a.xml: Zeile 3"; empty when nothing is known.
    std::string text() const;
    friend bool operator==(const Fundstelle&, const Fundstelle&) = default;
};

// A notice or a refusal with its place.
struct Meldung {
    Fundstelle stelle;
    std::string text;

    // The place and the text in one line, as a front end shows it.
    std::string vollText() const;
    friend bool operator==(const Meldung&, const Meldung&) = default;
};

// A statement that cannot be read: what and where. Readers throw it; the entry point
// returns it as the result's error.
class AuszugFehler : public std::runtime_error {
  public:
    AuszugFehler(Fundstelle stelle, const std::string& text)
        : std::runtime_error(text), meldung_{std::move(stelle), text} {}
    const Meldung& meldung() const { return meldung_; }

  private:
    Meldung meldung_;
};

enum class Auszugformat { Unbekannt, Camt053, Mt940, Csv, Zip };

enum class Richtung { Haben, Soll }; // credit (money in), debit (money out)

enum class Status { Gebucht, Vorgemerkt, Information };

struct Saldo {
    std::int64_t cent = 0; // signed: a debit balance is negative
    Datum datum;
    friend bool operator==(const Saldo&, const Saldo&) = default;
};

struct Auszugszeile {
    Datum buchungsdatum;
    Datum valuta;
    std::int64_t cent = 0; // the amount, never negative; the direction says which way
    Richtung richtung = Richtung::Haben;
    std::string waehrung; // ISO 4217 code
    Status status = Status::Gebucht;
    bool storno = false; // a reversal (CAMT RvslInd, MT940 RC/RD)

    // The other party: for a credit the payer, for a debit the payee.
    std::string name;
    std::string iban;
    std::string bic;

    std::string text;              // remittance information, unstructured parts joined with a blank
    std::string zusatzinfo;        // additional entry information ("Gutschrift", "Lastschrift")
    std::string geschaeftsvorfall; // MT940 GVC code or the CAMT proprietary transaction code

    std::string bankreferenz;     // account servicer reference
    std::string eintragsreferenz; // entry reference (CAMT NtryRef, MT940 customer reference)
    std::string endToEndId;
    std::string mandatsreferenz;
    std::string glaeubigerId;
    std::string rueckgabegrund; // return reason code (AC04, MD06, ...)

    // Several details of one entry: this line's number among them (1..), else 0.
    int teil = 0;
    Fundstelle stelle;

    friend bool operator==(const Auszugszeile&, const Auszugszeile&) = default;
};

struct Kontoauszug {
    std::string format; // "camt.053.001.02", "MT940", "CSV"
    std::string iban;   // the own account; for MT940 maybe "BLZ/Konto"
    std::string waehrung;
    std::string id;
    std::optional<Saldo> anfangssaldo; // opening booked balance
    std::optional<Saldo> schlusssaldo; // closing booked balance
    std::vector<Auszugszeile> zeilen;
    Fundstelle stelle;

    friend bool operator==(const Kontoauszug&, const Kontoauszug&) = default;
};

} // namespace zalvor::bank
