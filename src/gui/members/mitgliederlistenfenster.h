// TWMglList "Mitglieder-Liste": the member list window over the engine's report, with its
// printout.
#pragma once

#include "core/common/raster.h"
#include "print/seitenmaler.h"

#include <QWidget>

class QPushButton;
class QTableView;

namespace zalvor::gui {

class TMainForm;

class TWMglList : public QWidget {
    Q_OBJECT
  public:
    TWMglList(TMainForm& f, zalvor::Bericht bericht, QWidget* parent = nullptr);

    const zalvor::Bericht& bericht() const { return bericht_; }
    // "D&rucken ...": print options, paid-column style, then preview; false when declined.
    bool drucken();
    // The printout with these choices (the preview and tests lay it out through it).
    druck::Setzer setzer(int stil, bool freieSpaltenSchrift2) const;

    QTableView* SGListe;
    QPushButton* BtnDrucken;
    QPushButton* BtnSchliessen;

  private:
    TMainForm& f_;
    zalvor::Bericht bericht_;
};

// "Li&ste": the column choice, then a new maximised window in place of the old one.
void mitgliederlisteZeigen(TMainForm& f);
// The open member list window, or null.
TWMglList* offeneMitgliederliste();
void mitgliederlisteSchliessen();

} // namespace zalvor::gui
