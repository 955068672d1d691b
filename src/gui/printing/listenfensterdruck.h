// "D&rucken ..." of a list window: print options, the window with the active child's
// caption, preview with printing and PDF.
#pragma once

namespace zalvor::gui {

class TMainForm;
class TListenWin;

// Prints the list window that is the main window's active child.
void listenfensterDrucken(TMainForm& f);
// Enables the window's print button and connects it to listenfensterDrucken.
void druckbarMachen(TMainForm& f, TListenWin& w);

} // namespace zalvor::gui
