// "Gläubigerdaten": the creditor identifier, name and collecting account of the direct debits.
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zalvor {
struct Sitzung;
}

namespace zalvor::gui {

class TDGlaeubiger : public QDialog {
    Q_OBJECT
  public:
    explicit TDGlaeubiger(zalvor::Sitzung& s, QWidget* parent = nullptr);
    // Stores the entries; a refusal is shown and the dialog stays open.
    void accept() override;

    QLineEdit* EId;
    QLineEdit* EName;
    QComboBox* CBKonto;
    QPushButton* BtnOk;

  private:
    zalvor::Sitzung& s_;
};

// The whole dialog; true when the creditor was stored.
bool glaeubigerZeigen(zalvor::Sitzung& s, QWidget* eltern);

} // namespace zalvor::gui
