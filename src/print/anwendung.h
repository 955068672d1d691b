// A Qt GUI application for printing without a desktop: the command line creates one on the
// offscreen platform when none exists yet.
#pragma once

namespace zalvor::druck {

void anwendungSicherstellen();

} // namespace zalvor::druck
