// Every picture the program names is compiled in and draws something.
#include "gui/lists/planbilder.h"
#include "gui/mainwindow/symbole.h"
#include "gui/protection/codebilder.h"

#include <QImage>
#include <QtTest>

using namespace zalvor::gui;

namespace {

// Not empty and not blank: some pixel is painted.
bool gemalt(const QPixmap& bild) {
    if (bild.isNull()) return false;
    const QImage b = bild.toImage();
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (qAlpha(b.pixel(x, y)) > 0) return true;
    return false;
}

} // namespace

class RessourcenTest : public QObject {
    Q_OBJECT

  private slots:
    void jedesBildIstImProgramm() {
        for (int i = 0; i <= static_cast<int>(Symbolbild::Verlassen); ++i) {
            const QIcon s = symbol(static_cast<Symbolbild>(i));
            QVERIFY2(gemalt(s.pixmap(24, 24)), qPrintable(QString::number(i)));
            // The disabled look is a faded copy, not a blank.
            QVERIFY(gemalt(s.pixmap(24, 24, QIcon::Disabled)));
        }
        for (int i = 0; i < kPlanbilder; ++i) {
            QVERIFY(gemalt(planBild(i, false)));
            QVERIFY(gemalt(planBild(i, true)));
            QVERIFY(planBild(i, false).toImage() != planBild(i, true).toImage());
        }
        for (const QPixmap& b : {schluesselBild(), schlossBild(), wiederholBild()})
            QVERIFY(gemalt(b));
    }
};

QTEST_MAIN(RessourcenTest)
#include "ressourcen_test.moc"
