#include "gui/lists/berichtsleiste.h"

#include "gui/common/hilfeaufruf.h"

#include <QAction>
#include <QToolBar>

namespace zalvor::gui {

Berichtsleiste berichtsleiste(QWidget* fenster, const char* name, int hilfeKontext) {
    auto* leiste = new QToolBar(fenster);
    leiste->setObjectName(name);
    QAction* drucken = leiste->addAction(QString::fromUtf8("D&rucken ..."));
    drucken->setObjectName("drucken");
    QAction* hilfe = leiste->addAction(QStringLiteral("Hilfe"));
    hilfe->setObjectName("hilfe");
    QObject::connect(hilfe, &QAction::triggered, fenster,
                     [hilfeKontext] { hilfeAufrufen(hilfeKontext); });
    QAction* schliessen = leiste->addAction(QString::fromUtf8("Schließen"));
    schliessen->setObjectName("schliessen");
    QObject::connect(schliessen, &QAction::triggered, fenster, [fenster] {
        if (fenster->parentWidget())
            fenster->parentWidget()->close();
        else
            fenster->close();
    });
    return {leiste, drucken};
}

} // namespace zalvor::gui
