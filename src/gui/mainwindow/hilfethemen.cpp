// The help topics, read once from the program's resources (the contents file and one HTML
// page a topic).
#include "gui/mainwindow/hilfe.h"

#include <QFile>
#include <QXmlStreamReader>

#include <stdexcept>

namespace zalvor::gui {

namespace {

QByteArray resource(const QString& name) {
    QFile f(QStringLiteral(":/help/") + name);
    // The pages are compiled into the program: a missing one is a build fault.
    if (!f.open(QIODevice::ReadOnly))
        throw std::logic_error("Hilfeseite fehlt: " + name.toStdString());
    return f.readAll();
}

std::vector<Hilfethema> einlesen() {
    std::vector<Hilfethema> themen;
    QXmlStreamReader inhalt(resource(QStringLiteral("inhalt.xml")));
    while (inhalt.readNextStartElement()) {
        if (inhalt.name() == QLatin1String("hilfe")) continue;
        const auto a = inhalt.attributes();
        themen.push_back({a.value(QLatin1String("kontext")).toInt(),
                          a.value(QLatin1String("titel")).toUtf8(),
                          a.value(QLatin1String("stichworte")).toUtf8(),
                          resource(a.value(QLatin1String("seite")).toString()).trimmed()});
        inhalt.skipCurrentElement();
    }
    if (inhalt.hasError() || themen.empty())
        throw std::logic_error("Hilfeinhalt unlesbar: " + inhalt.errorString().toStdString());
    return themen;
}

} // namespace

const std::vector<Hilfethema>& hilfethemen() {
    static const std::vector<Hilfethema> themen = einlesen();
    return themen;
}

const Hilfethema* hilfethema(int kontext) {
    for (const auto& t : hilfethemen())
        if (t.kontext == kontext) return &t;
    return nullptr;
}

} // namespace zalvor::gui
