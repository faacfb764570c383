#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/i18n/language_test_support.h"
#include "tests/i18n/temporary_working_directory.h"
#include "tests/support/window_fixture.h"
#include "ui/utf8.h"

namespace quirevo::testing {
namespace {

// The language files the program ships, switched through the window.
class ShippedLanguageFilesTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    for (const char* name : {"lang_en.xml", "lang_ru.xml", "lang_ua.xml"}) {
      std::filesystem::copy_file(std::filesystem::path(QUIREVO_LANG_DIR) / name,
                                 directory.path() / name);
    }
    start();
  }

  std::vector<std::string> keyedCaptions() {
    std::vector<std::string> captions;
    for (const CaptionKey& entry : kCaptionKeys) {
      captions.push_back(controlNamed(window(), entry.control).text());
    }
    return captions;
  }

  TemporaryWorkingDirectory directory;
};

TEST_F(ShippedLanguageFilesTest, EnglishFileHoldsTheLayoutCaptions) {
  const std::vector<std::string> layout = keyedCaptions();
  window().ComboBox1.userSelectItem(0);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(keyedCaptions(), layout);
}

bool hasCyrillic(const std::string& text) {
  for (char32_t character : decodeUtf8(text)) {
    if (character >= U'\u0400' && character <= U'\u04FF') {
      return true;
    }
  }
  return false;
}

TEST_F(ShippedLanguageFilesTest, RussianAndUkrainianTranslateEveryCaption) {
  window().ComboBox1.userSelectItem(1);
  const std::vector<std::string> russian = keyedCaptions();
  window().ComboBox1.userSelectItem(2);
  const std::vector<std::string> ukrainian = keyedCaptions();
  EXPECT_TRUE(messages().empty());
  for (std::size_t i = 0; i < kCaptionKeys.size(); ++i) {
    SCOPED_TRACE(kCaptionKeys[i].key);
    EXPECT_TRUE(hasCyrillic(russian[i])) << russian[i];
    EXPECT_TRUE(hasCyrillic(ukrainian[i])) << ukrainian[i];
  }
  // Ukrainian is its own translation, not the Russian file again.
  EXPECT_NE(russian, ukrainian);
  window().ComboBox1.userSelectItem(0);
  EXPECT_EQ(window().RadioButton3.caption(), "Print all sheets of the book");
}

}  // namespace
}  // namespace quirevo::testing
