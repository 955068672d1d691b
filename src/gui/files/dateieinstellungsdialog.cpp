// The settings dialog TDSetDef: three grids of names, OK stores them.
#include "gui/files/dateieinstellungsdialog.h"

#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/files/namensraster.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

template <std::size_t N>
void zeigen(QTableWidget* raster, const std::array<SetDefZeile, N>& zeilen) {
    for (std::size_t i = 0; i < N; ++i)
        rasterZeile(raster, static_cast<int>(i), ausAnsi(zeilen[i].nr), ausAnsi(zeilen[i].name));
}

template <std::size_t N>
void nehmen(const QTableWidget* raster, std::array<SetDefZeile, N>& zeilen) {
    for (std::size_t i = 0; i < N; ++i) {
        const int r = static_cast<int>(i);
        zeilen[i].nr = nachAnsi(raster->item(r, 0)->text());
        zeilen[i].name = nachAnsi(rasterWert(raster, r));
    }
}

} // namespace

TDSetDef::TDSetDef(QWidget* parent) : TWerteDialog(parent) {
    setObjectName(QStringLiteral("TDSetDef"));
    setWindowTitle(ausAnsi(kSetDefTitel));

    SGAus = namensraster(ausAnsi(kSetDefKopfNr), ausAnsi(kSetDefKopfName), kTypen, 15, 3, 16);
    SGAus->setObjectName(QStringLiteral("SGAus"));
    SGEin = namensraster(ausAnsi(kSetDefKopfNr), ausAnsi(kSetDefKopfName), kTypen, 15, 3, 16);
    SGEin->setObjectName(QStringLiteral("SGEin"));
    SGKonto = namensraster(ausAnsi(kSetDefKopfNr), ausAnsi(kSetDefKopfName), kKonten, 10, 2, 11);
    SGKonto->setObjectName(QStringLiteral("SGKonto"));
    rasterHoehe(SGAus, 14);
    rasterHoehe(SGEin, 14);
    rasterHoehe(SGKonto, kKonten);

    auto* gitter = new QGridLayout;
    const std::pair<std::string, QTableWidget*> spalten[] = {{kSetDefAusgabenLabel, SGAus},
                                                             {kSetDefEinnahmenLabel, SGEin},
                                                             {kSetDefKontenLabel, SGKonto}};
    int spalte = 0;
    for (const auto& [text, raster] : spalten) {
        auto* l = new QLabel(ausAnsi(text));
        l->setBuddy(raster);
        gitter->addWidget(l, 0, spalte);
        gitter->addWidget(raster, 1, spalte, Qt::AlignTop);
        ++spalte;
    }

    auto* knoepfe = new QDialogButtonBox;
    BtnOk = neuerKnopf(knoepfe, QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    BtnOk->setDefault(true);
    neuerKnopf(knoepfe, QStringLiteral("A&bbruch"), QDialogButtonBox::RejectRole);
    hilfeKnopf(knoepfe, kHilfeEinstellungen);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* einleitung = new QLabel(ausAnsi(kSetDefEinleitung));
    einleitung->setWordWrap(true);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(einleitung);
    haupt->addLayout(gitter);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

void TDSetDef::fuellen(const SetDefZellen& zellen) {
    zeigen(SGAus, zellen.ausgaben);
    zeigen(SGEin, zellen.einnahmen);
    zeigen(SGKonto, zellen.konten);
    for (auto* r : {SGAus, SGEin, SGKonto}) {
        r->setCurrentCell(0, 1);
        r->scrollToTop();
    }
    SGAus->setFocus();
}

SetDefZellen TDSetDef::eingaben() const {
    SetDefZellen z;
    nehmen(SGAus, z.ausgaben);
    nehmen(SGEin, z.einnahmen);
    nehmen(SGKonto, z.konten);
    return z;
}

void TDSetDef::accept() {
    // A cell still being edited (OK reached by its mnemonic) hands its text over first.
    SGAus->eingabeUebernehmen();
    SGEin->eingabeUebernehmen();
    SGKonto->eingabeUebernehmen();
    QDialog::accept();
}

bool einstellungenDialog(Sitzung& s, QWidget* eltern) {
    TDSetDef dlg(eltern);
    SetDefZellen zellen = setDefZellen(s.verein.def);
    if (!dlg.abfragen(zellen)) return false;
    return setDefUebernehmen(zellen, s.verein.datei.basisname, s.verein.def, s.person);
}

} // namespace zalvor::gui
