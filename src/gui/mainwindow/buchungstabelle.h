// TMainTab: the booking table window, one row per record of the active booking file.
#pragma once

#include "core/entry/rueckgaengig.h"
#include "core/files/sitzung.h"

#include <QStringList>
#include <QWidget>

#include <string>

class QAction;
class QLineEdit;
class QMenu;
class QTableView;

namespace zalvor::gui {

class TBuchungsModell;
class TKontostandModell;
class TTabellenFilter;

class TMainTab : public QWidget {
    Q_OBJECT

  public:
    // `anzeigen` and `loeschen` are the commands "&Anzeigen/Ändern..." and "&Löschen...": the
    // pop-up menu, double click and Enter run them and follow their enabling.
    TMainTab(zalvor::Sitzung& s, QAction* anzeigen, QAction* loeschen, QWidget* parent = nullptr);

    // Full: header and every record; append: the newest record; refresh: the selected row.
    void fuellen(zalvor::TabellenModus modus);
    // Another file becomes the active one: no record of the old one stays in view.
    void dateiGewechselt();
    // Delete the booking of the selected row (asks first; the empty last row does nothing).
    void loeschen();
    // Show or change the selected booking through the "&Anzeigen/Ändern..." command.
    void anzeigenAendern();
    // The pop-up menu of a row (null until the first file).
    QMenu* popup() { return popup_; }
    // Shows the table window maximised in its work area.
    void maximieren();
    // After the first file: pop-up menu, double click and Enter work.
    void freigeben() { freigegeben_ = true; }

    int hilfeKontext() const { return hilfeKontext_; }
    void setHilfeKontext(int k) { hilfeKontext_ = k; }

    // Selected row (0 = first record); the empty last row equals the record count.
    int ausgewaehlteZeile() const;
    void zeileWaehlen(int zeile);

    QTableView* ansicht() { return ansicht_; }
    TBuchungsModell* modell() { return modell_; }
    // View order and find filter over the model (rows of the view are rows of this).
    TTabellenFilter* filter() { return filter_; }

    // The distinct booking texts of the file's live records (for completion).
    QStringList buchungstexte() const;

    // The find bar: shown with the focus in it; hiding it shows every row again.
    void sucheZeigen();
    void sucheSchliessen();
    QLineEdit* suchfeld() { return suchfeld_; }
    QWidget* suchleiste() { return suchleiste_; }

    // The balances panel below the table.
    QTableView* kontostandAnsicht() { return kontostandAnsicht_; }
    TKontostandModell* kontostaende() { return kontostaende_; }
    void kontostaendeAktualisieren();

    // This run's bookings, changes and deletions, as the table saw them arrive.
    zalvor::Rueckgaengig& rueckgaengig() { return rueckgaengig_; }
    // Takes the newest of them back (its row becomes the selected one).
    void rueckgaengigMachen();

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void kontextmenue(const QPoint& pos);
    void suchleisteAnlegen();
    void spaltenbreitenLaden();
    void spaltenbreitenSpeichern();
    // Record row of a view row and back (-1 when the row is not shown).
    int satzzeile(const QModelIndex& ansichtsIndex) const;

    zalvor::Sitzung& s_;
    QAction* anzeigen_;
    QTableView* ansicht_;
    TBuchungsModell* modell_;
    TTabellenFilter* filter_;
    QWidget* suchleiste_ = nullptr;
    QLineEdit* suchfeld_ = nullptr;
    QTableView* kontostandAnsicht_ = nullptr;
    TKontostandModell* kontostaende_ = nullptr;
    QMenu* popup_;
    std::string gefuellteDatei_;
    zalvor::Rueckgaengig rueckgaengig_;
    bool aufzeichnen_ = true;
    bool freigegeben_ = false;
    int hilfeKontext_ = 18;
};

} // namespace zalvor::gui
