// TListenWin: the list window of the booking lists and the comparison, over an engine report.
#pragma once

#include "core/common/raster.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QTabWidget;
class QTableView;
class QToolBar;
class QAction;

namespace zalvor::gui {

class TListenWin : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kHilfeKontext = 16;

    explicit TListenWin(zalvor::Bericht bericht, QWidget* parent = nullptr);

    const zalvor::Bericht& bericht() const { return bericht_; }
    QAction* druckenAktion() const { return drucken_; }
    // The main grids (upper, lower) and, for the account lists of all accounts, the tabs.
    QTableView* oberesRaster() const { return oben_; }
    QTableView* unteresRaster() const { return unten_; }
    QTabWidget* reiter() const { return reiter_; }

    // The layout rule: the lower grid takes half the client height below the tool bar,
    // less its caption line.
    void anordnen();

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    zalvor::Bericht bericht_;
    QToolBar* leiste_ = nullptr;
    QAction* drucken_ = nullptr;
    QLabel* waehrung_ = nullptr;
    QLabel* untenTitel_ = nullptr;
    QTableView* oben_ = nullptr;
    QTableView* unten_ = nullptr;
    QTabWidget* reiter_ = nullptr;
    // Lower grids and their caption lines of the tabs.
    std::vector<std::pair<QLabel*, QTableView*>> reiterUnten_;
};

// The open list windows, newest first; an entry of a closed window is null and stays.
// The printing finds its window here by caption.
std::vector<QPointer<TListenWin>>& listenfenster();
// Newest open list window with this caption (Windows form), or null.
TListenWin* listenfensterSuchen(const std::string& fenstertitel);

} // namespace zalvor::gui
