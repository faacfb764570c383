#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/platform.h"
#include "tests/i18n/language_test_support.h"
#include "tests/i18n/temporary_working_directory.h"
#include "tests/support/window_fixture.h"
#include "ui/spin_edit.h"
#include "ui/utf8.h"

namespace quirevo::testing {
namespace {

constexpr int kEnglish = 0;
constexpr int kRussian = 1;
constexpr const char* kNotSingleText = "Element does not contain a single text node.";

class CaptionSwitchTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    start();
  }

  void pick(int index) { window().ComboBox1.userSelectItem(index); }
  void edit(std::string text) { window().ComboBox1.userEdit(std::move(text)); }
  const std::string& caption(std::string_view control) {
    return controlNamed(window(), control).text();
  }
  // The captions of the 25 keyed controls, in key order.
  std::vector<std::string> keyedCaptions() {
    std::vector<std::string> captions;
    for (const CaptionKey& entry : kCaptionKeys) {
      captions.push_back(caption(entry.control));
    }
    return captions;
  }
  std::vector<std::string> marked(std::string_view marker) {
    std::vector<std::string> captions;
    for (const CaptionKey& entry : kCaptionKeys) {
      captions.push_back(std::string(marker) + " " + std::string(entry.key));
    }
    return captions;
  }

  TemporaryWorkingDirectory directory;
};

struct LanguageRow {
  const char* name;
  int index;
  const char* file;
};

class EachLanguageTest : public CaptionSwitchTest,
                         public ::testing::WithParamInterface<LanguageRow> {};

TEST_P(EachLanguageTest, ItsFileSetsAllCaptionsAndLabelsFitTheirText) {
  directory.write(GetParam().file, markedLanguageDocument(GetParam().name));
  pick(GetParam().index);

  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(keyedCaptions(), marked(GetParam().name));
  // Right-aligned labels keep their right edges, the others their left edges.
  const struct {
    const char* label;
    int left;
    int right;
  } kEdges[] = {{"Label1", -1, 81},  {"Label2", -1, 83},  {"Label6", -1, 444}, {"Label7", -1, 233},
                {"Label8", -1, 241}, {"Label3", 208, -1}, {"Label4", 392, -1}, {"Label5", 392, -1}};
  for (const auto& edge : kEdges) {
    const Control& label = controlNamed(window(), edge.label);
    SCOPED_TRACE(edge.label);
    EXPECT_EQ(label.bounds().width,
              static_cast<int>(utf8Length(label.text())) * FakeDesktop::kCharacterWidth);
    if (edge.left >= 0) {
      EXPECT_EQ(label.bounds().left, edge.left);
    } else {
      EXPECT_EQ(label.bounds().right(), edge.right);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, EachLanguageTest,
                         ::testing::Values(LanguageRow{"English", 0, "lang_en.xml"},
                                           LanguageRow{"Russian", 1, "lang_ru.xml"},
                                           LanguageRow{"Ukrainian", 2, "lang_ua.xml"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaptionSwitchTest, ChoosingTheLanguageShownReadsItsFileAgain) {
  directory.write("lang_en.xml", markedLanguageDocument("first"));
  pick(kEnglish);
  directory.write("lang_en.xml", markedLanguageDocument("second"));
  pick(kEnglish);
  EXPECT_EQ(keyedCaptions(), marked("second"));
}

TEST_F(CaptionSwitchTest, LongerCaptionWidensRightAlignedLabelsToTheLeft) {
  directory.write("lang_en.xml", languageDocument("<l1>Default printer</l1><l2>Workbook</l2>"));
  pick(kEnglish);
  EXPECT_EQ(window().Label1.bounds().right(), 81);
  EXPECT_EQ(window().Label1.bounds().left, 81 - 15 * FakeDesktop::kCharacterWidth);
  EXPECT_EQ(window().Label2.bounds().right(), 83);
  EXPECT_EQ(window().Label2.bounds().left, 83 - 8 * FakeDesktop::kCharacterWidth);
}

TEST_F(CaptionSwitchTest, MissingKeyEmptiesItsCaptionWithoutMessage) {
  std::string body;
  for (const CaptionKey& entry : kCaptionKeys) {
    if (entry.key != "b2") {
      body += "<" + std::string(entry.key) + ">x</" + std::string(entry.key) + ">";
    }
  }
  directory.write("lang_en.xml", languageDocument(body));
  pick(kEnglish);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(window().BitBtn2.caption(), "");
  EXPECT_EQ(window().BitBtn1.caption(), "x");
}

TEST_F(CaptionSwitchTest, RootWithoutChildrenEmptiesEveryCaption) {
  directory.write("lang_ru.xml", "<?xml version=\"1.0\"?><nothing/>");
  pick(kRussian);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(keyedCaptions(), std::vector<std::string>(kCaptionKeys.size(), ""));
}

// How the content of a file's "l1" element becomes Label1's caption.
struct ContentRow {
  const char* name;
  std::string document;
  std::string caption;
};

class KeyContentTest : public CaptionSwitchTest,
                       public ::testing::WithParamInterface<ContentRow> {};

TEST_P(KeyContentTest, GivesLabel1Caption) {
  directory.write("lang_en.xml", GetParam().document);
  pick(kEnglish);
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(window().Label1.caption(), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Files, KeyContentTest,
    ::testing::Values(
        ContentRow{"NamesAreCaseSensitive", languageDocument("<L1>Printer</L1>"), ""},
        ContentRow{"FirstOfTwoKeysWins", languageDocument("<l1>first</l1><l1>second</l1>"),
                   "first"},
        ContentRow{"CdataKeptUnchanged",
                   languageDocument("<l1><![CDATA[ <b>Print & go</b> &amp; ]]></l1>"),
                   " <b>Print & go</b> &amp; "},
        ContentRow{"TextIsNotTrimmed", languageDocument("<l1>  Printer \n</l1>"), "  Printer \n"},
        ContentRow{"WhiteSpaceOnlyTextIsDropped", languageDocument("<l1> \t\n </l1>"), ""},
        ContentRow{"WhiteSpaceKeptWhereDocumentAsksForIt",
                   languageDocument("<l1 xml:space=\"preserve\">  </l1>"), "  "},
        ContentRow{"EmptyElement", languageDocument("<l1/>"), ""},
        ContentRow{"AnEmptyFirstKeyWins", languageDocument("<l1/><l1>second</l1>"), ""},
        ContentRow{"ReferencesResolved",
                   languageDocument("<l1>&amp;&lt;&#x41F;&#1088; &quot;</l1>"), "&<Пр \""},
        ContentRow{"InternalEntityExpanded",
                   "<?xml version=\"1.0\"?>\n<!DOCTYPE language [<!ENTITY p \"Printer\">]>\n"
                   "<language><l1>My &p;</l1></language>",
                   "My Printer"},
        ContentRow{"OtherChildrenAndAttributesIgnored",
                   languageDocument("<?note x?><!-- c --><other>z</other><l1 a=\"1\">A</l1>"), "A"},
        ContentRow{"NodesAfterTheRootIgnored",
                   "<?xml version=\"1.0\"?><!-- before --><language><l1>A</l1></language>"
                   "<!-- after --><?after?>",
                   "A"},
        ContentRow{"PrefixedKeyInRootNamespace",
                   "<q:language xmlns:q=\"urn:quirevo\"><q:l1>A</q:l1></q:language>", "A"},
        ContentRow{"DefaultNamespaceKeyInRootNamespace",
                   "<q:language xmlns:q=\"urn:quirevo\"><l1 xmlns=\"urn:quirevo\">A</l1>"
                   "</q:language>",
                   "A"},
        ContentRow{"KeyOutsideRootNamespaceIgnored",
                   "<language xmlns=\"urn:quirevo\"><l1 xmlns=\"\">A</l1></language>", ""},
        ContentRow{"KeyInOtherNamespaceIgnored",
                   "<language xmlns=\"urn:quirevo\" xmlns:x=\"urn:other\"><x:l1>A</x:l1>"
                   "<l1>B</l1></language>",
                   "B"},
        ContentRow{"NamespacedKeyUnderPlainRootIgnored",
                   "<language xmlns:x=\"urn:other\"><x:l1>A</x:l1></language>", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// Contents of "l3" that are neither nothing, one text node nor one CDATA section.
class FaultyKeyTest : public CaptionSwitchTest, public ::testing::WithParamInterface<const char*> {
 protected:
  std::string faultyFile() {
    return languageDocument(std::string("<l1>one</l1><l2>two</l2><l3>") + GetParam() +
                            "</l3><l4>four</l4>");
  }
};

TEST_P(FaultyKeyTest, StopsAtTheKeyWithEarlierCaptionsSwitched) {
  directory.write("lang_en.xml", faultyFile());
  pick(kEnglish);
  EXPECT_EQ(messages(), std::vector{errorBox(kNotSingleText)});
  EXPECT_EQ(window().Label1.caption(), "one");
  EXPECT_EQ(window().Label2.caption(), "two");
  EXPECT_EQ(window().Label3.caption(), "to");
  EXPECT_EQ(window().Label4.caption(), "Copies");
  EXPECT_EQ(window().BitBtn2.caption(), "Close");
}

TEST_P(FaultyKeyTest, DocumentStaysOpenForAnEditedTextAndIsReloadedByAPick) {
  directory.write("lang_en.xml", faultyFile());
  pick(kEnglish);
  // The open document is read again, not the file, which has been mended meanwhile.
  directory.write("lang_en.xml", markedLanguageDocument("mended"));
  edit("En");
  EXPECT_EQ(messages(), (std::vector{errorBox(kNotSingleText), errorBox(kNotSingleText)}));
  EXPECT_EQ(window().Label3.caption(), "to");

  pick(kEnglish);
  EXPECT_EQ(messages().size(), 2u);
  EXPECT_EQ(keyedCaptions(), marked("mended"));
}

INSTANTIATE_TEST_SUITE_P(Contents, FaultyKeyTest,
                         ::testing::Values("<!-- to -->", "<b>to</b>", "to<!-- c -->",
                                           "<![CDATA[to]]>and", "<?pi?>"));

class LoadFailureTest : public CaptionSwitchTest {
 protected:
  void SetUp() override {
    CaptionSwitchTest::SetUp();
    directory.write("lang_en.xml", markedLanguageDocument("English"));
    pick(kEnglish);
    ASSERT_TRUE(messages().empty());
  }
};

TEST_F(LoadFailureTest, MissingFileReportedWithCaptionsUnchanged) {
  pick(kRussian);
  const std::string message =
      "Cannot read the file \"lang_ru.xml\": No such file or directory\r\nLine: 0\r\n";
  EXPECT_EQ(messages(), std::vector{errorBox(message)});
  EXPECT_EQ(keyedCaptions(), marked("English"));
  EXPECT_EQ(window().ComboBox1.itemIndex(), kRussian);
  EXPECT_EQ(window().ComboBox1.text(), "Рус");
}

TEST_F(LoadFailureTest, EditedTextRetriesTheFailedFile) {
  pick(kRussian);
  edit("Ру");
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[1], messages()[0]);
  EXPECT_EQ(keyedCaptions(), marked("English"));
  // The remembered name is the failed file's, so once it exists an edit reads it.
  directory.write("lang_ru.xml", markedLanguageDocument("Russian"));
  edit("Р");
  EXPECT_EQ(messages().size(), 2u);
  EXPECT_EQ(keyedCaptions(), marked("Russian"));
}

TEST_F(LoadFailureTest, MalformedFileReportsReasonLineAndLineText) {
  directory.write("lang_ru.xml",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<language>\n"
                  "  <l1>Принтер</l1> <l2>Файл</l3> and a long tail past forty characters\n"
                  "</language>\n");
  pick(kRussian);
  ASSERT_EQ(messages().size(), 1u);
  const std::string& text = messages()[0].text;
  // The reason first, then the line number and the line's first 40 characters; the message box
  // adds the full stop after the final letter.
  const std::string tail = "\r\nLine: 3\r\n  <l1>Принтер</l1> <l2>Файл</l3> and a l.";
  ASSERT_GT(text.size(), tail.size()) << "no reason given";
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_EQ(keyedCaptions(), marked("English"));
}

TEST_F(CaptionSwitchTest, EditedTextBeforeAnyLanguageChangesNothingSilently) {
  const auto before = textsOf(window());
  edit("Deutsch");
  EXPECT_TRUE(messages().empty());
  auto after = textsOf(window());
  after["ComboBox1"] = before.at("ComboBox1");
  EXPECT_EQ(after, before);
}

TEST_F(CaptionSwitchTest, ControlsOutsideTheKeysNeverChange) {
  window().ListBox1.addItem("Sheet №1 - Sheets name: Totals - Num pages: 3");
  auto unkeyed = [this] {
    auto texts = textsOf(window());
    for (const CaptionKey& entry : kCaptionKeys) {
      texts.erase(std::string(entry.control));
    }
    texts.erase("ComboBox1");  // the user's own pick or edit
    return texts;
  };
  const auto before = unkeyed();
  const std::string windowCaption = window().caption();
  const std::vector<std::string> items = window().ComboBox1.items();
  std::vector<std::string> unkeyedInFile = {"Form1",  "SpeedButton1", "ComboBox1", "Edit1",
                                            "Panel1", "SpinEdit1",    "SpinEdit6", "ListBox1"};
  std::string body;
  for (const std::string& name : unkeyedInFile) {
    body += "<" + name + ">changed</" + name + ">";
  }
  directory.write("lang_en.xml", languageDocument(body + "<l1>a</l1>"));
  directory.write("lang_ua.xml", languageDocument("<l1>a</l1><l2><x/></l2>"));

  pick(kEnglish);
  pick(kRussian);  // missing file
  pick(2);         // fails at "l2"
  edit("?");

  EXPECT_EQ(messages().size(), 3u);
  EXPECT_EQ(unkeyed(), before);
  EXPECT_EQ(window().caption(), windowCaption);
  EXPECT_EQ(window().ComboBox1.items(), items);
  EXPECT_EQ(window().ListBox1.items(),
            std::vector<std::string>{"Sheet №1 - Sheets name: Totals - Num pages: 3"});
  EXPECT_EQ(window().OpenDialog1.filter(), "Excel|*.xls;*.xlsx");
  for (SpinEdit* spin : {&window().SpinEdit1, &window().SpinEdit6, &window().SpinEdit10}) {
    EXPECT_EQ(spin->value(), 1);
  }
}

TEST_F(CaptionSwitchTest, LanguageFilesAreNeverWritten) {
  namespace fs = std::filesystem;
  const std::map<std::string, std::string> files = {
      {"lang_en.xml", markedLanguageDocument("English")},
      {"lang_ru.xml", languageDocument("<l1>a</l1><l2><!-- c --></l2>")},
      {"lang_ua.xml", "<language><l1>unclosed"}};
  const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
  for (const auto& [name, content] : files) {
    directory.write(name, content);
    fs::last_write_time(directory.path() / name, longAgo);
  }

  for (int index : {0, 1, 2, 0, 1}) {
    pick(index);
    edit("x");
  }

  EXPECT_FALSE(messages().empty());
  for (const auto& [name, content] : files) {
    SCOPED_TRACE(name);
    EXPECT_EQ(directory.read(name), content);
    EXPECT_EQ(fs::last_write_time(directory.path() / name), longAgo);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), fs::directory_iterator()), 3);
}

TEST_F(CaptionSwitchTest, PlatformWithoutParserReportsIt) {
  Platform withoutParser{fake.automation, fake.printers, fake.desktop};
  TForm1 other(application, withoutParser);
  directory.write("lang_en.xml", markedLanguageDocument("English"));
  other.ComboBox1.userSelectItem(kEnglish);
  EXPECT_EQ(messages(), std::vector{errorBox("No XML parser is available.")});
  EXPECT_EQ(other.Label1.caption(), "Printer");
}

}  // namespace
}  // namespace quirevo::testing
