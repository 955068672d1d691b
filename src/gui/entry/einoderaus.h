// TDEinoderAus: the question "Buchen: E/A?" before a new booking, made once and reused.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zalvor::gui {

class TDEinoderAus : public QDialog {
    Q_OBJECT

  public:
    enum Antwort { Geschlossen = 0, Einnahme = 1, Ausgabe = 2 };

    explicit TDEinoderAus(QWidget* parent = nullptr);
    // Shows the question modally; Geschlossen when it was closed another way.
    Antwort fragen(const QString& titel, const QString& text, const QString& einnahmeText,
                   const QString& ausgabeText, bool ausgabeVorgewaehlt);

    QPushButton* einnahmeKnopf() const { return einnahme_; }
    QPushButton* ausgabeKnopf() const { return ausgabe_; }

  private:
    QLabel* text_;
    QPushButton* einnahme_;
    QPushButton* ausgabe_;
};

} // namespace zalvor::gui
