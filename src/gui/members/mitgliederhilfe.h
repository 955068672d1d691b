// Help topics of the member windows and dialogs.
#pragma once

namespace zalvor::gui {

inline constexpr int kHilfeMitglieder = 120;
inline constexpr int kHilfeBeitraege = 121;
inline constexpr int kHilfeMitgliederliste = 122;
// Creditor data, mandates and the direct-debit file.
inline constexpr int kHilfeLastschrift = 151;

} // namespace zalvor::gui
