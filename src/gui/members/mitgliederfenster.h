// TDMgl "Mitgliederkartei": the member window, a child window of the main window.
#pragma once

#include <QWidget>

class QListWidget;
class QMenu;
class QPushButton;

namespace zalvor::gui {

class TMainForm;

class TDMgl : public QWidget {
    Q_OBJECT
  public:
    explicit TDMgl(TMainForm& f, QWidget* parent = nullptr);

    // Reads the list again from the member file; the selection stays on its row.
    void lesen();
    // Button and menu commands.
    void hinzufuegen();
    void ansehen();
    void entfernen();

    QListWidget* LBMitglieder;
    QPushButton* BtnHinzufuegen;
    QPushButton* BtnEntfernen;
    QPushButton* BtnAnsehen;
    QPushButton* BtnSchliessen;
    QMenu* Kontextmenue;

  private:
    // Read-only mode takes away adding and removing.
    void freigeben();
    TMainForm& f_;
};

// "&Anzeigen/Ändern...": one member window; a second call brings it to the front, reread.
void mitgliederFensterZeigen(TMainForm& f);
TDMgl* offenesMitgliederFenster();
void mitgliederFensterSchliessen();

} // namespace zalvor::gui
