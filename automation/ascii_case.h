#pragma once

#include <string>
#include <string_view>

namespace quirevo {

// Automation names (members, arguments, ProgIDs) match without regard to case, as COM's do; only
// the ASCII letters fold, so that a name is never changed by the user's locale.
char asciiLower(char c);
std::string asciiLower(std::string_view text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace quirevo
