// Drives modal dialogs in GUI tests: each step acts on the next dialog that is shown.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

namespace zalvor::guitest {

class Dialogablauf : public QObject {
  public:
    using Schritt = std::function<void(QDialog&)>;

    Dialogablauf() { qApp->installEventFilter(this); }
    ~Dialogablauf() override { qApp->removeEventFilter(this); }

    // The next dialog shown, which must carry this caption, gets this step; the step must
    // close the dialog itself. A dialog with another caption is closed and noted.
    Dialogablauf& dann(const QString& titel, Schritt s) {
        schritte_.push_back({titel, std::move(s)});
        return *this;
    }
    // Titles of the dialogs shown so far.
    const QStringList& gezeigt() const { return gezeigt_; }
    // Dialogs shown without a step for them (closed with reject).
    const QStringList& unerwartet() const { return unerwartet_; }
    bool fertig() const { return schritte_.empty(); }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Show) return false;
        auto* dlg = qobject_cast<QDialog*>(o);
        // The progress window of a reorganisation is modal but closes itself.
        if (!dlg || !dlg->isModal() || dlg->inherits("zalvor::gui::TReorgWB")) return false;
        gezeigt_ << dlg->windowTitle();
        if (schritte_.empty()) {
            unerwartet_ << dlg->windowTitle();
            QTimer::singleShot(0, dlg, &QDialog::reject);
            return false;
        }
        if (schritte_.front().first != dlg->windowTitle()) {
            unerwartet_ << dlg->windowTitle() + QStringLiteral(" statt ") + schritte_.front().first;
            QTimer::singleShot(0, dlg, &QDialog::reject);
            return false;
        }
        Schritt s = std::move(schritte_.front().second);
        schritte_.pop_front();
        QTimer::singleShot(0, dlg, [dlg, s] {
            s(*dlg);
            // A failed check inside the step leaves the dialog open: close it, so the test ends.
            if (QTest::currentTestFailed() && dlg->isVisible()) dlg->reject();
        });
        return false;
    }

  private:
    std::deque<std::pair<QString, Schritt>> schritte_;
    QStringList gezeigt_;
    QStringList unerwartet_;
};

// The control of a dialog by its object name.
template <class T>
T* feld(QDialog& dlg, const char* name) {
    return dlg.findChild<T*>(QString::fromLatin1(name));
}

// Types a text key by key; characters outside ASCII (umlauts) arrive as key events with text.
inline void schreiben(QWidget* w, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces a line edit's text the way a person does: select all, type.
inline void tippen(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else
        schreiben(e, text);
}

// Types into a grid cell: the cell becomes current and takes the text like a person's typing;
// with `abschliessen` false the cell editor stays open (the next click goes to a button).
inline void zelleTippen(QTableWidget* raster, int zeile, int spalte, const QString& text,
                        bool abschliessen = true) {
    raster->setFocus();
    raster->setCurrentCell(zeile, spalte);
    // Closed editors linger hidden until deleted; the open one is the visible one.
    auto offenerEditor = [raster]() -> QLineEdit* {
        for (auto* e : raster->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible()) return e;
        return nullptr;
    };
    if (!offenerEditor()) raster->editItem(raster->item(zeile, spalte));
    auto* editor = offenerEditor();
    QVERIFY(editor);
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        schreiben(editor, text);
    if (!abschliessen) return;
    QTest::keyClick(editor, Qt::Key_Return);
    // The grid takes the text over on its next turn of the event loop.
    QCoreApplication::processEvents();
}

// Picks a list entry the way a person does (the list's activation signals fire).
inline void waehlen(QComboBox* liste, const QString& eintrag) {
    const int i = liste->findText(eintrag);
    liste->setCurrentIndex(i);
    if (i >= 0) {
        emit liste->activated(i);
        emit liste->textActivated(eintrag);
    }
}

// Clicks the button with this text (mnemonic included) with the mouse.
inline bool klicken(QDialog& dlg, const QString& text) {
    for (auto* k : dlg.findChildren<QAbstractButton*>()) {
        if (k->text() == text && k->isVisible()) {
            if (!k->isEnabled()) return false;
            QTest::mouseClick(k, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

// With ZALVOR_BILDER set to a folder, a window is saved there as a picture (for the manual).
inline void bild(QWidget& w, const QString& name) {
    const QString ordner = qEnvironmentVariable("ZALVOR_BILDER");
    if (ordner.isEmpty()) return;
    QDir().mkpath(ordner);
    QVERIFY(w.grab().save(ordner + QLatin1Char('/') + name));
}

} // namespace zalvor::guitest
