// The help call that dialogs use.
#include "gui/common/hilfeaufruf.h"

namespace zalvor::gui {

namespace {

std::function<void(int)>& aufruf() {
    static std::function<void(int)> f;
    return f;
}

} // namespace

void hilfeAufrufSetzen(std::function<void(int)> f) {
    aufruf() = std::move(f);
}

void hilfeAufrufen(int kontext) {
    if (aufruf()) aufruf()(kontext);
}

} // namespace zalvor::gui
