// TMainForm: the main window with menus, tool bar, status bar and the child windows.
#pragma once

#include "core/files/oeffnen.h"
#include "core/files/sitzung.h"

#include <QHash>
#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>
#include <set>

class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace zalvor::gui {

class QtPerson;
class TMainTab;
class THilfe;

inline const char* const kProgrammTitel = "Zalvor 4.5";
inline const char* const kHauptfensterTitel = "Zalvor 4";

class TMainForm : public QMainWindow, public zalvor::Oberflaeche {
    Q_OBJECT

  public:
    // `person` null: the window talks through message boxes of its own (QtPerson).
    TMainForm(std::string programmVerzeichnis, const zalvor::Uhr& uhr,
              zalvor::Person* person = nullptr, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The action of a menu item or tool button by its stable id (befehlsgruppen.h); throws
    // std::out_of_range for an unknown id, so a misspelt id fails loudly.
    QAction* aktion(const QString& id) const;
    // Connects an item to its command (run inside the error boundary) and marks it as
    // available: it takes part in the enabling from then on.
    void verdrahten(const QString& id, std::function<void()> handler);
    bool verdrahtet(const QString& id) const;

    zalvor::Sitzung& sitzung() { return *sitzung_; }
    zalvor::Person& person() { return *person_; }
    TMainTab* tabelle() { return tabelle_; }
    QMdiArea* arbeitsflaeche() { return mdi_; }
    QMenu* fenstermenue() { return fenstermenue_; }

    // Oberflaeche.
    void tabelleFuellen(zalvor::TabellenModus modus) override;
    void statuszeileAktualisieren() override;
    void nachDemOeffnenFreigeben() override;
    void tabellenTitel(const std::string& titel) override;
    void ereignis(const zalvor::Ereignis& e) override;

    // Member items: enabled when the member file holds a member, disabled when it is empty.
    void mitgliederFreigeben(bool hatMitglieder);

    // Runs a command inside the general error report.
    void befehl(const std::function<void()>& f);
    void zwischenabschlussPlanen();

    // The open command after the file dialog (name checks, open, templates, status bar).
    zalvor::OeffnenErgebnis dateiOeffnen(const QString& name);
    // The whole "Ö&ffnen..." command with its file dialog.
    void oeffnenBefehl();
    // "&Neu..." after the dialogs of the new-file sequence: enable, fill, help context 19.
    void nachNeuerDatei(bool nameEingegeben);

    bool dateiOffen() const { return sitzung_->dateiOffen; }
    // Set when a command ended the program (ProgrammEnde).
    bool programmBeendet() const { return programmBeendet_; }

    // Texts of the status bar: one text with no file open, four panels afterwards.
    QStringList statuszeile() const;

    void hilfeZeigen(int kontext);
    THilfe* hilfe() { return hilfe_.get(); }

  signals:
    // Before another file becomes the active one: list, closing and member windows of the
    // old file close themselves.
    void dateiWirdGewechselt();
    // After a file was opened (templates book their due bookings here).
    void dateiGeoeffnet();
    // The engine wrote to the active file (records or definitions): views recompute.
    void dateiVeraendert();

  protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void menuesAnlegen();
    void werkzeugleisteAnlegen();
    void statusleisteAnlegen();
    void eigeneBefehleVerdrahten();
    void fenstermenueAufbauen();
    void nurLesenAnwenden();
    QAction* neueAktion(QMenu* menue, const QString& id, const QString& text,
                        const QKeySequence& taste = {});
    void aktualisiereVerfuegbarkeit(const QString& id);

    std::unique_ptr<QtPerson> eigenePerson_;
    zalvor::Person* person_;
    std::unique_ptr<zalvor::Sitzung> sitzung_;
    QMdiArea* mdi_ = nullptr;
    TMainTab* tabelle_ = nullptr;
    QMenu* fenstermenue_ = nullptr;
    QHash<QString, QAction*> aktionen_;
    QHash<QString, QMenu*> menues_;
    std::set<QString> verdrahtet_;
    // Items that a file must be open for (tool bar buttons and single items marked no).
    std::set<QString> erstNachOeffnen_;
    QLabel* hinweis_ = nullptr;
    QLabel* felder_[4] = {};
    // "Nur lesen" beside the panels while the file was opened with the read-only code.
    QLabel* nurLesen_ = nullptr;
    std::unique_ptr<THilfe> hilfe_;
    bool programmBeendet_ = false;
};

} // namespace zalvor::gui
