#include "i18n/language_file.h"

#include <array>

namespace quirevo {

std::optional<std::string_view> languageFileName(int languageIndex) {
  constexpr std::array<std::string_view, 3> kFiles = {"lang_en.xml", "lang_ru.xml", "lang_ua.xml"};
  if (languageIndex < 0 || static_cast<std::size_t>(languageIndex) >= kFiles.size()) {
    return std::nullopt;
  }
  return kFiles[static_cast<std::size_t>(languageIndex)];
}

}  // namespace quirevo
