// Tcodeinput: label, masked field, OK and "Abbruch", the pictures beside them.
#include "gui/protection/codeeingabe.h"

#include "core/protection/codeschutz.h"
#include "gui/common/hilfeaufruf.h"
#include "gui/protection/codebilder.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QVBoxLayout>

namespace zalvor::gui {

namespace {

// The field's mask character is the style's; this style makes it "#" whatever the platform.
class RautenStil : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '#';
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

QLabel* bildLabel(const char* name, const QPixmap& bild) {
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(name));
    l->setPixmap(bild);
    l->setFixedSize(bild.size());
    return l;
}

} // namespace

Tcodeinput::Tcodeinput(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tcodeinput"));
    setModal(true);

    auto* text = new QLabel(QStringLiteral("Hier Passwort eingeben:"));
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    auto* stil = new RautenStil;
    stil->setParent(this);
    Edit1->setStyle(stil);
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    text->setBuddy(Edit1);

    Image1 = bildLabel("Image1", schluesselBild());
    Image2 = bildLabel("Image2", schlossBild());
    Image3 = bildLabel("Image3", wiederholBild());

    auto* knoepfe = new QDialogButtonBox;
    BitBtn1 = knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = knoepfe->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bilder = new QHBoxLayout;
    bilder->addWidget(Image1);
    bilder->addWidget(Image2);
    bilder->addWidget(Image3);
    bilder->addStretch();
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(bilder);
    haupt->addWidget(text);
    haupt->addWidget(Edit1);
    haupt->addWidget(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<QString> Tcodeinput::abfragen(const QString& titel, zalvor::CodeBild bild) {
    setWindowTitle(titel);
    Image2->setVisible(bild == zalvor::CodeBild::VorhandenerCode);
    Image3->setVisible(bild == zalvor::CodeBild::Wiederholung);
    const bool ok = exec() == QDialog::Accepted;
    QString eingabe = Edit1->text();
    // The code does not linger in the field between two entries.
    Edit1->clear();
    if (!ok) return std::nullopt;
    return eingabe;
}

void Tcodeinput::showEvent(QShowEvent* e) {
    Edit1->clear();
    Edit1->setFocus();
    QDialog::showEvent(e);
}

void Tcodeinput::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        hilfeAufrufen(zalvor::kHilfeCodeschutz);
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace zalvor::gui
