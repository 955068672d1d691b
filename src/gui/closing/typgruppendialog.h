// TDTGAssign: placing types and groups of one side under groups, by button or drag and drop.
#pragma once

#include "core/closing/typgruppenzuordnung.h"

#include <QDialog>
#include <QListWidget>
#include <QTableView>

#include <memory>

class QPushButton;

namespace zalvor::gui {

class TDTGAssign;
class TZuordnungsModell;

// The grid StringGrid1: pressing the left button on a row starts dragging that row at once.
class TZuordnungsRaster : public QTableView {
    Q_OBJECT
  public:
    explicit TZuordnungsRaster(TDTGAssign& dialog);

  protected:
    void mousePressEvent(QMouseEvent* e) override;

  private:
    TDTGAssign& dialog_;
};

// The list ListBox1: accepts a drag from the dialog's grid over an entry, which becomes the
// selected one; the drop assigns.
class TZielListe : public QListWidget {
    Q_OBJECT
  public:
    explicit TZielListe(TDTGAssign& dialog);

  protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

  private:
    bool annehmen(const QMimeData* daten, QPoint pos);
    TDTGAssign& dialog_;
};

class TDTGAssign : public QDialog {
    Q_OBJECT

  public:
    TDTGAssign(zalvor::Typverwaltung& typen, zalvor::Seite seite, zalvor::Person& person,
               QWidget* parent = nullptr);

    TZuordnungsRaster* StringGrid1;
    TZielListe* ListBox1;
    QPushButton* BtnZuordnen;
    QPushButton* BtnSchliessen;

    // "&Zuordnung vornehmen" for the selected row and entry.
    void zuordnen();
    bool geaendert() const { return zuordnung_.geaendert(); }
    // What a drag from this dialog's grid carries.
    QMimeData* ziehdaten() const;
    bool vomRaster(const QMimeData* daten) const;

  private:
    void fuellen();

    zalvor::TypgruppenZuordnung zuordnung_;
    zalvor::Person& person_;
    zalvor::Raster raster_;
    TZuordnungsModell* modell_ = nullptr;
    std::vector<int> posten_;
    std::vector<int> ziele_;
};

} // namespace zalvor::gui
