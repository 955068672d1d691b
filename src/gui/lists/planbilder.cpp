// Pictures of the plan dialog (":/icons/plan/"): coin, piggy bank, bar chart, calculator.
#include "gui/lists/planbilder.h"

#include "gui/common/svgbild.h"

namespace zalvor::gui {

QPixmap planBild(int nr, bool partner) {
    static const char* const namen[kPlanbilder] = {"muenze", "sparschwein", "balken", "rechner"};
    const QString name = QLatin1String(namen[nr >= 0 && nr < kPlanbilder ? nr : kPlanbilder - 1]);
    return svgBild(QStringLiteral(":/icons/plan/%1%2.svg").arg(name, partner ? "-gold" : ""), 32);
}

} // namespace zalvor::gui
