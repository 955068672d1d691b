// Help topic of the bank accounts and the statement import.
#pragma once

namespace zalvor::gui {

inline constexpr int kHilfeKontoauszug = 150;

} // namespace zalvor::gui
