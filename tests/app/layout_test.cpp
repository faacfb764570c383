#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "tests/support/window_fixture.h"
#include "ui/check_box.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"

namespace quirevo::testing {
namespace {

struct ControlRow {
  const char* name;
  ControlKind kind;
  const char* parent;
  Bounds bounds;
  const char* text;
  Font font;
  std::optional<int> tabOrder;
  bool visible = true;
  bool checked = false;
};

constexpr Font W = kWindowFont;
constexpr Font B13 = kBold13;
constexpr Font B16 = kBold16;
constexpr std::nullopt_t none = std::nullopt;
using K = ControlKind;

// The window as it opens, in creation order.
const ControlRow kLayout[] = {
    {"Label1", K::Label, "Form1", {8, 30, 73, 16}, "Printer", B13, none},
    {"Label2", K::Label, "Form1", {8, 70, 75, 16}, "File", B13, none},
    {"SpeedButton1", K::SpeedButton, "Form1", {624, 64, 23, 22}, "...", W, none},
    {"ComboBox1", K::ComboBox, "Form1", {16, 448, 57, 21}, "Eng", W, 0},
    {"CheckBox1", K::CheckBox, "Form1", {568, 96, 73, 17}, "Preview", W, 1},
    {"Edit1", K::Edit, "Form1", {88, 64, 529, 24}, "", B13, 2},
    {"RadioButton1",
     K::RadioButton,
     "Form1",
     {496, 128, 153, 17},
     "Printing sheets",
     W,
     3,
     true,
     true},
    {"RadioButton2", K::RadioButton, "Form1", {496, 160, 145, 17}, "Printing pages", W, 4},
    {"GroupBox1", K::GroupBox, "Form1", {16, 104, 457, 193}, "Printing sheets", W, 5},
    {"Label3", K::Label, "GroupBox1", {208, 88, 9, 13}, "to", W, none},
    {"Label4", K::Label, "GroupBox1", {392, 136, 57, 13}, "Copies", W, none},
    {"Label6", K::Label, "GroupBox1", {316, 56, 128, 13}, "Number of pages pre sheet", W, none},
    {"RadioButton3",
     K::RadioButton,
     "GroupBox1",
     {16, 24, 185, 17},
     "Print all sheets of the book",
     W,
     0,
     true,
     true},
    {"RadioButton4",
     K::RadioButton,
     "GroupBox1",
     {16, 56, 161, 17},
     "Print one sheet of the book",
     W,
     1},
    {"RadioButton5", K::RadioButton, "GroupBox1", {16, 88, 121, 17}, "Print sheets from", W, 2},
    {"RadioButton6",
     K::RadioButton,
     "GroupBox1",
     {16, 120, 177, 17},
     "Print even sheets of the book",
     W,
     3},
    {"RadioButton7",
     K::RadioButton,
     "GroupBox1",
     {16, 152, 209, 17},
     "Print odd sheets of the book",
     W,
     4},
    {"SpinEdit1", K::SpinEdit, "GroupBox1", {184, 50, 57, 22}, "1", W, 5},
    {"SpinEdit2", K::SpinEdit, "GroupBox1", {232, 82, 57, 22}, "1", W, 6},
    {"SpinEdit3", K::SpinEdit, "GroupBox1", {136, 82, 57, 22}, "1", W, 7},
    {"SpinEdit4", K::SpinEdit, "GroupBox1", {392, 78, 57, 22}, "1", W, 8},
    {"SpinEdit5", K::SpinEdit, "GroupBox1", {392, 152, 57, 22}, "1", W, 9},
    {"GroupBox2", K::GroupBox, "Form1", {16, 104, 457, 193}, "Printing pages", W, 6, false},
    {"Label5", K::Label, "GroupBox2", {392, 136, 57, 13}, "Copies", W, none},
    {"Label7", K::Label, "GroupBox2", {216, 97, 17, 13}, "to", W, none},
    {"Label8", K::Label, "GroupBox2", {136, 18, 105, 13}, "Select sheet", W, none},
    {"RadioButton8",
     K::RadioButton,
     "GroupBox2",
     {16, 32, 185, 17},
     "Print all pages",
     W,
     0,
     true,
     true},
    {"RadioButton9", K::RadioButton, "GroupBox2", {16, 64, 153, 17}, "Print one page", W, 1},
    {"RadioButton10", K::RadioButton, "GroupBox2", {16, 96, 145, 17}, "Print pages from", W, 2},
    {"RadioButton11", K::RadioButton, "GroupBox2", {16, 128, 193, 17}, "Print even pages", W, 3},
    {"RadioButton12", K::RadioButton, "GroupBox2", {16, 160, 201, 17}, "Print odd pages", W, 4},
    {"SpinEdit6", K::SpinEdit, "GroupBox2", {248, 12, 57, 22}, "1", W, 5},
    {"SpinEdit7", K::SpinEdit, "GroupBox2", {176, 58, 57, 22}, "1", W, 6},
    {"SpinEdit8", K::SpinEdit, "GroupBox2", {152, 90, 57, 22}, "1", W, 7},
    {"SpinEdit9", K::SpinEdit, "GroupBox2", {240, 90, 57, 22}, "1", W, 8},
    {"SpinEdit10", K::SpinEdit, "GroupBox2", {392, 152, 57, 22}, "1", W, 9},
    {"BitBtn1", K::BitBtn, "Form1", {496, 200, 153, 41}, "Print", B13, 7},
    {"BitBtn2", K::BitBtn, "Form1", {496, 440, 153, 33}, "Close", B13, 8},
    {"Panel1", K::Panel, "Form1", {88, 16, 393, 33}, "", B16, 9},
    {"ListBox1", K::ListBox, "Form1", {16, 304, 457, 137}, "", W, 10},
};

class LayoutTest : public WindowFixture {};

TEST_F(LayoutTest, EveryControlOpensWithItsLayoutAndInitialState) {
  const std::vector<Control*> controls = window().allControls();
  ASSERT_EQ(controls.size(), std::size(kLayout));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlRow& row = kLayout[i];
    const Control& c = *controls[i];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(c.name(), row.name);
    EXPECT_EQ(c.kind(), row.kind);
    EXPECT_EQ(c.parent()->name(), row.parent);
    EXPECT_EQ(c.bounds(), row.bounds);
    EXPECT_EQ(c.text(), row.text);
    EXPECT_EQ(c.font(), row.font);
    EXPECT_EQ(c.tabOrder(), row.tabOrder);
    EXPECT_EQ(c.visible(), row.visible);
    EXPECT_TRUE(c.enabled()) << "every control, the print button included, starts enabled";
    if (row.kind == K::RadioButton) {
      EXPECT_EQ(static_cast<const RadioButton&>(c).checked(), row.checked);
      EXPECT_EQ(c.tabStop(), row.checked);
    }
  }
}

TEST_F(LayoutTest, WindowComboBoxListAndDialogStartAsLaidOut) {
  EXPECT_EQ(window().name(), "Form1");
  EXPECT_EQ(window().caption(), "Quirevo v1.1");
  EXPECT_EQ(window().bounds(), (Bounds{218, 41, 670, 515}));
  EXPECT_EQ(window().font(), kWindowFont);
  EXPECT_EQ(window().ComboBox1.items(), (std::vector<std::string>{"Eng", "Рус", "Укр"}));
  EXPECT_EQ(window().ComboBox1.itemIndex(), -1);
  EXPECT_EQ(window().ComboBox1.itemHeight(), 13);
  EXPECT_EQ(window().ListBox1.itemHeight(), 13);
  EXPECT_TRUE(window().ListBox1.items().empty());
  EXPECT_FALSE(window().CheckBox1.checked());
  EXPECT_EQ(window().Panel1.outerBevel(), Bevel::Raised);
  EXPECT_EQ(window().Panel1.innerBevel(), Bevel::Lowered);
  EXPECT_FALSE(window().Panel1.tabStop());
  EXPECT_FALSE(window().SpeedButton1.tabStop());
  EXPECT_EQ(window().BitBtn1.glyph(), Glyph::Printer);
  EXPECT_EQ(window().BitBtn2.glyph(), Glyph::Door);
  EXPECT_EQ(window().OpenDialog1.filters(), (std::vector<FileFilter>{{"Excel", "*.xls;*.xlsx"}}));
  EXPECT_EQ(window().OpenDialog1.fileName(), "");
}

TEST_F(LayoutTest, LongerCaptionsWidenTheTopLabelsToTheLeft) {
  window().Label1.setCaption("Impresora predeterminada");
  window().Label2.setCaption("Archivo de libro");
  EXPECT_EQ(window().Label1.bounds().right(), 81);
  EXPECT_EQ(window().Label2.bounds().right(), 83);
  EXPECT_LT(window().Label1.bounds().left, 8);
}

TEST_F(LayoutTest, CheckingASheetChoiceLeavesPageChoicesAndModeButtonsAsTheyWere) {
  window().RadioButton5.userClick();
  EXPECT_TRUE(window().RadioButton5.checked());
  EXPECT_FALSE(window().RadioButton3.checked());
  EXPECT_TRUE(window().RadioButton8.checked());
  EXPECT_TRUE(window().RadioButton1.checked());
  EXPECT_FALSE(window().RadioButton2.checked());
}

}  // namespace
}  // namespace quirevo::testing
