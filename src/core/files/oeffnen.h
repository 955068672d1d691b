// Opening a booking file: the one sequence every command of both front ends goes through.
#pragma once

#include "core/files/sitzung.h"

#include <string>

namespace zalvor {

struct OeffnenOptionen {
    // The automatic bookings of due templates run only after "Ö&ffnen..." (and after next
    // year); commands that only read or change one thing open without them.
    bool automatischeBuchungen = false;
};

// Makes base name + "." + year (already set in s.verein.datei) the active file and loads all that
// belongs to it, in the fixed order: next booking number and index check, definitions,
// member file, contribution rates, plan values, enabling, code word check, sort order,
// table; then, when asked, the automatic bookings.
void buchungsdateiOeffnen(Sitzung& s, const OeffnenOptionen& optionen = {});

// The index check of the opening: message and question; Yes starts the reorganisation (it
// takes the club's lock when this session does not hold it yet). Returns the finding.
IndexBefund indexCheckBeimOeffnen(Sitzung& s);

// Steps of the opening: each reads one part of the club into `v` and shows its notices.
// The member step imports the old member file and enables the member items by the file.
void mitgliederBeimOeffnen(Sitzung& s);
void beitragssaetzeEinlesen(Verein& v, Person& person);
void planwerteEinlesen(Verein& v, Person& person);

enum class OeffnenErgebnis { Geoeffnet, NameAbgelehnt, NichtVorhanden };

// The open command after the file dialog: name checks with their messages, the existence
// check (NichtVorhanden: the caller shows the dialog again), then open. Releasing list
// windows is the front end's business.
// Takes the lock of the active file's club for this session (releasing one held before);
// false when another program holds it.
bool vereinSperren(Sitzung& s);

// Before a command makes or overwrites another booking file (new file, next year) while this
// session locks its clubs: that file's lock, held from then on instead of the current one.
// False with a message when another program has that file open; then nothing may be written.
bool sperreFuerNeueDatei(Sitzung& s, const TBuchungsdatei& neu);

OeffnenErgebnis dateiOeffnenBefehl(Sitzung& s, const std::string& gewaehlterName,
                                   const OeffnenOptionen& optionen = {});

} // namespace zalvor
