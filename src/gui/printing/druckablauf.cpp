// Preview, PDF and progress around the printing library.
#include "gui/printing/druckablauf.h"

#include "core/common/zeichensatz.h"
#include "core/printing/pdfname.h"
#include "gui/printing/druckoptionendialog.h"
#include "print/druckschrift.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QToolBar>
#include <QWidget>

#include <memory>

namespace zalvor::gui {

namespace {

// More pages than this get a progress window with "Abbrechen".
constexpr int kSeitenOhneFortschritt = 3;

bool mitFortschritt(QWidget* eltern, QPrinter& p, const druck::Setzer& setzer) {
    std::unique_ptr<QProgressDialog> fenster;
    const Druckeinstellungen& e = druckeinstellungen();
    return druck::drucken(p, e.schrift1, e.schrift2, setzer, [&](int seite, int seiten) {
        if (seiten <= kSeitenOhneFortschritt) return true;
        if (!fenster) {
            fenster = std::make_unique<QProgressDialog>(
                QStringLiteral("Drucke..."), QStringLiteral("Abbrechen"), 0, seiten, eltern);
            fenster->setWindowTitle(QStringLiteral("Drucken"));
            fenster->setWindowModality(Qt::WindowModal);
            fenster->setMinimumDuration(0);
        }
        fenster->setLabelText(QStringLiteral("Seite %1 von %2").arg(seite).arg(seiten));
        fenster->setValue(seite - 1);
        return !fenster->wasCanceled();
    });
}

} // namespace

void druckkuerzel(QWidget& fenster, QAction* drucken) {
    drucken->setShortcut(QKeySequence(Qt::ALT | Qt::Key_R));
    drucken->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    fenster.addAction(drucken);
}

QWidget* druckfensterSuchen(const QList<QWidget*>& fenster, const QString& aktiverTitel,
                            Person& p) {
    for (QWidget* w : fenster)
        if (w && w->windowTitle() == aktiverTitel) return w;
    p.meldung("Movel95 - Fehler!", "Interner Fehler bei Feststellung des aktiven Kindfensters!",
              Symbol::Fehler);
    return nullptr;
}

bool alsPdfDrucken(QWidget* eltern, const druck::Setzer& setzer, const QString& pfad, bool quer) {
    QPrinter pdf(QPrinter::HighResolution);
    druck::pdfEinrichten(pdf, pfad.toStdString(), quer);
    return mitFortschritt(eltern, pdf, setzer);
}

QString pdfName(const Sitzung& s, const Bericht& b) {
    const QString name =
        druck::qtText(pdfVorschlag(utf8NachAnsi(s.verein.datei.basisname), b.fenstertitel));
    if (s.verein.datei.basisname.empty()) return name;
    return QFileInfo(QString::fromStdString(s.verein.datei.basisname)).absoluteDir().filePath(name);
}

void druckvorschau(QWidget* eltern, const druck::Setzer& setzer, const QString& pdfName) {
    QPrintPreviewDialog vorschau(&drucker(), eltern);
    vorschau.setWindowTitle(QStringLiteral("Druckvorschau"));
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                     [&](QPrinter* p) { mitFortschritt(&vorschau, *p, setzer); });
    if (QToolBar* leiste = vorschau.findChild<QToolBar*>()) {
        QAction* pdf = leiste->addAction(QStringLiteral("Als PDF speichern"));
        pdf->setObjectName(QStringLiteral("alsPdf"));
        QObject::connect(pdf, &QAction::triggered, &vorschau, [&] {
            QFileDialog dialog(&vorschau, QStringLiteral("Als PDF speichern"), pdfName,
                               QStringLiteral("PDF-Dateien (*.pdf)"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(QStringLiteral("pdf"));
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
            const QString pfad =
                QString::fromStdString(mitPdfEndung(dialog.selectedFiles().front().toStdString()));
            // The PDF keeps the orientation chosen in the preview or the printer set-up.
            const bool quer = drucker().pageLayout().orientation() == QPageLayout::Landscape;
            if (alsPdfDrucken(&vorschau, setzer, pfad, quer)) vorschau.accept();
        });
    }
    vorschau.exec();
}

} // namespace zalvor::gui
