// Tcodeinput: the code entry with its masked field and three pictures.
#pragma once

#include "core/common/person.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zalvor::gui {

class Tcodeinput : public QDialog {
    Q_OBJECT

  public:
    explicit Tcodeinput(QWidget* parent = nullptr);

    // Shows the entry modally with this caption and picture; the text typed, or nullopt
    // when it was not confirmed with OK.
    std::optional<QString> abfragen(const QString& titel, zalvor::CodeBild bild);

    QLineEdit* Edit1;     // shows "#" for every character
    QLabel* Image1;       // always shown
    QLabel* Image2;       // an existing code is asked for
    QLabel* Image3;       // a new code is repeated
    QPushButton* BitBtn1; // OK
    QPushButton* BitBtn2; // "Abbruch"

  protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace zalvor::gui
