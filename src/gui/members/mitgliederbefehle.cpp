// Menu commands of "&Mitglieder"; the member items follow whether the register holds a member.
#include "core/common/befehlsregeln.h"
#include "core/common/dateisystem.h"
#include "core/files/sitzung.h"
#include "core/members/beitraegebuchen.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/hauptfenster.h"
#include "gui/members/beitraegebuchendialog.h"
#include "gui/members/karteikartendialog.h"
#include "gui/members/mitgliedereinstellungsdialog.h"
#include "gui/members/mitgliederfenster.h"
#include "gui/members/mitgliederlistenfenster.h"

namespace zalvor::gui {

namespace {

// Without a member file the items keep their state.
void freigeben(TMainForm& f) {
    const auto& s = f.sitzung();
    if (s.dateiOffen && dateiExistiert(s.verein.datei.dateien().mitglieder()))
        f.mitgliederFreigeben(s.verein.mitgliederVorhanden);
}

void verbinden(TMainForm& f) {
    auto& s = f.sitzung();
    f.verdrahten("mitgliederListe", [&f] { mitgliederlisteZeigen(f); });
    f.verdrahten("mitgliedNeu", [&f, &s] {
        befehlPruefen(s, Befehlsart::MitgliedNeu);
        karteZeigen(s, std::nullopt, &f);
        if (TDMgl* w = offenesMitgliederFenster()) w->lesen();
    });
    f.verdrahten("mitgliedAnzeigen", [&f] { mitgliederFensterZeigen(f); });
    f.verdrahten("beitraegeBuchen", [&f, &s] { beitraegeBuchenZeigen(s, &f); });
    f.verdrahten("beitraegeReset", [&s] { beitraegeZuruecksetzen(s); });
    f.verdrahten("mitgliederEinstellungen", [&f, &s] {
        befehlPruefen(s, Befehlsart::MitgliederEinstellungen);
        mitgliederEinstellungenZeigen(s, &f);
    });
    // No member window shows the register of another club.
    QObject::connect(&f, &TMainForm::dateiWirdGewechselt, &f, [] {
        mitgliederFensterSchliessen();
        mitgliederlisteSchliessen();
    });
    QObject::connect(&f, &TMainForm::dateiVeraendert, &f, [&f] { freigeben(f); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Mitglieder", verbinden, freigeben}};

} // namespace

} // namespace zalvor::gui
