// The four pictures of the plan dialog's edit panel and their hidden partners, from the
// program's resources.
#pragma once

#include <QPixmap>

namespace zalvor::gui {

inline constexpr int kPlanbilder = 4;

// Picture `nr` (0..3: coin, piggy bank, bar chart, calculator); its partner shows the same
// thing in gold, so that a revealed pair is seen at once.
QPixmap planBild(int nr, bool partner);

} // namespace zalvor::gui
