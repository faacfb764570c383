// The window's controls operated as a user would, through their Qt widgets.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionSpinBox>

#include "platform/qt/glyphs.h"
#include "tests/qt/qt_window_fixture.h"

namespace quirevo::testing {
namespace {

std::vector<std::string> openedFiles(const SpreadsheetStandIn& standIn) {
  std::vector<std::string> files;
  for (const Request& request : standIn.log()) {
    if (request.member == "Open") {
      files.push_back(request.arguments.at(0));
    }
  }
  return files;
}

// The control a focused widget belongs to: a spin edit's or a combo box's inner field reports
// its owner.
std::string focusedControl() {
  for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
       widget = widget->parentWidget()) {
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_")) {
      return toUtf8(widget->objectName());
    }
  }
  return "";
}

// QTest::keyClicks takes ASCII only; Cyrillic arrives as keys with text, as an input method sends.
void typeText(QWidget* widget, const QString& text) {
  for (QChar character : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
  }
}

bool containsColour(const QImage& image, QRgb colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
        return true;
      }
    }
  }
  return false;
}

TEST_F(QtWindowTest, TypingIntoEdit1RunsTheChangeHandlerOnEveryKeystroke) {
  auto* edit = widget<QLineEdit>(form->Edit1);
  edit->setFocus();
  QTest::keyClicks(edit, "a.x");
  EXPECT_EQ(openedFiles(fake.standIn),
            (std::vector<std::string>{"Filename: string \"a\"", "Filename: string \"a.\"",
                                      "Filename: string \"a.x\""}));
  EXPECT_EQ(form->Edit1.text(), "a.x");

  // Deleting the last character is a change too; emptying the field opens nothing.
  fake.standIn.clearLog();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(openedFiles(fake.standIn),
            (std::vector<std::string>{"Filename: string \"a.\"", "Filename: string \"a\""}));
  EXPECT_EQ(form->Edit1.text(), "");
  EXPECT_FALSE(widget(form->BitBtn1)->isEnabled());
}

TEST_F(QtWindowTest, AProgramSetTextShowsInTheFieldWithoutAnotherEvent) {
  int changes = 0;
  form->Edit1.OnChange = [&](Control&) { ++changes; };
  form->Edit1.setText("/home/user/Book1.xlsx");
  EXPECT_EQ(widget<QLineEdit>(form->Edit1)->text(), "/home/user/Book1.xlsx");
  EXPECT_EQ(changes, 1);
}

struct SpinTyping {
  const char* name;
  bool selectAll;         // replace the field's text rather than type after it
  std::vector<int> keys;  // Qt key codes; printable keys carry their character
  bool leaveField;
  const char* text;
  int beeps;
};

class SpinEditTyping : public QtWindowTest, public ::testing::WithParamInterface<SpinTyping> {};

TEST_P(SpinEditTyping, GivesTheModelsResult) {
  const SpinTyping& row = GetParam();
  auto* spin = widget<QAbstractSpinBox>(form->SpinEdit4);
  spin->setFocus();
  if (row.selectAll) {
    spin->selectAll();
  }
  for (int key : row.keys) {
    const bool printable = key >= 0x20 && key < 0x7F;
    QTest::keyClick(spin, static_cast<Qt::Key>(key), Qt::NoModifier,
                    printable ? static_cast<char>(key) : 0);
  }
  if (row.leaveField) {
    widget(form->Edit1)->setFocus();
  }
  EXPECT_EQ(form->SpinEdit4.text(), row.text);
  EXPECT_EQ(toUtf8(spin->text()), row.text);
  EXPECT_EQ(desktop.beeps, row.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SpinEditTyping,
    ::testing::Values(
        SpinTyping{"LetterIsRefusedWithABeep", false, {Qt::Key_A}, false, "1", 1},
        SpinTyping{"ZeroAloneBecomesOneOnLeaving", true, {Qt::Key_0}, true, "1", 0},
        SpinTyping{"ZeroStaysWhileTheFieldHasTheFocus", true, {Qt::Key_0}, false, "0", 0},
        SpinTyping{"FourthDigitIsRefused",
                   true,
                   {Qt::Key_1, Qt::Key_0, Qt::Key_0, Qt::Key_0},
                   false,
                   "100",
                   0},
        SpinTyping{"EnterIsRefusedWithABeep", false, {Qt::Key_Return}, false, "1", 1},
        SpinTyping{"SignsAndDigitsPass", true, {Qt::Key_Minus, Qt::Key_5}, false, "-5", 0},
        SpinTyping{
            "NegativeBecomesTheMinimumOnLeaving", true, {Qt::Key_Minus, Qt::Key_5}, true, "1", 0},
        SpinTyping{"BackspaceIsNoRefusedKey", false, {Qt::Key_Backspace}, false, "", 0},
        SpinTyping{"EveryRefusedKeyBeeps",
                   false,
                   {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Z},
                   false,
                   "1",
                   4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtWindowTest, UpAndDownKeysStepTheSpinEditWithinItsBounds) {
  auto* spin = widget<QAbstractSpinBox>(form->SpinEdit1);
  spin->setFocus();
  QTest::keyClick(spin, Qt::Key_Up);
  QTest::keyClick(spin, Qt::Key_Up);
  EXPECT_EQ(form->SpinEdit1.value(), 3);
  QTest::keyClick(spin, Qt::Key_Down);
  EXPECT_EQ(toUtf8(spin->text()), "2");
  QTest::keyClick(spin, Qt::Key_Down);
  QTest::keyClick(spin, Qt::Key_Down);
  EXPECT_EQ(form->SpinEdit1.value(), 1);
  form->SpinEdit1.setValue(999);
  QTest::keyClick(spin, Qt::Key_Up);
  EXPECT_EQ(toUtf8(spin->text()), "999");
  EXPECT_EQ(desktop.beeps, 0);
}

TEST_F(QtWindowTest, TheSpinEditsArrowsStepIt) {
  auto* spin = widget<QAbstractSpinBox>(form->SpinEdit5);
  QStyleOptionSpinBox option;
  option.initFrom(spin);
  option.rect = spin->rect();
  option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
  option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
  const QRect up =
      spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin);
  const QRect down =
      spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, spin);
  QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, up.center());
  QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, up.center());
  EXPECT_EQ(form->SpinEdit5.value(), 3);
  QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, down.center());
  EXPECT_EQ(form->SpinEdit5.value(), 2);
}

TEST_F(QtWindowTest, PickingAComboBoxItemSelectsItAndRunsTheChangeHandler) {
  std::vector<std::pair<std::string, int>> changes;
  form->ComboBox1.OnChange = [&](Control&) {
    changes.emplace_back(form->ComboBox1.text(), form->ComboBox1.itemIndex());
  };
  auto* combo = widget<QComboBox>(form->ComboBox1);
  EXPECT_EQ(combo->currentText(), "Eng");
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(combo->count(), 3);

  combo->showPopup();
  QAbstractItemView* list = combo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  const QRect second = list->visualRect(list->model()->index(1, 0));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());

  EXPECT_EQ(changes, (std::vector<std::pair<std::string, int>>{{"Рус", 1}}));
  EXPECT_EQ(combo->currentText(), "Рус");
}

TEST_F(QtWindowTest, EditingTheComboBoxTextRunsTheChangeHandlerAndSelectsNoItem) {
  std::vector<std::pair<std::string, int>> changes;
  form->ComboBox1.OnChange = [&](Control&) {
    changes.emplace_back(form->ComboBox1.text(), form->ComboBox1.itemIndex());
  };
  auto* combo = widget<QComboBox>(form->ComboBox1);
  combo->setFocus();
  combo->lineEdit()->selectAll();
  typeText(combo->lineEdit(), "Укр");
  // A typed text equal to an item's is still no choice of that item, also after leaving.
  widget(form->Edit1)->setFocus();
  EXPECT_EQ(changes,
            (std::vector<std::pair<std::string, int>>{{"У", -1}, {"Ук", -1}, {"Укр", -1}}));
  EXPECT_EQ(form->ComboBox1.itemIndex(), -1);
  EXPECT_EQ(combo->currentText(), "Укр");
}

TEST_F(QtWindowTest, TypingAfterAChoiceKeepsTheTypedTextAndDropsTheChoice) {
  form->ComboBox1.OnChange = [](Control&) {};
  auto* combo = widget<QComboBox>(form->ComboBox1);
  form->ComboBox1.userSelectItem(2);
  EXPECT_EQ(combo->currentIndex(), 2);
  combo->setFocus();
  combo->lineEdit()->end(false);
  QTest::keyClicks(combo->lineEdit(), "x");
  EXPECT_EQ(form->ComboBox1.itemIndex(), -1);
  EXPECT_EQ(form->ComboBox1.text(), "Укрx");
  EXPECT_EQ(combo->currentText(), "Укрx");
  EXPECT_EQ(combo->lineEdit()->cursorPosition(), 4);
}

TEST_F(QtWindowTest, ClickingTheModeRadioButtonsSwapsTheGroupBoxes) {
  auto* sheets = widget<QGroupBox>(form->GroupBox1);
  auto* pages = widget<QGroupBox>(form->GroupBox2);
  EXPECT_TRUE(sheets->isVisible());
  EXPECT_FALSE(pages->isVisible());

  QTest::mouseClick(widget(form->RadioButton2), Qt::LeftButton);
  EXPECT_FALSE(sheets->isVisible());
  EXPECT_TRUE(pages->isVisible());
  EXPECT_TRUE(widget<QRadioButton>(form->RadioButton2)->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(form->RadioButton1)->isChecked());

  // Clicking the checked one again changes nothing.
  QTest::mouseClick(widget(form->RadioButton2), Qt::LeftButton);
  EXPECT_TRUE(pages->isVisible());
  EXPECT_TRUE(widget<QRadioButton>(form->RadioButton2)->isChecked());

  QTest::mouseClick(widget(form->RadioButton1), Qt::LeftButton);
  EXPECT_TRUE(sheets->isVisible());
  EXPECT_FALSE(pages->isVisible());
}

TEST_F(QtWindowTest, RadioButtonsAreExclusivePerParentAndOnlyTheCheckedOneTakesTab) {
  QTest::mouseClick(widget(form->RadioButton5), Qt::LeftButton);
  EXPECT_TRUE(widget<QRadioButton>(form->RadioButton5)->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(form->RadioButton3)->isChecked());
  EXPECT_TRUE(widget<QRadioButton>(form->RadioButton8)->isChecked());
  EXPECT_TRUE(widget<QRadioButton>(form->RadioButton1)->isChecked());
  EXPECT_TRUE(widget(form->RadioButton5)->focusPolicy() & Qt::TabFocus);
  EXPECT_FALSE(widget(form->RadioButton3)->focusPolicy() & Qt::TabFocus);

  // The arrow keys move through the group and choose as they go.
  QTest::keyClick(widget(form->RadioButton5), Qt::Key_Down);
  EXPECT_TRUE(form->RadioButton6.checked());
  EXPECT_EQ(focusedControl(), "RadioButton6");
  QTest::keyClick(widget(form->RadioButton6), Qt::Key_Up);
  QTest::keyClick(widget(form->RadioButton5), Qt::Key_Up);
  EXPECT_TRUE(form->RadioButton4.checked());
}

TEST_F(QtWindowTest, TabVisitsTheControlsInTheLayoutsOrder) {
  widget(form->ComboBox1)->setFocus();
  std::vector<std::string> visited{focusedControl()};
  for (int i = 0; i < 13; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(focusedControl());
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"ComboBox1", "CheckBox1", "Edit1", "RadioButton1",
                                               "RadioButton3", "SpinEdit1", "SpinEdit2",
                                               "SpinEdit3", "SpinEdit4", "SpinEdit5", "BitBtn1",
                                               "BitBtn2", "ListBox1", "ComboBox1"}));
}

TEST_F(QtWindowTest, TheFirstTabStopHasTheFocusAtStart) {
  EXPECT_EQ(focusedControl(), "ComboBox1");
}

TEST_F(QtWindowTest, SpeedButton1RunsTheFileChooserAndLeavesTheFocusWhereItWas) {
  desktop.dialogAnswers.push_back("/data/Totals.xlsx");
  widget(form->CheckBox1)->setFocus();
  QTest::mouseClick(widget(form->SpeedButton1), Qt::LeftButton);
  EXPECT_EQ(focusedControl(), "CheckBox1");
  EXPECT_EQ(widget<QLineEdit>(form->Edit1)->text(), "/data/Totals.xlsx");
  EXPECT_EQ(widget(form->SpeedButton1)->focusPolicy(), Qt::NoFocus);
}

// Whether the glyph's opaque pixels appear, unchanged, somewhere in the image.
bool showsGlyph(const QImage& image, const QImage& glyph) {
  for (int top = 0; top + glyph.height() <= image.height(); ++top) {
    for (int left = 0; left + glyph.width() <= image.width(); ++left) {
      bool all = true;
      for (int y = 0; all && y < glyph.height(); ++y) {
        for (int x = 0; all && x < glyph.width(); ++x) {
          const QRgb pixel = glyph.pixel(x, y);
          all = qAlpha(pixel) == 0 ||
                (image.pixel(left + x, top + y) & 0xFFFFFF) == (pixel & 0xFFFFFF);
        }
      }
      if (all) {
        return true;
      }
    }
  }
  return false;
}

TEST_F(QtWindowTest, ThePrintButtonShowsTheDisabledGlyphWhileDisabled) {
  auto* button = widget<QPushButton>(form->BitBtn1);
  const QImage enabledGlyph = glyphPixmap(Glyph::Printer, true).toImage();
  const QImage disabledGlyph = glyphPixmap(Glyph::Printer, false).toImage();
  EXPECT_TRUE(showsGlyph(button->grab().toImage(), enabledGlyph));

  form->BitBtn1.setEnabled(false);
  EXPECT_FALSE(button->isEnabled());
  const QImage disabled = button->grab().toImage();
  EXPECT_TRUE(showsGlyph(disabled, disabledGlyph));
  EXPECT_FALSE(showsGlyph(disabled, enabledGlyph));

  form->BitBtn1.setEnabled(true);
  EXPECT_TRUE(showsGlyph(button->grab().toImage(), enabledGlyph));
}

TEST_F(QtWindowTest, TheCloseButtonShowsTheDoorGlyph) {
  const QImage image = widget<QPushButton>(form->BitBtn2)->grab().toImage();
  EXPECT_TRUE(containsColour(image, qRgb(128, 0, 0)));    // the door leaf
  EXPECT_TRUE(containsColour(image, qRgb(255, 255, 0)));  // the doorway
  EXPECT_TRUE(containsColour(image, qRgb(0, 255, 255)));  // the highlight
}

TEST_F(QtWindowTest, LabelsShowTheirWholeTextAndRightAlignedOnesKeepTheirRightEdge) {
  form->Label1.setCaption("Принтер по умолчанию");
  form->Label2.setCaption("Файл рабочей книги");
  for (Control* control : form->allControls()) {
    if (control->kind() != ControlKind::Label) {
      continue;
    }
    auto* label = widget<QLabel>(*control);
    SCOPED_TRACE(control->name());
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    EXPECT_GE(label->height(), label->fontMetrics().height());
  }
  EXPECT_EQ(widget(form->Label1)->geometry().right() + 1, 81);
  EXPECT_EQ(widget(form->Label2)->geometry().right() + 1, 83);
  EXPECT_EQ(widget(form->Label6)->geometry().right() + 1, 444);
  EXPECT_LT(widget(form->Label1)->x(), 8);
}

TEST_F(QtWindowTest, Panel1HasARaisedOuterAndALoweredInnerBevelAndItsCaptionCentred) {
  auto* panel = widget(form->Panel1);
  const QImage image = panel->grab().toImage();
  const QRgb light = panel->palette().color(QPalette::Light).rgb();
  const QRgb dark = panel->palette().color(QPalette::Dark).rgb();
  const int right = image.width() - 1;
  const int bottom = image.height() - 1;
  EXPECT_EQ(image.pixel(5, 0), light);
  EXPECT_EQ(image.pixel(0, 5), light);
  EXPECT_EQ(image.pixel(5, bottom), dark);
  EXPECT_EQ(image.pixel(right, 5), dark);
  EXPECT_EQ(image.pixel(5, 1), dark);
  EXPECT_EQ(image.pixel(1, 5), dark);
  EXPECT_EQ(image.pixel(5, bottom - 1), light);
  EXPECT_EQ(image.pixel(right - 1, 5), light);

  // The caption, the printer's name, is drawn around the panel's centre.
  int left = image.width();
  int last = -1;
  for (int y = 2; y < bottom - 1; ++y) {
    for (int x = 2; x < right - 1; ++x) {
      if (qGray(image.pixel(x, y)) < 64) {
        left = std::min(left, x);
        last = std::max(last, x);
      }
    }
  }
  ASSERT_GE(last, left) << "no caption drawn";
  EXPECT_NEAR((left + last) / 2.0, image.width() / 2.0, 2.0);
}

TEST_F(QtWindowTest, TheListBoxShowsTheModelsLines) {
  auto* list = widget<QListWidget>(form->ListBox1);
  form->ListBox1.addItem("File information");
  form->ListBox1.addItem("Sheet №1 - Sheets name: Лист1 - Num pages: 2");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(1)->text(), "Sheet №1 - Sheets name: Лист1 - Num pages: 2");
  EXPECT_EQ(list->visualItemRect(list->item(1)).height(), 13);
  form->ListBox1.clear();
  form->ListBox1.addItem("Информация о файле");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), "Информация о файле");
}

TEST_F(QtWindowTest, ThePreviewCheckBoxFollowsTheModel) {
  auto* box = widget<QAbstractButton>(form->CheckBox1);
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(form->CheckBox1.checked());
  EXPECT_TRUE(box->isChecked());
  EXPECT_TRUE(fake.standIn.visible());
  QTest::keyClick(box, Qt::Key_Space);
  EXPECT_FALSE(form->CheckBox1.checked());
  EXPECT_FALSE(box->isChecked());
  EXPECT_FALSE(fake.standIn.visible());
}

}  // namespace
}  // namespace quirevo::testing
