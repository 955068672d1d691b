// Showing a help topic from any dialog, without knowing the main window.
#pragma once

#include <functional>

namespace zalvor::gui {

// Set by the main window; dialogs call hilfeAufrufen(context) from their help button.
void hilfeAufrufSetzen(std::function<void(int)> aufruf);
void hilfeAufrufen(int kontext);

} // namespace zalvor::gui
