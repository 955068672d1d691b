// Small helpers the entry dialogs share: field widths, list filling, the help button.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QAbstractButton;
class QComboBox;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zalvor::gui {

// Engine list entries (Windows form) as Qt strings.
QStringList ausAnsi(const std::vector<std::string>& eintraege);

// Fixed width of a line edit for n characters of the given sample, so that nothing is clipped at
// any scaling; the maximum length is set to n as well.
void feldFuer(QLineEdit* feld, int n, QChar muster = QLatin1Char('0'));
// A line edit with the control name of the dialog's form, sized by feldFuer.
QLineEdit* neuesFeld(const char* name, int n, QChar muster = QLatin1Char('0'));
// A label whose mnemonic moves the focus to its field.
QLabel* beschriftung(const QString& text, QWidget* feld);

// Gives a new control the name it has in the dialog's form (tests find it by that name).
template <class W>
W* benannt(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// The selected entry of a list, or an empty text when nothing is selected.
std::string listenEintrag(const QComboBox* liste);
// Selects the entry with the given text (Windows form); nothing selected when it is missing.
void listenEintragWaehlen(QComboBox* liste, const std::string& eintrag);

// Adds "&Hilfe" to the button box; it shows the topic `kontext` in the program's help window.
// F1 anywhere in the dialog does the same.
QPushButton* hilfeKnopf(QDialogButtonBox* knoepfe, int kontext);
// F1 anywhere in the window of `knopf` clicks it (for help buttons outside a button box).
void hilfeTaste(QAbstractButton* knopf);

// "&Hilfe", "OK" (the default button, accepts the dialog) and "&Abbruch" (rejects it) in that
// order; returns the OK button.
QPushButton* hilfeOkAbbruch(QDialog* dialog, QDialogButtonBox* knoepfe, int kontext);
// The same buttons with "&Hilfe" last.
QPushButton* okAbbruchHilfe(QDialog* dialog, QDialogButtonBox* knoepfe, int kontext);

// A push button with a role in the box (own texts with mnemonics instead of the standard ones).
QPushButton* neuerKnopf(QDialogButtonBox* knoepfe, const QString& text, int rolle);

// Help topics of the dialogs.
inline constexpr int kHilfeBuchung = 100;
inline constexpr int kHilfeUmbuchung = 108;
inline constexpr int kHilfeMwSt = 110;
inline constexpr int kHilfeWaehrung = 102;
inline constexpr int kHilfeEuroSymbol = 107;
inline constexpr int kHilfeEinstellungen = 105;
inline constexpr int kHilfeSortieren = 106;
inline constexpr int kHilfeAnfangsbestaende = 109;
inline constexpr int kHilfeNaechstesJahr = 103;
inline constexpr int kHilfeSchablonen = 140;

} // namespace zalvor::gui
