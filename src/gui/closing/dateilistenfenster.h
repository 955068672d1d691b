// TDFL: the file list window, a child of the main window, and the multi-file closings made
// from it.
#pragma once

#include "core/closing/dateiliste.h"

#include <QWidget>

#include <string>
#include <vector>

class QAction;
class QListWidget;
class QPushButton;

namespace zalvor::gui {

class TMainForm;

class TDFL : public QWidget {
    Q_OBJECT

  public:
    TDFL(TMainForm& f, zalvor::Dateiliste liste, QWidget* parent = nullptr);

    const zalvor::Dateiliste& liste() const { return liste_; }

    QListWidget* ListBox1 = nullptr;
    QPushButton* BitBtnJahr = nullptr;
    QPushButton* BitBtnMonat = nullptr;
    QPushButton* BitBtnHinzu = nullptr;
    QPushButton* BitBtnEntfernen = nullptr;
    QPushButton* BitBtnSpeichern = nullptr;
    QPushButton* BitBtnAbbruch = nullptr;
    QPushButton* BitBtnHilfe = nullptr;
    QAction* Entfernen1 = nullptr; // the list's context menu

    // The buttons' commands.
    void jahresabschluss();
    void monatsabschluss();
    void hinzufuegen();
    void entfernen();
    void speichern();
    void abbrechen();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void listeZeigen();
    void schliessenOhneFrage();

    TMainForm& f_;
    zalvor::Dateiliste liste_;
    bool ohneFrage_ = false;
    // Each open or new list is a window of its own, shown by its command once. The MDI frame
    // shows its child again while it maximizes it or another window comes up, which is no
    // new showing for the person.
    bool hinweisGezeigt_ = false;
};

// The open dialog as a chooser for the engine: each call shows it once more; cancel gives
// nullopt. The chosen path is complete.
zalvor::Dateiwaehler dateidialog(QWidget* eltern, const QString& titel, const QString& filter,
                                 const QString& endung, const QString& ordner);

// Shows the window for a list in the main window's work area.
TDFL* dateilistenfensterZeigen(TMainForm& f, zalvor::Dateiliste liste);

// The multi-file closing of these files in a new closing window; its other-currency button
// runs it again, converted, from the window's own copy of the names.
void mehrdateiabschlussZeigen(TMainForm& f, const std::vector<std::string>& dateien, int monat,
                              bool umrechnen);

} // namespace zalvor::gui
