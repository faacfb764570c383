#include "platform/msxml/msxml_parser.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "i18n/xml_parse_error.h"
#include "platform/com/com_apartment.h"
#include "platform/windows/wide_text.h"
#include "tests/win/wine_limits.h"

namespace quirevo::testing {
namespace {

// A folder of its own under the temporary folder, made the working directory while a test runs,
// since language files are named without a folder.
class MsxmlParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"quirevo-msxml-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    previous_ = previous;
    SetCurrentDirectoryW(folder_.c_str());
  }
  void TearDown() override {
    for (const std::wstring& file : files_) {
      DeleteFileW(file.c_str());
    }
    SetCurrentDirectoryW(previous_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  std::string write(const std::string& name, const std::string& bytes) {
    std::ofstream(std::filesystem::path(folder_ + L"\\" + toWide(name)), std::ios::binary) << bytes;
    files_.push_back(folder_ + L"\\" + toWide(name));
    return name;
  }
  std::unique_ptr<XmlDocument> parse(const std::string& bytes) {
    return parser.parseFile(write("file.xml", bytes));
  }

  ComApartment apartment;
  MsxmlParser parser;

 private:
  std::wstring folder_;
  std::wstring previous_;
  std::vector<std::wstring> files_;
};

std::unique_ptr<XmlNode> firstChild(const XmlNode& node) {
  auto children = node.children();
  return children.empty() ? nullptr : std::move(children.front());
}

// The text of the first element's only child, as a caption would be read.
std::string captionText(const XmlDocument& document) {
  const auto root = document.rootElement();
  const auto key = firstChild(*root);
  const auto children = key->children();
  if (children.size() != 1) {
    return std::to_string(children.size()) + " nodes";
  }
  return children.front()->value();
}

struct EncodingCase {
  const char* name;
  std::string bytes;
};

class MsxmlEncodingTest : public MsxmlParserTest,
                          public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(MsxmlEncodingTest, CyrillicTextArrivesAsUtf8) {
  EXPECT_EQ(captionText(*parse(GetParam().bytes)), "Принтер");
}

std::string utf16(const std::wstring& text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, MsxmlEncodingTest,
    ::testing::Values(
        EncodingCase{"Utf8Declared",
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?><lang><l1>Принтер</l1></lang>"},
        EncodingCase{"Utf8ByDefault", "<lang><l1>Принтер</l1></lang>"},
        EncodingCase{"Utf16ByItsByteOrderMark", utf16(L"<lang><l1>Принтер</l1></lang>")},
        EncodingCase{"Windows1251Declared",
                     "<?xml version=\"1.0\" encoding=\"windows-1251\"?><lang><l1>"
                     "\xCF\xF0\xE8\xED\xF2\xE5\xF0</l1></lang>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MsxmlParserTest, NodesComeWithTheirKindsInDocumentOrder) {
  const auto document = parse(
      "<?xml version=\"1.0\"?><!-- before --><?note x?><lang>"
      "<l1><![CDATA[<b>&</b>]]></l1><!-- c --><l2>a &amp; b &#1055;</l2><l3/></lang>");
  const auto root = document->rootElement();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->name(), "lang");
  const auto children = root->children();
  ASSERT_EQ(children.size(), 4u);
  EXPECT_EQ(children[0]->kind(), XmlNodeKind::Element);
  EXPECT_EQ(children[1]->kind(), XmlNodeKind::Other);
  EXPECT_EQ(children[2]->name(), "l2");
  EXPECT_TRUE(children[3]->children().empty());

  const auto cdata = firstChild(*children[0]);
  EXPECT_EQ(cdata->kind(), XmlNodeKind::CData);
  EXPECT_EQ(cdata->value(), "<b>&</b>");
  const auto text = children[2]->children();
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0]->kind(), XmlNodeKind::Text);
  EXPECT_EQ(text[0]->value(), "a & b П");
}

TEST_F(MsxmlParserTest, ElementsCarryPrefixLocalNameAndNamespace) {
  const auto root =
      parse("<q:lang xmlns:q=\"urn:quirevo\"><q:l1>x</q:l1><l2>y</l2></q:lang>")->rootElement();
  const auto children = root->children();
  ASSERT_EQ(children.size(), 2u);
  EXPECT_EQ(children[0]->name(), "q:l1");
  EXPECT_EQ(children[0]->localName(), "l1");
  EXPECT_EQ(children[0]->namespaceUri(), "urn:quirevo");
  EXPECT_EQ(children[1]->localName(), "l2");
  EXPECT_EQ(children[1]->namespaceUri(), "");
}

TEST_F(MsxmlParserTest, WhiteSpaceOnlyTextIsDropped) {
  const auto root = parse("<lang>\r\n  <l1> </l1>\r\n  <l2> a </l2>\r\n</lang>")->rootElement();
  const auto children = root->children();
  ASSERT_EQ(children.size(), 2u);
  EXPECT_TRUE(children[0]->children().empty());
  EXPECT_EQ(firstChild(*children[1])->value(), " a ");
}

TEST_F(MsxmlParserTest, AMalformedFileGivesReasonLineAndLineText) {
  try {
    parse("<lang>\n<l1>x</l1>\n<l2>y</l3>\n</lang>");
    FAIL() << "parsed";
  } catch (const XmlParseError& error) {
    EXPECT_FALSE(error.reason().empty());
    EXPECT_EQ(error.reason().find_last_of("\r\n"), std::string::npos) << error.reason();
    if (runningUnderWine()) {
      return;  // see wine_limits.h
    }
    EXPECT_EQ(error.line(), 3);
    EXPECT_EQ(error.lineText(), "<l2>y</l3>");
  }
}

TEST_F(MsxmlParserTest, AMissingFileIsAParseError) {
  try {
    parser.parseFile("lang_missing.xml");
    FAIL() << "parsed";
  } catch (const XmlParseError& error) {
    EXPECT_FALSE(error.reason().empty());
  }
}

TEST_F(MsxmlParserTest, ExternalEntitiesAreNotRead) {
  write("secret.txt", "SECRET");
  std::string found;
  try {
    const auto document = parse(
        "<?xml version=\"1.0\"?><!DOCTYPE lang [<!ENTITY ext SYSTEM \"secret.txt\">]>"
        "<lang><l1>&ext;</l1></lang>");
    std::function<void(const XmlNode&)> collect = [&](const XmlNode& node) {
      found += node.value();
      for (const auto& child : node.children()) {
        collect(*child);
      }
    };
    collect(*document->rootElement());
  } catch (const XmlParseError&) {
    // Refusing the file is as good as not reading the entity.
  }
  EXPECT_EQ(found.find("SECRET"), std::string::npos);
}

}  // namespace
}  // namespace quirevo::testing
