#pragma once

#include <string_view>

namespace quirevo {

// The information list's own fixed texts in one language; they are part of the program, not of
// the language files.
struct InformationTexts {
  std::string_view heading;
  std::string_view sheetPrefix;  // ends in "№": the sheet number follows without a space
  std::string_view nameLabel;
  std::string_view pagesLabel;
};

// The texts for language index 0 (English), 1 (Russian) or 2 (Ukrainian); nothing for any other.
const InformationTexts* informationTexts(int languageIndex);

}  // namespace quirevo
