// QtPerson: messages, questions, input and progress through Qt.
#include "gui/common/qtperson.h"

#include "gui/common/meldungsfenster.h"
#include "gui/common/qtext.h"
#include "gui/entry/einoderaus.h"
#include "gui/files/reorganisationsfortschritt.h"
#include "gui/protection/codeeingabe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <map>

namespace zalvor::gui {

namespace {

QMessageBox::Icon icon(Symbol s) {
    switch (s) {
    case Symbol::Information:
        return QMessageBox::Information;
    case Symbol::Warnung:
        return QMessageBox::Warning;
    case Symbol::Fehler:
    case Symbol::Stopp:
        return QMessageBox::Critical;
    case Symbol::Frage:
        return QMessageBox::Question;
    case Symbol::Keins:
        break;
    }
    return QMessageBox::NoIcon;
}

// Line breaks of the engine's texts are CR; Qt breaks on LF.
QString meldungstext(const std::string& text) {
    QString t = ausAnsi(text);
    t.replace("\r\n", "\n");
    t.replace('\r', '\n');
    return t;
}

} // namespace

QtPerson::QtPerson(QWidget* fenster) : fenster_(fenster) {}

QtPerson::~QtPerson() = default;

TWMsgBox& QtPerson::msgBox() {
    if (!msgBox_) msgBox_ = std::make_unique<TWMsgBox>(fenster_);
    return *msgBox_;
}

TReorgWB& QtPerson::fortschrittsfenster() {
    if (!wb_) wb_ = std::make_unique<TReorgWB>(fenster_);
    return *wb_;
}

TDEinoderAus& QtPerson::einOderAus() {
    if (!einOderAus_) einOderAus_ = std::make_unique<TDEinoderAus>(fenster_);
    return *einOderAus_;
}

Tcodeinput& QtPerson::codeinput() {
    if (!codeinput_) codeinput_ = std::make_unique<Tcodeinput>(fenster_);
    return *codeinput_;
}

void QtPerson::fehlermeldung(Ausgang ausgang, const std::string& titel, const std::string& text,
                             Symbol symbol) {
    ausgang_ = schwerer(ausgang_, ausgang);
    meldung(titel, text, symbol);
}

void QtPerson::meldung(const std::string& titel, const std::string& text, Symbol symbol) {
    const ImGespraech gespraech(gespraeche_);
    QMessageBox box(icon(symbol), ausAnsi(titel), meldungstext(text), QMessageBox::Ok,
                    QApplication::activeWindow() ? QApplication::activeWindow() : fenster_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtPerson::nachricht(const std::string& titel, const std::string& text) {
    const ImGespraech gespraech(gespraeche_);
    msgBox().zeigen(ausAnsi(titel), ausAnsi(text));
}

std::optional<Knopf> QtPerson::frage(const Frage& f) {
    const ImGespraech gespraech(gespraeche_);
    if (f.dialog == "TDEinoderAus" && f.eigeneTexte.size() >= 2) {
        switch (einOderAus().fragen(ausAnsi(f.titel), meldungstext(f.text),
                                    ausAnsi(f.eigeneTexte[0]), ausAnsi(f.eigeneTexte[1]),
                                    f.vorwahl == Knopf::Eigen2)) {
        case TDEinoderAus::Einnahme:
            return Knopf::Eigen1;
        case TDEinoderAus::Ausgabe:
            return Knopf::Eigen2;
        case TDEinoderAus::Geschlossen:
            return std::nullopt;
        }
    }
    QMessageBox box(icon(f.symbol), ausAnsi(f.titel), meldungstext(f.text), QMessageBox::NoButton,
                    QApplication::activeWindow() ? QApplication::activeWindow() : fenster_);
    std::map<QAbstractButton*, Knopf> knoepfe;
    std::size_t eigener = 0;
    for (Knopf k : f.knoepfe) {
        QAbstractButton* b = nullptr;
        switch (k) {
        // German captions whatever translations are installed: the program speaks German.
        case Knopf::Ok:
            b = box.addButton(QMessageBox::Ok);
            b->setText(QStringLiteral("OK"));
            break;
        case Knopf::Abbruch:
            b = box.addButton(QMessageBox::Cancel);
            b->setText(QStringLiteral("Abbrechen"));
            break;
        case Knopf::Ja:
            b = box.addButton(QMessageBox::Yes);
            b->setText(QStringLiteral("&Ja"));
            break;
        case Knopf::Nein:
            b = box.addButton(QMessageBox::No);
            b->setText(QStringLiteral("&Nein"));
            break;
        case Knopf::Eigen1:
        case Knopf::Eigen2:
        case Knopf::Eigen3: {
            const QString text =
                eigener < f.eigeneTexte.size() ? ausAnsi(f.eigeneTexte[eigener]) : QString();
            ++eigener;
            b = box.addButton(text, QMessageBox::AcceptRole);
            break;
        }
        }
        knoepfe[b] = k;
        if (k == f.vorwahl) box.setDefaultButton(qobject_cast<QPushButton*>(b));
    }
    if (knoepfe.empty()) knoepfe[box.addButton(QMessageBox::Ok)] = Knopf::Ok;
    box.setTextFormat(Qt::PlainText);
    box.exec();
    auto it = knoepfe.find(box.clickedButton());
    if (it == knoepfe.end()) return std::nullopt;
    return it->second;
}

std::optional<std::string> QtPerson::eingabe(const std::string& titel, const std::string& prompt,
                                             const std::string& vorgabe) {
    const ImGespraech gespraech(gespraeche_);
    QInputDialog box(QApplication::activeWindow() ? QApplication::activeWindow() : fenster_);
    box.setWindowTitle(ausAnsi(titel));
    box.setLabelText(ausAnsi(prompt));
    box.setTextValue(ausAnsi(vorgabe));
    box.setOkButtonText(QStringLiteral("OK"));
    box.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return nachAnsi(box.textValue());
}

std::optional<std::string> QtPerson::codeEingabe(const std::string& titel, CodeBild bild) {
    const ImGespraech gespraech(gespraeche_);
    auto eingabe = codeinput().abfragen(ausAnsi(titel), bild);
    if (!eingabe) return std::nullopt;
    return nachAnsi(*eingabe);
}

void QtPerson::fortschrittZeigen(const std::string& titel, const std::string& text) {
    fortschrittsfenster().beginnen(ausAnsi(titel), ausAnsi(text));
}

void QtPerson::fortschritt(int prozent) {
    fortschrittsfenster().setProzent(prozent);
}

void QtPerson::fortschrittText(const std::string& text) {
    fortschrittsfenster().setText(ausAnsi(text));
}

void QtPerson::fortschrittSchliessen() {
    fortschrittsfenster().beenden();
}

} // namespace zalvor::gui
