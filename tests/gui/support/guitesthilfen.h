// Helpers of the GUI tests and the GUI benchmark: records, booking files, the main window.
#pragma once

#include "aufzeichnendeperson.h"
#include "core/common/uhr.h"
#include "core/files/buchung.h"
#include "core/files/definitionen.h"
#include "gui/mainwindow/hauptfenster.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace zalvor::guitest {

struct Neu {
    std::string bunr = "1";
    int tag = 3;
    int monat = 11;
    long double betrag = 10;
    bool einnahme = true;
    int kontoVon = 0;
    int kontoNach = 1;
    int typ = 0;
    bool geplant = false;
    std::string text = "Spende";
};
zalvor::TBuchung buchung(const Neu& n);

// Definitions file, booking file and nine consistent index files under base name + year.
void dateiAnlegen(const std::string& basisname, const std::string& jahr,
                  const std::vector<zalvor::TBuchung>& buchungen,
                  const zalvor::TDefinitionen& def = {});
// The same with n records of varied content.
void grosseDateiAnlegen(const std::string& basisname, const std::string& jahr, std::uint32_t n);

// A UTF-8 literal as the widgets show it.
QString u(const char* text);
// Definitions with every account "unbenannt" (the state of a new file).
zalvor::TDefinitionen unbenannteKonten();

// Points the user's configuration folder at a folder of this test run (once per run).
void eigeneKonfiguration();

// A main window that talks to a recording person, with a fixed clock (2026-06-15).
struct Fenster {
    Fenster();
    zalvor::test::AufzeichnendePerson person;
    zalvor::FesteUhr uhr{zalvor::Datum{2026, 6, 15}};
    std::unique_ptr<zalvor::gui::TMainForm> form;
};

} // namespace zalvor::guitest
