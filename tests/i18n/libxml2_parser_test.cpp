#include "platform/libxml2/libxml2_parser.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "i18n/xml_parse_error.h"
#include "tests/i18n/temporary_working_directory.h"

namespace quirevo::testing {
namespace {

class LibXml2ParserTest : public ::testing::Test {
 protected:
  std::unique_ptr<XmlDocument> parse(std::string_view content) {
    directory.write("document.xml", content);
    return parser.parseFile("document.xml");
  }

  // The error a content gives; fails the test when it parses.
  XmlParseError failure(std::string_view content) {
    try {
      parse(content);
    } catch (const XmlParseError& error) {
      return error;
    }
    ADD_FAILURE() << "parsed: " << content;
    return XmlParseError("", 0, "");
  }

  TemporaryWorkingDirectory directory;
  LibXml2Parser parser;
};

std::vector<std::unique_ptr<XmlNode>> childrenOfFirstChild(const XmlDocument& document) {
  return document.rootElement()->children().front()->children();
}

std::string firstText(const XmlDocument& document) {
  const auto content = childrenOfFirstChild(document);
  return content.empty() ? "<none>" : content.front()->value();
}

// Every value anywhere in the document, to check that nothing from outside got in.
std::string allValues(const XmlNode& node) {
  std::string values = node.value();
  for (const auto& child : node.children()) {
    values += allValues(*child);
  }
  return values;
}

struct EncodingRow {
  const char* name;
  std::string bytes;
};

class EncodingTest : public LibXml2ParserTest, public ::testing::WithParamInterface<EncodingRow> {};

TEST_P(EncodingTest, ReadsCyrillicText) {
  EXPECT_EQ(firstText(*parse(GetParam().bytes)), "Принтер");
}

std::string utf16(bool bigEndian, std::string_view ascii, std::u16string_view cyrillic,
                  std::string_view asciiTail) {
  std::u16string text;
  for (char c : ascii)
    text += static_cast<char16_t>(c);
  text += cyrillic;
  for (char c : asciiTail)
    text += static_cast<char16_t>(c);
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, EncodingTest,
    ::testing::Values(
        EncodingRow{"Utf8Declared",
                    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r><l1>Принтер</l1></r>"},
        EncodingRow{"Utf8Undeclared", "<r><l1>Принтер</l1></r>"},
        EncodingRow{"Utf8WithByteOrderMark", "\xEF\xBB\xBF<r><l1>Принтер</l1></r>"},
        EncodingRow{"Windows1251",
                    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                    "<r><l1>\xCF\xF0\xE8\xED\xF2\xE5\xF0</l1></r>\n"},
        EncodingRow{"Koi8r",
                    "<?xml version=\"1.0\" encoding=\"KOI8-R\"?>"
                    "<r><l1>\xF0\xD2\xC9\xCE\xD4\xC5\xD2</l1></r>"},
        EncodingRow{"Utf16LittleEndian",
                    utf16(false, "<?xml version=\"1.0\" encoding=\"UTF-16\"?><r><l1>", u"Принтер",
                          "</l1></r>")},
        EncodingRow{"Utf16BigEndianUndeclared", utf16(true, "<r><l1>", u"Принтер", "</l1></r>")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LibXml2ParserTest, NodesCarryKindNamesAndNamespace) {
  const auto document = parse(
      "<q:r xmlns:q=\"urn:q\"><q:a>t</q:a><b xmlns=\"urn:b\"/><c/><![CDATA[d]]>e"
      "<!--f--><?g h?></q:r>");
  const auto root = document->rootElement();
  EXPECT_EQ(root->name(), "q:r");
  EXPECT_EQ(root->localName(), "r");
  EXPECT_EQ(root->namespaceUri(), "urn:q");

  const auto children = root->children();
  struct Expected {
    XmlNodeKind kind;
    const char* name;
    const char* localName;
    const char* namespaceUri;
    const char* value;
  };
  const std::vector<Expected> expected = {
      {XmlNodeKind::Element, "q:a", "a", "urn:q", ""},
      {XmlNodeKind::Element, "b", "b", "urn:b", ""},
      {XmlNodeKind::Element, "c", "c", "", ""},
      {XmlNodeKind::CData, "", "", "", "d"},
      {XmlNodeKind::Text, "", "", "", "e"},
      {XmlNodeKind::Other, "", "", "", ""},
      {XmlNodeKind::Other, "", "", "", ""},
  };
  ASSERT_EQ(children.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(children[i]->kind(), expected[i].kind);
    EXPECT_EQ(children[i]->name(), expected[i].name);
    EXPECT_EQ(children[i]->localName(), expected[i].localName);
    EXPECT_EQ(children[i]->namespaceUri(), expected[i].namespaceUri);
    EXPECT_EQ(children[i]->value(), expected[i].value);
  }
  EXPECT_EQ(children[0]->children().front()->value(), "t");
}

TEST_F(LibXml2ParserTest, RootIsTheTopLevelElementAmongOtherNodes) {
  const auto document = parse("<?xml version=\"1.0\"?><!--a--><?b?><!DOCTYPE r><r/><!--c-->");
  EXPECT_EQ(document->rootElement()->name(), "r");
}

TEST_F(LibXml2ParserTest, WhiteSpaceOnlyTextIsDroppedUnlessPreserved) {
  const auto document = parse(
      "<r>\n  <a>  </a>\n  <b xml:space=\"preserve\"> <c> </c> </b>\n  <d><![CDATA[ ]]></d>\n"
      "  <e> x </e>\n</r>");
  const auto children = document->rootElement()->children();
  ASSERT_EQ(children.size(), 4u) << "blank text between elements kept";
  EXPECT_TRUE(children[0]->children().empty());
  const auto preserved = children[1]->children();
  ASSERT_EQ(preserved.size(), 3u);
  EXPECT_EQ(preserved[0]->value(), " ");
  EXPECT_EQ(preserved[1]->children().front()->value(), " ");
  EXPECT_EQ(children[2]->children().front()->kind(), XmlNodeKind::CData);
  EXPECT_EQ(children[3]->children().front()->value(), " x ");
}

TEST_F(LibXml2ParserTest, ExternalGeneralEntityIsNotRead) {
  directory.write("secret.txt", "SECRET");
  for (const std::string& system :
       {std::string("secret.txt"), "file://" + (directory.path() / "secret.txt").string(),
        std::string("http://127.0.0.1:9/secret.txt")}) {
    SCOPED_TRACE(system);
    const XmlParseError error =
        failure("<?xml version=\"1.0\"?>\n<!DOCTYPE r [<!ENTITY x SYSTEM \"" + system +
                "\">]>\n<r><l1>&x;</l1></r>");
    EXPECT_NE(error.reason().find("'x'"), std::string::npos) << error.what();
    EXPECT_EQ(error.line(), 3);
    EXPECT_EQ(std::string(error.what()).find("SECRET"), std::string::npos);
  }
}

TEST_F(LibXml2ParserTest, ExternalParameterEntityIsNotRead) {
  directory.write("secret.dtd", "<!ENTITY y \"SECRET\">");
  const XmlParseError error =
      failure("<!DOCTYPE r [<!ENTITY % p SYSTEM \"secret.dtd\"> %p;]><r><l1>&y;</l1></r>");
  EXPECT_NE(error.reason().find("'%p'"), std::string::npos) << error.what();
  EXPECT_EQ(std::string(error.what()).find("SECRET"), std::string::npos);
}

TEST_F(LibXml2ParserTest, ExternalDocumentTypeIsNotLoaded) {
  directory.write("other.dtd",
                  "<!ENTITY y \"SECRET\"><!ATTLIST r a CDATA \"SECRET\"><!ELEMENT r (l1)>");
  std::string values;
  try {
    const auto document =
        parse("<!DOCTYPE r SYSTEM \"other.dtd\"><r><l1>&y;</l1><l2>plain</l2></r>");
    values = allValues(*document->rootElement());
    EXPECT_EQ(firstText(*document), "") << "an unknown entity gives no text";
  } catch (const XmlParseError& error) {
    values = error.what();
  }
  EXPECT_EQ(values.find("SECRET"), std::string::npos);
}

TEST_F(LibXml2ParserTest, EntityExpansionIsBounded) {
  std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE r [\n<!ENTITY l0 \"lol\">\n";
  for (int level = 1; level <= 9; ++level) {
    std::string body;
    for (int copy = 0; copy < 10; ++copy) {
      body += "&l" + std::to_string(level - 1) + ";";
    }
    laughs += "<!ENTITY l" + std::to_string(level) + " \"" + body + "\">\n";
  }
  laughs += "]>\n<r><l1>&l9;</l1></r>\n";
  EXPECT_FALSE(failure(laughs).reason().empty());

  // One large entity referenced many times grows just as fast.
  std::string quadratic = "<!DOCTYPE r [<!ENTITY a \"" + std::string(100000, 'x') + "\">]><r><l1>";
  for (int copy = 0; copy < 20000; ++copy) {
    quadratic += "&a;";
  }
  EXPECT_FALSE(failure(quadratic + "</l1></r>").reason().empty());
}

struct FaultRow {
  const char* name;
  std::string content;
  int line;
  std::string lineText;
};

class FaultTest : public LibXml2ParserTest, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(FaultTest, GivesReasonLineAndLineText) {
  const XmlParseError error = failure(GetParam().content);
  EXPECT_FALSE(error.reason().empty());
  EXPECT_NE(error.reason().back(), '\n') << "the message adds its own line breaks";
  EXPECT_EQ(error.line(), GetParam().line);
  EXPECT_EQ(error.lineText(), GetParam().lineText);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FaultTest,
    ::testing::Values(
        FaultRow{"MismatchedTag", "<r>\n <a>x</b>\n</r>\n", 2, " <a>x</b>"},
        FaultRow{"UnclosedRoot", "<r>\n<a>x</a>", 2, "<a>x</a>"}, FaultRow{"EmptyFile", "", 0, ""},
        FaultRow{"TextAfterRoot", "<r/>\nrest", 2, "rest"},
        FaultRow{"UndeclaredPrefix", "<r>\n<q:a>x</q:a>\n</r>", 2, "<q:a>x</q:a>"},
        FaultRow{"NotUtf8", "<r>\n<a>\xCF\xF0</a></r>", 2, "<a>\xCF\xF0</a></r>"},
        FaultRow{"UnknownEncoding", "<?xml version=\"1.0\" encoding=\"no-such\"?><r/>", 1,
                 "<?xml version=\"1.0\" encoding=\"no-such\"?><r/>"},
        FaultRow{"FaultyLineOfCyrillicUtf16", utf16(false, "<r>\n<a>", u"Принтер", "</b>\n</r>"), 2,
                 "<a>Принтер</b>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LibXml2ParserTest, FaultsAreReportedOnlyByTheException) {
  ::testing::internal::CaptureStderr();
  failure("<?xml version=\"1.0\" encoding=\"ISO-2022-JP\"?><r>\x1b$B\x91\x74</r>");
  failure("<r>\n<a>x</b>");
  failure("<!DOCTYPE r [<!ENTITY x SYSTEM \"nowhere.txt\">]><r>&x;</r>");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

// The conversion fails while libxml2 refills its buffer, when its pointers into the old buffer
// are stale; the report must not read them (AddressSanitizer catches it).
TEST_F(LibXml2ParserTest, ConversionFailureDuringARefillIsReported) {
  std::string content = "<?xml version=\"1.0\" encoding=\"UTF-7\"?>\n<language>\n";
  for (int line = 0; line < 12; ++line) {
    content +=
        "  <rb" + std::to_string(line) + ">Print odd pages</rb" + std::to_string(line) + ">\n";
  }
  content += std::string("\x08\x00", 2) + "\n</language>\n";
  EXPECT_FALSE(failure(content).reason().empty());
}

TEST_F(LibXml2ParserTest, UnreadableFileNamesItAndTheSystemReason) {
  const struct {
    const char* name;
    std::function<void()> prepare;
    const char* reason;
  } kRows[] = {
      {"missing.xml", [] {}, "Cannot read the file \"missing.xml\": No such file or directory"},
      {"folder.xml", [this] { std::filesystem::create_directory(directory.path() / "folder.xml"); },
       "Cannot read the file \"folder.xml\": Is a directory"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.name);
    row.prepare();
    try {
      parser.parseFile(row.name);
      ADD_FAILURE() << "parsed";
    } catch (const XmlParseError& error) {
      EXPECT_EQ(error.reason(), row.reason);
      EXPECT_EQ(error.line(), 0);
      EXPECT_EQ(error.lineText(), "");
    }
  }
}

}  // namespace
}  // namespace quirevo::testing
