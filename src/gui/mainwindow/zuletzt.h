// "Zuletzt geöffnet": the clubs opened last, newest first, kept per user.
#pragma once

#include "core/files/sitzung.h"

#include <QString>
#include <QStringList>

namespace zalvor::gui {

inline constexpr int kZuletztHoechstens = 8;

// The booking files opened last, newest first.
QStringList zuletztGeoeffnet();
// Puts a booking file first; an older entry of the same file goes, the list keeps eight.
void zuletztMerken(const QString& datei);
// Takes a file that no longer exists off the list.
void zuletztVergessen(const QString& datei);

// Where the open dialog starts: the folder of the active club, else of the club opened
// last, else nothing (the working folder).
QString oeffnenStartordner(const zalvor::Sitzung& s);

} // namespace zalvor::gui
