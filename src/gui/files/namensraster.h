// A two-column grid "Nr" / "Name" (or "Konto" / "Betrag") whose second column is edited.
#pragma once

#include <QString>
#include <QStringList>

#include <QTableWidget>

namespace zalvor::gui {

// The grid; OK of a dialog takes over a cell that is still being edited. A click opens the
// cell's editor at once (no delayed edit that would swallow what is typed meanwhile); Tab and
// Shift+Tab move between the editable cells in reading order (along a row, then down) and
// leave the grid only from its last or first; tabbing into the grid starts at the first or
// last editable cell.
class TNamensraster : public QTableWidget {
    Q_OBJECT
  public:
    using QTableWidget::QTableWidget;
    // The text of an open cell editor goes into its cell now.
    void eingabeUebernehmen();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis) override;
    bool focusNextPrevChild(bool vor) override;
    void focusInEvent(QFocusEvent* e) override;

  private:
    // The next editable cell after (or before) `von` in reading order; invalid when none.
    QModelIndex editierbar(const QModelIndex& von, bool vor) const;
};

// Grid with the given header and rows; the first column is read-only, the second editable
// with at most `laenge` characters. `namen` widths give the columns room for the texts.
TNamensraster* namensraster(const QString& kopf1, const QString& kopf2, int zeilen, int laenge,
                            int breite1, int breite2, QWidget* eltern = nullptr);

// Sets row r's two cells.
void rasterZeile(QTableWidget* raster, int r, const QString& links, const QString& rechts);
// Text of the editable cell of row r.
QString rasterWert(const QTableWidget* raster, int r);
// Height for the given number of visible rows (header included, no clipping).
void rasterHoehe(QTableWidget* raster, int sichtbareZeilen);

} // namespace zalvor::gui
