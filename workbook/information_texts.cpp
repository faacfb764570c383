#include "workbook/information_texts.h"

#include <array>

namespace quirevo {

namespace {
constexpr std::array<InformationTexts, 3> kTexts{{
    {"File information", "Sheet №", " - Sheets name: ", " - Num pages: "},
    {"Информация о файле", "Лист №", " - Имя листа: ", " - Кол-во стр.: "},
    {"Інформація про файл", "Аркуш №", " - Имя аркуша: ", " - Кіл-сть стр.: "},
}};
}  // namespace

const InformationTexts* informationTexts(int languageIndex) {
  if (languageIndex < 0 || languageIndex >= static_cast<int>(kTexts.size())) {
    return nullptr;
  }
  return &kTexts[static_cast<std::size_t>(languageIndex)];
}

}  // namespace quirevo
