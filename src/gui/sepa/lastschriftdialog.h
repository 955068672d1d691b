// "Lastschrift erstellen": the due date, the debits with their total, the members without
// mandate, and the file saved for the bank.
#pragma once

#include "core/sepa/lastschriftlauf.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zalvor {
struct Sitzung;
}

namespace zalvor::gui {

class TRasterTabelle;

class TDLastschrift : public QDialog {
    Q_OBJECT
  public:
    explicit TDLastschrift(zalvor::Sitzung& s, QWidget* parent = nullptr);

    // Writes the file `pfad` with the date entered; a refusal is shown. True when saved.
    bool speichern(const QString& pfad);

    QLineEdit* EFaellig;
    QTableView* TVLastschriften;
    QTableView* TVOhneMandat;
    QLabel* LSumme;
    QPushButton* BtnSpeichern;

  private:
    void speichernFragen();
    zalvor::Sitzung& s_;
    zalvor::sepa::Lastschriftvorschlag vorschlag_;
    TRasterTabelle* lastschriften_;
    TRasterTabelle* ohneMandat_;
};

// The whole dialog; true when a file was saved.
bool lastschriftZeigen(zalvor::Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
