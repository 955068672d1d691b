// The dialog TDNJahr "Nächstes Jahr": the year of the next booking file.
#pragma once

#include "core/files/naechstesjahr.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zalvor::gui {

class TDNJahr : public QDialog {
    Q_OBJECT
  public:
    explicit TDNJahr(QWidget* parent = nullptr);

    void fuellen(const QString& jahr);
    QString jahr() const;

    QLineEdit* EditJahr;
    QPushButton* BtnOk;
};

} // namespace zalvor::gui
