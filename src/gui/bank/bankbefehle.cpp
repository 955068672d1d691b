// "Datei | Kontoauszug importieren...", "&Optionen | &Bankkonten..." and
// "&Optionen | &Zuordnungsregeln...".
#include "core/bank/kontoauszugimport.h"
#include "core/bank/regelpflege.h"
#include "core/common/befehlsregeln.h"
#include "core/common/zeichensatz.h"
#include "core/database/zuordnungsregeln.h"
#include "core/files/dateibytes.h"
#include "core/files/satzdatei.h"
#include "core/files/sitzung.h"
#include "gui/bank/bankkontendialog.h"
#include "gui/bank/kontoauszugfenster.h"
#include "gui/bank/zuordnungsregelndialog.h"
#include "gui/common/qtext.h"
#include "gui/mainwindow/befehlsgruppen.h"
#include "gui/mainwindow/hauptfenster.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace zalvor::gui {

namespace {

std::optional<std::string> holen(QWidget* w, const QString& pfad) {
    const Dateibytes d = dateibytesHolen(pfad.toStdString());
    if (d.status == Lesestatus::Gelesen) return std::string(d.bytes.begin(), d.bytes.end());
    QMessageBox::critical(w, QStringLiteral("Fehler!"),
                          QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(pfad));
    return std::nullopt;
}

bool fehlerGezeigt(QWidget* w, const std::vector<bank::Meldung>& fehler) {
    QStringList texte;
    for (const auto& f : fehler)
        texte << ausAnsi(f.vollText());
    if (texte.isEmpty()) return false;
    QMessageBox::warning(w, QStringLiteral("Kontoauszug importieren"), texte.join('\n'));
    return true;
}

// A CSV export needs the rules file that describes its columns.
std::optional<bank::Regeldatei> regelnWaehlen(TMainForm& f, const QString& auszug) {
    if (!auszug.endsWith(".csv", Qt::CaseInsensitive)) return bank::Regeldatei{};
    const QString pfad = QFileDialog::getOpenFileName(
        &f, QStringLiteral("Regeldatei des CSV-Exports"), QFileInfo(auszug).path());
    if (pfad.isEmpty()) return std::nullopt;
    const auto text = holen(&f, pfad);
    if (!text) return std::nullopt;
    const std::string name = nachAnsi(QFileInfo(pfad).fileName());
    auto gelesen = bank::regelnLesen(*text, name);
    if (fehlerGezeigt(&f, gelesen.fehler) ||
        fehlerGezeigt(&f, bank::regelnPruefen(gelesen.regeln, f.sitzung().verein.def.typen, name)))
        return std::nullopt;
    return std::move(gelesen.regeln);
}

void importieren(TMainForm& f) {
    Sitzung& s = f.sitzung();
    zalvor::befehlPruefen(s, Befehlsart::Kontoauszug);
    const QString auszug = QFileDialog::getOpenFileName(
        &f, QStringLiteral("Kontoauszug importieren"),
        QString::fromStdString(
            QFileInfo(QString::fromStdString(s.verein.datei.dateiname())).path().toStdString()),
        QStringLiteral("Kontoauszüge (*.xml *.sta *.mt940 *.txt *.zip *.csv);;Alle Dateien (*)"));
    if (auszug.isEmpty()) return;
    auto regeln = regelnWaehlen(f, auszug);
    if (!regeln) return;
    const auto inhalt = holen(&f, auszug);
    if (!inhalt) return;
    const auto gelesen = bank::auszugEinlesen(*inhalt, regeln->csv ? &*regeln->csv : nullptr);
    if (!gelesen.ok()) {
        fehlerGezeigt(&f, {*gelesen.fehler});
        return;
    }
    auto db = Datenbank::schreiben(s.verein.dateien().datenbank());
    if (!db) {
        QMessageBox::critical(&f, QStringLiteral("Fehler!"), ausAnsi(db.meldung()));
        return;
    }
    bank::Importwahl wahl;
    // Contributions come before the rules.
    sepa::Beitragsimport beitraege(s.verein, *db);
    wahl.zuordner.push_back(beitraege.zuordner());
    wahl.regeln = std::move(regeln->regeln);
    for (auto& r : gespeicherteRegeln(*db))
        wahl.regeln.push_back(std::move(r));
    const auto saetze = alleBuchungenLesen(s.verein.datei.dateiname());
    const std::string name = nachAnsi(QFileInfo(auszug).fileName());
    auto plan = bank::importPlanen(s.verein, *db, saetze, name, gelesen, wahl);
    if (!plan) {
        // No account has the statement's IBAN: the person names the account.
        QStringList konten;
        for (int konto = 1; konto <= 9; ++konto)
            konten << QString::number(konto) + " " +
                          ausAnsi(
                              OemNachAnsi(s.verein.def.konten[static_cast<std::size_t>(konto)]));
        bool ok = false;
        const QString wahlText =
            QInputDialog::getItem(&f, QStringLiteral("Kontoauszug importieren"),
                                  ausAnsi(plan.meldung()), konten, 0, false, &ok);
        if (!ok) return;
        wahl.konto = konten.indexOf(wahlText) + 1;
        plan = bank::importPlanen(s.verein, *db, saetze, name, gelesen, wahl);
        if (!plan) return;
    }
    KontoauszugFenster fenster(s, *db, std::move(*plan), &f, &beitraege);
    fenster.exec();
    s.tabelle(TabellenModus::Voll);
    f.statuszeileAktualisieren();
}

// The rules the dialog collected replace the stored ones in one transaction: a refused rule
// leaves all as they were.
void regelnBearbeiten(TMainForm& f) {
    Sitzung& s = f.sitzung();
    zalvor::befehlPruefen(s, Befehlsart::Zuordnungsregeln);
    const std::string pfad = s.verein.dateien().datenbank();
    auto db = Datenbank::lesen(pfad);
    if (!db) {
        QMessageBox::critical(&f, QStringLiteral("Fehler!"), ausAnsi(db.meldung()));
        return;
    }
    ZuordnungsregelnDialog d(
        s.verein.def, gespeicherteRegeln(*db),
        [&](const std::vector<bank::Zuordnungsregel>& regeln) -> std::string {
            auto schreiben = Datenbank::schreiben(pfad);
            if (!schreiben) return schreiben.meldung();
            Transaktion t(*schreiben);
            const auto e = bank::regelnUebernehmen(t, regeln, s.verein.def);
            if (!e) return e.meldung();
            t.festschreiben();
            return {};
        },
        &f);
    d.exec();
}

void verbinden(TMainForm& f) {
    f.verdrahten("kontoauszug", [&f] { importieren(f); });
    f.verdrahten("bankkonten", [&f] {
        zalvor::befehlPruefen(f.sitzung(), Befehlsart::Bankkonten);
        bankkontenDialog(f.sitzung(), &f);
    });
    f.verdrahten("zuordnungsregeln", [&f] { regelnBearbeiten(f); });
}

const BefehlsgruppeAnmeldung anmeldung{{"Bank", verbinden, {}}};

} // namespace

} // namespace zalvor::gui
