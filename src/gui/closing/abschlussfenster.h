// TabschlWin: the window of a monthly, yearly or multi-file closing over the engine's report.
#pragma once

#include "core/closing/grafikdaten.h"
#include "core/common/raster.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;

namespace zalvor::gui {

class TSplitterPanel;

class TabschlWin : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kHilfeKontext = 17;
    // The tag of a multi-file closing is its month plus this.
    static constexpr int kMehrdateiTag = 20;

    // `tag` is the other-currency button's tag: the month for a single-file closing, the
    // month + 20 for a multi-file closing. `grafik` adds the tab "Grafik".
    TabschlWin(zalvor::Bericht bericht, int tag,
               std::optional<zalvor::Abschlussgrafik> grafik = std::nullopt,
               QWidget* parent = nullptr);

    const zalvor::Bericht& bericht() const { return bericht_; }
    int tag() const { return tag_; }
    QAction* druckenAktion() const { return drucken_; }
    QTabWidget* reiter() const { return reiter_; }
    QPushButton* ButtonAndereWaehrg = nullptr;
    QWidget* PanelAndereWaehrg = nullptr;
    QLabel* PanelWaehrung = nullptr;
    // The grids by name (StringGrid1, StringGrid2, ...), null when the report has none.
    QTableView* raster(const QString& name) const;
    TSplitterPanel* splitter(int seite) const { return seite == 0 ? panel1_ : panel2_; }

    // What the other-currency button runs (given the tag).
    void andereWaehrungSetzen(std::function<void(int)> f) { andereWaehrung_ = std::move(f); }

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    QWidget* kontenSeite(const zalvor::Reiter& r);
    QWidget* bilanzSeite(const zalvor::Reiter& r, const QString& oben, const QString& unten,
                         TSplitterPanel*& panel);
    QWidget* gewinnSeite(const zalvor::Reiter& r);
    QTableView* rasterAnsicht(const zalvor::Raster& r, const QString& name, QWidget* eltern);

    zalvor::Bericht bericht_;
    int tag_;
    std::function<void(int)> andereWaehrung_;
    QAction* drucken_ = nullptr;
    QTabWidget* reiter_ = nullptr;
    TSplitterPanel* panel1_ = nullptr;
    TSplitterPanel* panel2_ = nullptr;
    bool angeordnet_ = false;
};

// The open closing windows, newest first; the entry of a closed window is null and stays.
std::vector<QPointer<TabschlWin>>& abschlussfenster();

} // namespace zalvor::gui
