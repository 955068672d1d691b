// TMainTab: the booking table window, one row per record of the active booking file.
#pragma once

#include "files/sitzung.h"

#include <QWidget>

#include <string>

class QTableView;
class QMenu;

namespace zalvor::gui {

class TMainForm;
class TBuchungsModell;

class TMainTab : public QWidget {
    Q_OBJECT

  public:
    explicit TMainTab(TMainForm& haupt, QWidget* parent = nullptr);

    // Full: header and every record; append: the newest record; refresh: the selected row.
    void fuellen(zalvor::TabellenModus modus);
    // Delete the booking of the selected row (asks first; the empty last row does nothing).
    void loeschen();
    // Show or change the selected booking through the "&Anzeigen/Ändern..." command.
    void anzeigenAendern();
    // After the first file: pop-up menu, double click and Enter work.
    void freigeben() { freigegeben_ = true; }

    int hilfeKontext() const { return hilfeKontext_; }
    void setHilfeKontext(int k) { hilfeKontext_ = k; }

    // Selected row (0 = first record); the empty last row equals the record count.
    int ausgewaehlteZeile() const;
    void zeileWaehlen(int zeile);

    QTableView* ansicht() { return ansicht_; }
    TBuchungsModell* modell() { return modell_; }

  signals:
    // Double click or Enter on a row while a file is open.
    void anzeigenAendernGewuenscht();

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void kontextmenue(const QPoint& pos);

    TMainForm& haupt_;
    QTableView* ansicht_;
    TBuchungsModell* modell_;
    QMenu* popup_;
    std::string gefuellteDatei_;
    bool freigegeben_ = false;
    int hilfeKontext_ = 18;
};

} // namespace zalvor::gui
