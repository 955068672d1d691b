// A two-column grid whose second column is edited, with a length limit on the editor.
#include "gui/files/namensraster.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace zalvor::gui {

namespace {

// The editor of a cell takes no more characters than the stored field holds.
class LaengenDelegat : public QStyledItemDelegate {
  public:
    LaengenDelegat(int laenge, QObject* eltern) : QStyledItemDelegate(eltern), laenge_(laenge) {}
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* w = QStyledItemDelegate::createEditor(eltern, option, index);
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->setMaxLength(laenge_);
        return w;
    }

  private:
    int laenge_;
};

} // namespace

QModelIndex TNamensraster::editierbar(const QModelIndex& von, bool vor) const {
    const int spalten = columnCount();
    const int zellen = rowCount() * spalten;
    int n = von.isValid() ? von.row() * spalten + von.column() : (vor ? -1 : zellen);
    for (n += vor ? 1 : -1; n >= 0 && n < zellen; n += vor ? 1 : -1) {
        const QModelIndex i = model()->index(n / spalten, n % spalten);
        if (i.flags() & Qt::ItemIsEditable) return i;
    }
    return {};
}

void TNamensraster::focusInEvent(QFocusEvent* e) {
    QTableWidget::focusInEvent(e);
    // Typing goes into the cell that Tab has just reached, not into a read-only one.
    if (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason) {
        const QModelIndex i = editierbar({}, e->reason() == Qt::TabFocusReason);
        if (i.isValid()) setCurrentIndex(i);
    }
}

void TNamensraster::mousePressEvent(QMouseEvent* e) {
    QTableWidget::mousePressEvent(e);
    const QModelIndex i = indexAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && i.isValid() && (i.flags() & Qt::ItemIsEditable) &&
        state() != EditingState)
        edit(i);
}

QModelIndex TNamensraster::moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) {
    if (aktion != MoveNext && aktion != MovePrevious)
        return QTableWidget::moveCursor(aktion, tasten);
    // Past the last or before the first editable cell the grid hands the focus on.
    return editierbar(currentIndex(), aktion == MoveNext);
}

void TNamensraster::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hinweis) {
    const bool weiter = hinweis == QAbstractItemDelegate::EditNextItem;
    const bool zurueck = hinweis == QAbstractItemDelegate::EditPreviousItem;
    if ((weiter || zurueck) && !moveCursor(weiter ? MoveNext : MovePrevious, {}).isValid()) {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        QWidget::focusNextPrevChild(weiter);
        return;
    }
    QTableWidget::closeEditor(editor, hinweis);
}

bool TNamensraster::focusNextPrevChild(bool vor) {
    if (!moveCursor(vor ? MoveNext : MovePrevious, {}).isValid())
        return QWidget::focusNextPrevChild(vor);
    return QTableWidget::focusNextPrevChild(vor);
}

void TNamensraster::eingabeUebernehmen() {
    if (state() != QAbstractItemView::EditingState) return;
    for (auto* editor : viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible()) commitData(editor);
}

TNamensraster* namensraster(const QString& kopf1, const QString& kopf2, int zeilen, int laenge,
                            int breite1, int breite2, QWidget* eltern) {
    auto* r = new TNamensraster(zeilen, 2, eltern);
    r->setHorizontalHeaderLabels({kopf1, kopf2});
    r->verticalHeader()->hide();
    r->setSelectionMode(QAbstractItemView::SingleSelection);
    r->setTabKeyNavigation(true);
    // Typing into the highlighted cell starts editing with the first character; a click
    // opens the editor itself (see mousePressEvent).
    r->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed);
    r->setItemDelegateForColumn(1, new LaengenDelegat(laenge, r));
    r->horizontalHeader()->setStretchLastSection(true);
    r->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    const int zeichen = r->fontMetrics().averageCharWidth();
    const int rand = 2 * r->frameWidth() + r->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    r->setColumnWidth(0, zeichen * breite1 + 12);
    r->setMinimumWidth(zeichen * (breite1 + breite2) + 24 + rand);
    for (int i = 0; i < zeilen; ++i) {
        auto* nr = new QTableWidgetItem;
        nr->setFlags(Qt::ItemIsEnabled);
        nr->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        r->setItem(i, 0, nr);
        r->setItem(i, 1, new QTableWidgetItem);
    }
    return r;
}

void rasterZeile(QTableWidget* raster, int r, const QString& links, const QString& rechts) {
    raster->item(r, 0)->setText(links);
    raster->item(r, 1)->setText(rechts);
}

QString rasterWert(const QTableWidget* raster, int r) {
    return raster->item(r, 1)->text();
}

void rasterHoehe(QTableWidget* raster, int sichtbareZeilen) {
    raster->resizeRowsToContents();
    int h = raster->horizontalHeader()->sizeHint().height() + 2 * raster->frameWidth();
    for (int i = 0; i < sichtbareZeilen && i < raster->rowCount(); ++i)
        h += raster->rowHeight(i);
    raster->setMinimumHeight(h);
    raster->setMaximumHeight(h + (sichtbareZeilen >= raster->rowCount() ? 0 : 10000));
}

} // namespace zalvor::gui
