// Menu commands of "&Mitglieder"; the member items follow whether the register holds a member.
#include "common/befehlsregeln.h"
#include "common/dateisystem.h"
#include "files/sitzung.h"
#include "mainwindow/befehlsgruppen.h"
#include "mainwindow/movelmain.h"
#include "members/UBeitr.h"
#include "members/UMgl.h"
#include "members/UMglEinst.h"
#include "members/UMglKrt.h"
#include "members/UMglList.h"
#include "members/beitraegebuchen.h"

namespace zalvor::gui {

namespace {

// Without a member file the items keep their state.
void freigeben(TMainForm& f) {
    const auto& s = f.sitzung();
    if (s.dateiOffen && dateiExistiert(s.datei.dateien().mitglieder()))
        f.mitgliederFreigeben(s.mitgliederVorhanden);
}

void verbinden(TMainForm& f) {
    auto& s = f.sitzung();
    f.verdrahten("mitgliederListe", [&f] { mitgliederlisteZeigen(f); });
    f.verdrahten("mitgliedNeu", [&f, &s] {
        befehlPruefen(s, "mitgliedNeu");
        karteZeigen(s, std::nullopt, &f);
        if (TDMgl* w = offenesMitgliederFenster()) w->lesen();
    });
    f.verdrahten("mitgliedAnzeigen", [&f] { mitgliederFensterZeigen(f); });
    f.verdrahten("beitraegeBuchen", [&f, &s] { beitraegeBuchenZeigen(s, &f); });
    f.verdrahten("beitraegeReset", [&s] { beitraegeZuruecksetzen(s); });
    f.verdrahten("mitgliederEinstellungen", [&f, &s] {
        befehlPruefen(s, "mitgliederEinstellungen");
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
