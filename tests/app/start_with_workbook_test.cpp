// A program started with a workbook: the language picked and the file named before the window
// shows; without one, start-up stays as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/main_unit.h"
#include "app/quirevo.h"
#include "tests/i18n/language_test_support.h"
#include "tests/i18n/temporary_working_directory.h"
#include "tests/support/fake_platform.h"
#include "tests/support/request_lists.h"

namespace quirevo::testing {
namespace {

const Requests kStartUp = {"put DisplayAlerts(bool false)", "put Visible(bool false)",
                           "get Workbooks", "method Add"};

Requests closeAndOpen(const std::string& fileName) {
  return {"get ActiveWorkbook", "method Close", "get Workbooks",
          "method Open(Filename: string \"" + fileName + "\")"};
}

Requests listingOfTwo() {
  Requests all = {"get Sheets", "get count"};
  for (const char* item : {"indexed get Item(int 1)", "indexed get Item(int 2)"}) {
    all = join({all,
                {"get Sheets", item, "get name", "get Sheets", item, "get PageSetup", "get Pages",
                 "get Count"}});
  }
  return all;
}

// What the window showed when the event loop took it over.
struct Shown {
  std::string fileField;
  std::vector<std::string> list;
  int language = -2;
  std::string printerLabel;
};

class StartedProgramTest : public ::testing::Test {
 protected:
  StartedProgramTest() {
    fake.standIn.addFile(inFolder("Book.xlsx"),
                         {{{"Sales", Variant::integer(2)}, {"Costs", Variant::integer(1)}}, {}});
    fake.desktop.script = [this](Form&) {
      shown = {Form1->Edit1.text(), Form1->ListBox1.items(), Form1->ComboBox1.itemIndex(),
               Form1->Label1.caption()};
    };
  }

  // The working folder as the process reads it, which a symbolic link may make differ from the
  // folder's own name.
  std::string inFolder(const std::string& name) const {
    return (std::filesystem::current_path() / name).string();
  }

  TemporaryWorkingDirectory directory;
  FakePlatform fake;
  Shown shown;
};

struct StartRow {
  const char* name;
  std::string argument;  // "{folder}" stands for the working folder
  bool languageFile;
  bool printer;
  std::string named;  // the file the field names, in the working folder
  bool listed;
  std::vector<std::string> messages;  // "{folder}" as above
};

class StartedWithWorkbookTest : public StartedProgramTest,
                                public ::testing::WithParamInterface<StartRow> {
 protected:
  std::string expand(std::string text) const {
    const std::string marker = "{folder}";
    if (const auto at = text.find(marker); at != std::string::npos) {
      text.replace(at, marker.size(), std::filesystem::current_path().string());
    }
    return text;
  }
};

TEST_P(StartedWithWorkbookTest, PicksEnglishThenNamesTheFileBeforeTheWindowShows) {
  const StartRow& row = GetParam();
  if (row.languageFile) {
    directory.write("lang_en.xml", markedLanguageDocument("Eng"));
  }
  if (!row.printer) {
    fake.printers.printer.reset();
  }

  EXPECT_EQ(Quirevo(fake.platform, expand(row.argument)), 0);

  const std::string named = inFolder(row.named);
  EXPECT_EQ(shown.fileField, named);
  EXPECT_EQ(shown.language, 0);
  EXPECT_EQ(shown.printerLabel, row.languageFile ? "Eng l1" : "Printer");
  const std::vector<std::string> list = {"File information",
                                         "Sheet №1 - Sheets name: Sales - Num pages: 2",
                                         "Sheet №2 - Sheets name: Costs - Num pages: 1"};
  EXPECT_EQ(shown.list, row.listed ? list : std::vector<std::string>{});
  const Requests expected =
      row.printer ? join({kStartUp, closeAndOpen(named), row.listed ? listingOfTwo() : Requests{}})
                  : Requests{};
  EXPECT_EQ(fake.standIn.requests(), expected);
  std::vector<ShownMessage> messages;
  for (const std::string& text : row.messages) {
    messages.push_back({"Quirevo", expand(text), MessageIcon::Error});
  }
  EXPECT_EQ(fake.desktop.messages, messages);
  EXPECT_EQ(fake.automation.referencesWhenApartmentLeft, 0);
}

const std::string kNoLanguageFile =
    "Cannot read the file \"lang_en.xml\": No such file or directory\r\nLine: 0\r\n";

INSTANTIATE_TEST_SUITE_P(
    Starts, StartedWithWorkbookTest,
    ::testing::Values(
        StartRow{"AbsolutePath", "{folder}/Book.xlsx", true, true, "Book.xlsx", true, {}},
        StartRow{"RelativePath", "Book.xlsx", true, true, "Book.xlsx", true, {}},
        StartRow{"RelativePathWithDots", "./sub/../Book.xlsx", true, true, "Book.xlsx", true, {}},
        StartRow{"MissingLanguageFileIsReportedAndTheListStillBuilt",
                 "Book.xlsx",
                 false,
                 true,
                 "Book.xlsx",
                 true,
                 {kNoLanguageFile}},
        StartRow{"FailingOpenIsReported",
                 "Gone.xlsx",
                 true,
                 true,
                 "Gone.xlsx",
                 false,
                 {"Sorry, we couldn't find {folder}/Gone.xlsx. Is it possible it was moved, "
                  "renamed or deleted?."}},
        StartRow{
            "FailedCreateHandlerStillNamesTheFile",
            "Book.xlsx",
            true,
            false,
            "Book.xlsx",
            false,
            {"There is no default printer currently selected.", "Invalid variant operation."}}),
    [](const auto& info) { return std::string(info.param.name); });

class StartedWithoutWorkbookTest
    : public StartedProgramTest,
      public ::testing::WithParamInterface<std::optional<std::string>> {};

TEST_P(StartedWithoutWorkbookTest, StartsAsBeforeReadingNoLanguageFile) {
  EXPECT_EQ(Quirevo(fake.platform, GetParam()), 0);
  EXPECT_EQ(fake.standIn.requests(), kStartUp);
  EXPECT_EQ(shown.fileField, "");
  EXPECT_EQ(shown.language, -1);
  EXPECT_TRUE(shown.list.empty());
  EXPECT_TRUE(fake.desktop.messages.empty()) << "no language file is looked for";
}

INSTANTIATE_TEST_SUITE_P(Arguments, StartedWithoutWorkbookTest,
                         ::testing::Values(std::nullopt, std::optional<std::string>("")),
                         [](const auto& info) {
                           return std::string(info.param ? "EmptyName" : "NoArgument");
                         });

}  // namespace
}  // namespace quirevo::testing
