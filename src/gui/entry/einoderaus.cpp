// The income-or-expense question as the program's own small dialog.
#include "gui/entry/einoderaus.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zalvor::gui {

TDEinoderAus::TDEinoderAus(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDEinoderAus"));
    setModal(true);
    auto* symbol = new QLabel;
    const int groesse = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    symbol->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(groesse));
    symbol->setAlignment(Qt::AlignTop);
    text_ = new QLabel;
    text_->setWordWrap(true);
    einnahme_ = new QPushButton;
    ausgabe_ = new QPushButton;
    connect(einnahme_, &QPushButton::clicked, this, [this] { done(Einnahme); });
    connect(ausgabe_, &QPushButton::clicked, this, [this] { done(Ausgabe); });

    auto* oben = new QHBoxLayout;
    oben->addWidget(symbol);
    oben->addWidget(text_, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(einnahme_);
    knoepfe->addWidget(ausgabe_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TDEinoderAus::Antwort TDEinoderAus::fragen(const QString& titel, const QString& text,
                                           const QString& einnahmeText, const QString& ausgabeText,
                                           bool ausgabeVorgewaehlt) {
    setWindowTitle(titel);
    text_->setText(text);
    einnahme_->setText(einnahmeText);
    ausgabe_->setText(ausgabeText);
    QPushButton* vorwahl = ausgabeVorgewaehlt ? ausgabe_ : einnahme_;
    einnahme_->setDefault(vorwahl == einnahme_);
    ausgabe_->setDefault(vorwahl == ausgabe_);
    vorwahl->setFocus();
    // Escape or the close button leave it without an answer.
    return static_cast<Antwort>(exec());
}

} // namespace zalvor::gui
