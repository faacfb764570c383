#pragma once

#include <optional>
#include <string_view>

namespace quirevo {

// The language file of a language index (0 English, 1 Russian, 2 Ukrainian), named without a
// folder so that it is read from the current working directory; nothing for any other index.
std::optional<std::string_view> languageFileName(int languageIndex);

}  // namespace quirevo
