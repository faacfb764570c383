#pragma once

#include <string>
#include <string_view>

namespace quirevo {

// The text of an error message box: the message, with a full stop appended when its last
// character comes after "." in character order (a letter or digit, but not "!" or ")").
std::string messageWithFullStop(std::string_view message);

// The application title: the executable's file name without folder, cut at its first ".", with
// every letter after the first in lower case ("QUIREVO.EXE" -> "Quirevo").
std::string applicationTitle(std::string_view executablePath);

}  // namespace quirevo
