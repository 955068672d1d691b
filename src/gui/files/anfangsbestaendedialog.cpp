// The opening balances dialog TWGetAB: one amount per account.
#include "gui/files/anfangsbestaendedialog.h"

#include "core/common/betrag.h"
#include "core/common/zeichensatz.h"
#include "gui/common/auszeichnungslabel.h"
#include "gui/common/labelhoehe.h"
#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/files/namensraster.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zalvor::gui {

TWGetAB::TWGetAB(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TWGetAB"));
    setWindowTitle(QString::fromUtf8("Anfangsbestände"));

    SGKonto =
        namensraster(QStringLiteral("Konto"), QStringLiteral("Betrag"), kKonten, 32767, 12, 14);
    SGKonto->setObjectName(QStringLiteral("SGKonto"));
    rasterHoehe(SGKonto, kKonten);
    const int breite = SGKonto->minimumWidth();

    auto* text = new QLabel(
        QString::fromUtf8("Legen Sie hier die Anfangsbestände der einzelnen Konten fest..."));
    text->setWordWrap(true);
    XaLabel1 = new TXaLabel;
    XaLabel1->setObjectName(QStringLiteral("XaLabel1"));
    XaLabel1->setTransparent(true);
    XaLabel1->setCaption(QString::fromUtf8("Es ist \\Bwichtig\\b, daß Sie nicht überall \"0\" "
                                           "eingeben, sondern mindestens ein Konto wirklich "
                                           "einen Bestand aufweist!"));
    xaGroesse(XaLabel1, breite);

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = hilfeOkAbbruch(this, knoepfe, kHilfeAnfangsbestaende);

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(text);
    haupt->addWidget(XaLabel1);
    haupt->addWidget(SGKonto);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void TWGetAB::fuellen(const TDefinitionen& def, const std::array<std::string, 9>& betraege) {
    for (int n = 1; n <= kKonten; ++n) {
        const auto i = static_cast<std::size_t>(n);
        rasterZeile(SGKonto, n - 1, ausAnsi(OemNachAnsi(def.konten[i])), ausAnsi(betraege[i - 1]));
    }
    // Shown again after a failed check: the cursor stands on the first amount that failed.
    int zeile = 0;
    while (zeile < kKonten &&
           BetragLesen(kommaZuPunkt(betraege[static_cast<std::size_t>(zeile)])).has_value())
        ++zeile;
    SGKonto->setCurrentCell(zeile < kKonten ? zeile : 0, 1);
    SGKonto->setFocus();
}

std::array<std::string, 9> TWGetAB::betraege() const {
    std::array<std::string, 9> b;
    for (int r = 0; r < kKonten; ++r)
        b[static_cast<std::size_t>(r)] = nachAnsi(rasterWert(SGKonto, r));
    return b;
}

void TWGetAB::accept() {
    // A cell still being edited (OK reached by its mnemonic) hands its text over first.
    SGKonto->eingabeUebernehmen();
    QDialog::accept();
}

} // namespace zalvor::gui
