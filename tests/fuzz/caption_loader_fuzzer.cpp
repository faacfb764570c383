// Any bytes as a language file: load, apply the 25 captions, close, as a language pick does;
// then read the remembered file again, as an edit of the combo box's text does. Failures must
// be the loader's own exceptions; crashes, leaks, hangs and undefined behaviour are findings.
#include <stdlib.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/caption_switch.h"
#include "i18n/xml_document_component.h"
#include "i18n/xml_parse_error.h"
#include "platform/libxml2/libxml2_parser.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/ui_services.h"
#include "ui/utf8.h"

namespace {

using namespace quirevo;

constexpr std::array<std::string_view, 25> kKeys = {
    "l1",  "l2",  "l3",  "l4",  "l5",  "l6",  "l7",  "l8",   "cb1",  "gb1",  "gb2", "rb1", "rb2",
    "rb3", "rb4", "rb5", "rb6", "rb7", "rb8", "rb9", "rb10", "rb11", "rb12", "b1",  "b2"};

class FixedWidthServices final : public UiServices {
 public:
  void beep() override {}
  Size measureText(std::string_view text, const Font& font) const override {
    return {static_cast<int>(utf8Length(text)) * 6, font.pixelHeight + 3};
  }
  char32_t decimalSeparator() const override { return U'.'; }
  void reportError(const std::exception&) override {}
};

// Captioned controls for the keys, half of them right-aligned so both label rules run.
struct Captions {
  Captions() {
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
      labels.emplace_back(form,
                          ControlArgs{.name = std::string(kKeys[i]), .bounds = {100, 10, 50, 13}},
                          i % 2 == 0 ? Alignment::Right : Alignment::Left);
      targets.push_back({kKeys[i], labels.back()});
    }
  }
  FixedWidthServices services;
  Form form{services, {.name = "Form1"}};
  std::deque<Label> labels;
  std::vector<CaptionTarget> targets;
};

// A private folder for the file under test, removed when the fuzzer exits.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quirevo-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("cannot create a scratch folder");
    }
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string file(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

void switchCaptions(XmlDocumentComponent& document, const std::vector<CaptionTarget>& targets) {
  try {
    applyCaptions(*document.documentElement(), targets);
    document.setActive(false);
  } catch (const std::runtime_error& error) {
    // The one failure a parsed file may give; the document then stays open.
    if (std::string_view(error.what()) != "Element does not contain a single text node") {
      throw;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFolder folder;
  static const std::string fileName = folder.file("lang_en.xml");
  {
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  Captions captions;
  LibXml2Parser parser;
  XmlDocumentComponent document(&parser);
  try {
    document.loadFromFile(fileName);
  } catch (const XmlParseError&) {
    return 0;
  }
  switchCaptions(document, captions.targets);
  if (!document.active()) {
    document.setActive(true);
  }
  switchCaptions(document, captions.targets);
  return 0;
}
