#pragma once
// The one message for a club whose lock another program holds.
#include <string>

namespace zalvor {

class Person;

// The message "Gesperrt" of a file `datei` (UTF-8) that another program holds: "Die Datei
// <datei> " and then `folge` (Windows form), what that means for the command.
void gesperrtMelden(Person& person, const std::string& datei, const std::string& folge);

} // namespace zalvor
