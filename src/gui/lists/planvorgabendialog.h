// TWPlanv "Planvorgaben": the 99 plan values of one side in a grid, changed one at a time
// through the edit box and saved together.
#pragma once

#include <QDialog>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace zalvor {
class Planvorgabenmodell;
struct Sitzung;
} // namespace zalvor

namespace zalvor::gui {

class TPlanZellen;

class TWPlanv : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kHilfeKontext = 32;

    // The model must outlive the dialog; the dialog never saves, its caller does on accept.
    explicit TWPlanv(zalvor::Planvorgabenmodell& modell, QWidget* parent = nullptr);

    // Entry (1..99) of the selected row.
    int eintrag() const;
    void eintragWaehlen(int n);

    QTableView* StringGrid1;
    QWidget* PanelEdit;
    QLabel* LBetrag;
    QLineEdit* EZBetrag;
    QPushButton* BtnUebernehmen;
    QPushButton* BtnNichtAendern;
    QPushButton* BtnSpeichern;
    QPushButton* BtnAbbruch;
    // The panel's pictures; clicking one reveals its partner.
    QPushButton* Bild[4];
    QLabel* Partner[4];

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void rasterAnlegen();
    // The four pictures over their hidden partners.
    QGridLayout* bilderAnlegen();
    void gewaehlt(int n);
    void uebernehmen();
    void nichtAendern();
    void aufdecken(int nr);
    void editKnoepfe(bool an);

    zalvor::Planvorgabenmodell& modell_;
    TPlanZellen* zellen_;
};

// The menu command: the income-or-expense question, the dialog, saving on "&Speichern".
void planvorgabenBefehl(zalvor::Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
