#include "app/main_unit.h"

#include <stdexcept>

#include "app/platform.h"
#include "app/print_controls.h"
#include "app/spreadsheet_session.h"
#include "app/workbook_controls.h"
#include "automation/late_binding.h"
#include "i18n/language_file.h"
#include "platform/automation_factory.h"
#include "platform/printer_list.h"
#include "ui/toolkit.h"
#include "workbook/absolute_file_name.h"
#include "workbook/application_lifecycle.h"
#include "workbook/print_execution.h"
#include "workbook/workbook_loading.h"

namespace quirevo {

TForm1* Form1 = nullptr;

namespace {
constexpr int kItemHeight = 13;
}  // namespace

// clang-format off
TForm1::TForm1(UiServices& services, Platform& platform)
    : Form(services, {.name = "Form1", .bounds = {218, 41, 670, 515}, .text = "Quirevo v1.1"}),
      platform_(platform),
      Label1(*this, {.name = "Label1", .bounds = {8, 30, 73, 16}, .text = "Printer", .font = kBold13}, Alignment::Right),
      Label2(*this, {.name = "Label2", .bounds = {8, 70, 75, 16}, .text = "File", .font = kBold13}, Alignment::Right),
      SpeedButton1(*this, {.name = "SpeedButton1", .bounds = {624, 64, 23, 22}, .text = "..."}),
      ComboBox1(*this, {.name = "ComboBox1", .bounds = {16, 448, 57, 21}, .text = "Eng", .tabOrder = 0}, {"Eng", "Рус", "Укр"}, kItemHeight),
      CheckBox1(*this, {.name = "CheckBox1", .bounds = {568, 96, 73, 17}, .text = "Preview", .tabOrder = 1}),
      Edit1(*this, {.name = "Edit1", .bounds = {88, 64, 529, 24}, .font = kBold13, .tabOrder = 2}),
      RadioButton1(*this, {.name = "RadioButton1", .bounds = {496, 128, 153, 17}, .text = "Printing sheets", .tabOrder = 3}, true),
      RadioButton2(*this, {.name = "RadioButton2", .bounds = {496, 160, 145, 17}, .text = "Printing pages", .tabOrder = 4}),
      GroupBox1(*this, {.name = "GroupBox1", .bounds = {16, 104, 457, 193}, .text = "Printing sheets", .tabOrder = 5}),
      Label3(GroupBox1, {.name = "Label3", .bounds = {208, 88, 9, 13}, .text = "to"}),
      Label4(GroupBox1, {.name = "Label4", .bounds = {392, 136, 57, 13}, .text = "Copies"}),
      Label6(GroupBox1, {.name = "Label6", .bounds = {316, 56, 128, 13}, .text = "Number of pages pre sheet"}, Alignment::Right),
      RadioButton3(GroupBox1, {.name = "RadioButton3", .bounds = {16, 24, 185, 17}, .text = "Print all sheets of the book", .tabOrder = 0}, true),
      RadioButton4(GroupBox1, {.name = "RadioButton4", .bounds = {16, 56, 161, 17}, .text = "Print one sheet of the book", .tabOrder = 1}),
      RadioButton5(GroupBox1, {.name = "RadioButton5", .bounds = {16, 88, 121, 17}, .text = "Print sheets from", .tabOrder = 2}),
      RadioButton6(GroupBox1, {.name = "RadioButton6", .bounds = {16, 120, 177, 17}, .text = "Print even sheets of the book", .tabOrder = 3}),
      RadioButton7(GroupBox1, {.name = "RadioButton7", .bounds = {16, 152, 209, 17}, .text = "Print odd sheets of the book", .tabOrder = 4}),
      SpinEdit1(GroupBox1, {.name = "SpinEdit1", .bounds = {184, 50, 57, 22}, .tabOrder = 5}),
      SpinEdit2(GroupBox1, {.name = "SpinEdit2", .bounds = {232, 82, 57, 22}, .tabOrder = 6}),
      SpinEdit3(GroupBox1, {.name = "SpinEdit3", .bounds = {136, 82, 57, 22}, .tabOrder = 7}),
      SpinEdit4(GroupBox1, {.name = "SpinEdit4", .bounds = {392, 78, 57, 22}, .tabOrder = 8}),
      SpinEdit5(GroupBox1, {.name = "SpinEdit5", .bounds = {392, 152, 57, 22}, .tabOrder = 9}),
      GroupBox2(*this, {.name = "GroupBox2", .bounds = {16, 104, 457, 193}, .text = "Printing pages", .tabOrder = 6}, false),
      Label5(GroupBox2, {.name = "Label5", .bounds = {392, 136, 57, 13}, .text = "Copies"}),
      Label7(GroupBox2, {.name = "Label7", .bounds = {216, 97, 17, 13}, .text = "to"}, Alignment::Right),
      Label8(GroupBox2, {.name = "Label8", .bounds = {136, 18, 105, 13}, .text = "Select sheet"}, Alignment::Right),
      RadioButton8(GroupBox2, {.name = "RadioButton8", .bounds = {16, 32, 185, 17}, .text = "Print all pages", .tabOrder = 0}, true),
      RadioButton9(GroupBox2, {.name = "RadioButton9", .bounds = {16, 64, 153, 17}, .text = "Print one page", .tabOrder = 1}),
      RadioButton10(GroupBox2, {.name = "RadioButton10", .bounds = {16, 96, 145, 17}, .text = "Print pages from", .tabOrder = 2}),
      RadioButton11(GroupBox2, {.name = "RadioButton11", .bounds = {16, 128, 193, 17}, .text = "Print even pages", .tabOrder = 3}),
      RadioButton12(GroupBox2, {.name = "RadioButton12", .bounds = {16, 160, 201, 17}, .text = "Print odd pages", .tabOrder = 4}),
      SpinEdit6(GroupBox2, {.name = "SpinEdit6", .bounds = {248, 12, 57, 22}, .tabOrder = 5}),
      SpinEdit7(GroupBox2, {.name = "SpinEdit7", .bounds = {176, 58, 57, 22}, .tabOrder = 6}),
      SpinEdit8(GroupBox2, {.name = "SpinEdit8", .bounds = {152, 90, 57, 22}, .tabOrder = 7}),
      SpinEdit9(GroupBox2, {.name = "SpinEdit9", .bounds = {240, 90, 57, 22}, .tabOrder = 8}),
      SpinEdit10(GroupBox2, {.name = "SpinEdit10", .bounds = {392, 152, 57, 22}, .tabOrder = 9}),
      BitBtn1(*this, {.name = "BitBtn1", .bounds = {496, 200, 153, 41}, .text = "Print", .font = kBold13, .tabOrder = 7}, Glyph::Printer),
      BitBtn2(*this, {.name = "BitBtn2", .bounds = {496, 440, 153, 33}, .text = "Close", .font = kBold13, .tabOrder = 8}, Glyph::Door),
      Panel1(*this, {.name = "Panel1", .bounds = {88, 16, 393, 33}, .font = kBold16, .tabOrder = 9}, Bevel::Raised, Bevel::Lowered),
      ListBox1(*this, {.name = "ListBox1", .bounds = {16, 304, 457, 137}, .tabOrder = 10}, kItemHeight),
      OpenDialog1(platform.desktop, "Excel|*.xls;*.xlsx"),
      XMLDocument1(platform.xml) {
  CheckBox1.OnClick    = [this](Control& sender) { CheckBox1Click(sender); };
  SpeedButton1.OnClick = [this](Control& sender) { SpeedButton1Click(sender); };
  ComboBox1.OnChange   = [this](Control& sender) { ComboBox1Change(sender); };
  Edit1.OnChange       = [this](Control& sender) { Edit1Change(sender); };
  RadioButton1.OnClick = [this](Control& sender) { RadioButton1Click(sender); };
  RadioButton2.OnClick = [this](Control& sender) { RadioButton2Click(sender); };
  BitBtn1.OnClick      = [this](Control& sender) { BitBtn1Click(sender); };
  BitBtn2.OnClick      = [this](Control& sender) { BitBtn2Click(sender); };
  OnFileDropped        = [this](Control& sender, const std::string& path) { FormFileDropped(sender, path); };
}
// clang-format on

void TForm1::create() {
  runUserAction([this] { FormCreate(*this); });
}

void TForm1::nameWorkbookAtStart(const std::string& fileName) {
  ComboBox1.userSelectItem(0);
  runUserAction([&] { Edit1.setText(absoluteFileName(fileName)); });
}

void TForm1::FormCreate(Control&) {
  const std::optional<std::string> printer = platform_.printers.currentPrinterName();
  if (!printer) {
    throw std::runtime_error("There is no default printer currently selected");
  }
  Panel1.setCaption(*printer);
  spreadsheetSession() = Variant::object(platform_.automation.createObject("Excel.Application"));
  prepareApplication(spreadsheetSession());
}

void TForm1::CheckBox1Click(Control&) {
  if (CheckBox1.checked()) {
    late(spreadsheetSession()).put("Visible", Variant::boolean(true));
  } else {
    late(spreadsheetSession()).put("Visible", Variant::boolean(false));
  }
}

void TForm1::SpeedButton1Click(Control&) {
  OpenDialog1.execute();  // a cancel keeps the dialog's previous file name, which is used as well
  Edit1.setText(OpenDialog1.fileName());
}

void TForm1::BitBtn2Click(Control&) {
  // With no workbook open there is nothing to close; quitting still lets the user leave.
  closeAndQuit(spreadsheetSession());
  close();
}

void TForm1::RadioButton1Click(Control&) {
  if (RadioButton1.checked()) {
    GroupBox1.setVisible(true);
    GroupBox2.setVisible(false);
  }
}

void TForm1::RadioButton2Click(Control&) {
  if (RadioButton2.checked()) {
    GroupBox2.setVisible(true);
    GroupBox1.setVisible(false);
  }
}

void TForm1::Edit1Change(Control&) {
  WorkbookControls window(Edit1, BitBtn1, ComboBox1, ListBox1);
  loadNamedWorkbook(spreadsheetSession(), window);
}

void TForm1::FormFileDropped(Control&, const std::string& path) {
  Edit1.setText(path);  // a user's edit: the same name again changes nothing
}

void TForm1::BitBtn1Click(Control&) {
  printWorkbook(spreadsheetSession(),
                readPrintSettings(
                    {Panel1,
                     RadioButton1,
                     RadioButton2,
                     {&RadioButton3, &RadioButton4, &RadioButton5, &RadioButton6, &RadioButton7},
                     SpinEdit1,
                     SpinEdit3,
                     SpinEdit2,
                     SpinEdit4,
                     SpinEdit5,
                     SpinEdit6,
                     {&RadioButton8, &RadioButton9, &RadioButton10, &RadioButton11, &RadioButton12},
                     SpinEdit7,
                     SpinEdit8,
                     SpinEdit9,
                     SpinEdit10}));
}

// clang-format off
std::array<CaptionTarget, 25> TForm1::captionTargets() {
  return {{
      {"l1", Label1}, {"l2", Label2}, {"l3", Label3}, {"l4", Label4},
      {"l5", Label5}, {"l6", Label6}, {"l7", Label7}, {"l8", Label8},
      {"cb1", CheckBox1},
      {"gb1", GroupBox1}, {"gb2", GroupBox2},
      {"rb1", RadioButton1}, {"rb2", RadioButton2}, {"rb3", RadioButton3}, {"rb4", RadioButton4},
      {"rb5", RadioButton5}, {"rb6", RadioButton6}, {"rb7", RadioButton7}, {"rb8", RadioButton8},
      {"rb9", RadioButton9}, {"rb10", RadioButton10}, {"rb11", RadioButton11},
      {"rb12", RadioButton12},
      {"b1", BitBtn1}, {"b2", BitBtn2},
  }};
}
// clang-format on

void TForm1::ComboBox1Change(Control&) {
  if (const std::optional<std::string_view> file = languageFileName(ComboBox1.itemIndex())) {
    XMLDocument1.loadFromFile(std::string(*file));
  }
  if (!XMLDocument1.active()) {
    // The box's text was edited before any language was picked: no file to read again.
    if (XMLDocument1.fileName().empty()) {
      return;
    }
    XMLDocument1.setActive(true);
  }
  applyCaptions(*XMLDocument1.documentElement(), captionTargets());
  XMLDocument1.setActive(false);
}

}  // namespace quirevo
