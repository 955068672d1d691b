// The way every printout of the desktop goes after the print options: the window to print,
// the preview with printing and "Als PDF speichern", a progress window for long printouts.
#pragma once

#include "core/common/person.h"
#include "core/common/raster.h"
#include "core/files/sitzung.h"
#include "print/seitenmaler.h"

#include <QList>
#include <QString>

class QAction;
class QWidget;

namespace zalvor::gui {

// Alt+R presses the window's print button wherever the window has the focus: a tool bar
// button shows no mnemonic.
void druckkuerzel(QWidget& fenster, QAction* drucken);

// The first window (newest first) whose caption equals the active child's caption; none:
// the internal-error message and null.
QWidget* druckfensterSuchen(const QList<QWidget*>& fenster, const QString& aktiverTitel, Person& p);

// Shows the preview of the printout laid out by `setzer` with the program's settings; its
// print button prints to the chosen printer, its "Als PDF speichern" into a file, proposing
// `pdfName` (a path) and appending ".pdf" to a name typed without it.
void druckvorschau(QWidget* eltern, const druck::Setzer& setzer, const QString& pdfName = {});

// The PDF file proposed for a report of the open club: in the booking file's folder, named
// after the club and the report.
QString pdfName(const Sitzung& s, const Bericht& b);

// Prints straight to `pfad` as PDF, on landscape pages with `quer` (used by the preview and by
// tests); false when cancelled or when the file could not be written.
bool alsPdfDrucken(QWidget* eltern, const druck::Setzer& setzer, const QString& pfad,
                   bool quer = false);

} // namespace zalvor::gui
