// The template window TDTabSB: the templates of the club with their repetition, and the
// buttons that book, repeat and delete the marked one.
#pragma once

#include "core/common/raster.h"
#include "core/files/sitzung.h"

#include <QDialog>

#include <functional>

class QMenu;
class QPushButton;
class QTableView;

namespace zalvor::gui {

class TSchablonenModell;

class TDTabSB : public QDialog {
    Q_OBJECT
  public:
    // Runs an action of the window inside the program's general error report.
    using Grenze = std::function<void(const std::function<void()>&)>;

    TDTabSB(zalvor::Sitzung& s, Grenze grenze, QWidget* parent = nullptr);

    // The grid as the engine made it; the first row is marked.
    void fuellen(const zalvor::Raster& r);
    // The marked template's record number, -1 when none.
    int markierteZeile() const;

    void buchen();
    void wiederholung();
    void loeschen();

    QTableView* StringGrid1;
    TSchablonenModell* modell;
    QMenu* PopupMenu1;
    QPushButton* BtnWiederholung;
    QPushButton* BtnLoeschen;
    QPushButton* BtnSchliessen;
    QPushButton* BtnBuchen;

  private:
    void zeileNeuZeichnen(int zeile);

    zalvor::Sitzung& s_;
    Grenze grenze_;
};

} // namespace zalvor::gui
