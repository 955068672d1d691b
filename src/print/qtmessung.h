// Text measures of the print fonts in printer units.
#pragma once

#include "core/printing/druckseite.h"

#include <QFont>

#include <map>
#include <tuple>

class QPaintDevice;

namespace zalvor::druck {

class QtMessung : public Messung {
  public:
    QtMessung(const Schrift& s1, const Schrift& s2, QPaintDevice* geraet);
    Textmass mass(const std::string& text, const Schriftwahl& schrift) override;

  private:
    Schrift s1_, s2_;
    QPaintDevice* geraet_;
    std::map<std::tuple<int, int, int>, QFont> schriften_;
};

} // namespace zalvor::druck
