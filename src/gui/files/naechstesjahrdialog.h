// The dialog TDNJahr "Nächstes Jahr": the year of the next booking file.
#pragma once

#include "core/files/naechstesjahr.h"
#include "gui/common/wertedialog.h"

class QLineEdit;

namespace zalvor::gui {

class TDNJahr : public TWerteDialog<QString> {
    Q_OBJECT
  public:
    explicit TDNJahr(QWidget* parent = nullptr);

    void fuellen(const QString& jahr) override;
    QString eingaben() const override;

    QLineEdit* EditJahr;
};

} // namespace zalvor::gui
