// The further rates: a grid of 20 rows whose two columns are both edited.
#include "gui/members/beitragssaetzedialog.h"

#include "gui/common/qtext.h"
#include "gui/files/dialoghilfe.h"
#include "gui/files/namensraster.h"
#include "gui/members/mitgliederhilfe.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace zalvor::gui {

// One row a further rate.
constexpr int kZeilen = static_cast<int>(std::tuple_size_v<SaetzeEingaben>);

TDBeitrSaetze::TDBeitrSaetze(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDBeitrSaetze"));
    setWindowTitle(QString::fromUtf8("Weitere Beitragssätze"));
    auto* text = new QLabel(ausAnsi(beitrSaetzeText()));
    text->setWordWrap(true);
    SGSaetze = namensraster(QStringLiteral("Beschreibung"), QStringLiteral("Betrag"), kZeilen, 9,
                            40, 9, this);
    SGSaetze->setObjectName(QStringLiteral("SGSaetze"));
    SGSaetze->verticalHeader()->show();
    SGSaetze->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    // Row numbers, description and the whole amount column side by side (a stretched last
    // column is never narrower than the header's default section).
    QHeaderView* kopf = SGSaetze->horizontalHeader();
    const int betrag =
        std::max(kopf->defaultSectionSize(),
                 SGSaetze->fontMetrics().horizontalAdvance(QStringLiteral("000000,00")) + 12);
    SGSaetze->setMinimumWidth(SGSaetze->verticalHeader()->sizeHint().width() +
                              SGSaetze->columnWidth(0) + betrag + 2 * SGSaetze->frameWidth() +
                              SGSaetze->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    for (int r = 0; r < kZeilen; ++r) {
        auto* name = SGSaetze->item(r, 0);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        name->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        SGSaetze->item(r, 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    rasterHoehe(SGSaetze, 12);
    auto* knoepfe = new QDialogButtonBox;
    BtnOk = hilfeOkAbbruch(this, knoepfe, kHilfeBeitraege);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(text);
    haupt->addWidget(SGSaetze);
    haupt->addWidget(knoepfe);
}

void TDBeitrSaetze::fuellen(const SaetzeEingaben& e) {
    for (std::size_t i = 0; i < e.size(); ++i)
        rasterZeile(SGSaetze, static_cast<int>(i), ausAnsi(e[i].name), ausAnsi(e[i].betrag));
}

void TDBeitrSaetze::nehmen(SaetzeEingaben& e) const {
    SGSaetze->eingabeUebernehmen();
    for (std::size_t i = 0; i < e.size(); ++i) {
        const int r = static_cast<int>(i);
        e[i].name = nachAnsi(SGSaetze->item(r, 0)->text());
        e[i].betrag = nachAnsi(rasterWert(SGSaetze, r));
    }
}

bool weitereSaetzeZeigen(Sitzung& s, QWidget* eltern) {
    TDBeitrSaetze dialog(eltern);
    return beitrSaetzeDialog(s, [&](SaetzeEingaben& e) {
        dialog.fuellen(e);
        if (dialog.exec() != QDialog::Accepted) return false;
        dialog.nehmen(e);
        return true;
    });
}

} // namespace zalvor::gui
