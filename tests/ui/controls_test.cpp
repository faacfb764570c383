#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/ui/ui_fixture.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/radio_button.h"

namespace quirevo::testing {
namespace {

constexpr int kWidth = RecordingServices::kCharacterWidth;

class LabelTest : public ModelTest {};

TEST_F(LabelTest, LeftAlignedLabelKeepsItsLeftEdgeAndFitsItsText) {
  Label label(form, {.name = "Label3", .bounds = {208, 88, 9, 13}, .text = "to"});
  label.setCaption("bis zum");
  EXPECT_EQ(label.bounds(), (Bounds{208, 88, 7 * kWidth, 14}));
}

TEST_F(LabelTest, RightAlignedLabelKeepsItsRightEdgeAndGrowsToTheLeft) {
  Label label(form,
              {.name = "Label1", .bounds = {8, 30, 73, 16}, .text = "Printer", .font = kBold13},
              Alignment::Right);
  label.setCaption("A much longer printer caption");
  EXPECT_EQ(label.bounds().right(), 81);
  EXPECT_EQ(label.bounds().width, 29 * kWidth);
  EXPECT_LT(label.bounds().left, 8);
}

TEST_F(LabelTest, EmptyCaptionKeepsTheHeightOfALine) {
  Label label(form, {.name = "Label2", .bounds = {8, 70, 75, 16}, .text = "File", .font = kBold13},
              Alignment::Right);
  label.setCaption("");
  EXPECT_EQ(label.bounds(), (Bounds{83 - kWidth, 70, kWidth, 16}));
}

class EditTest : public ModelTest {
 protected:
  void SetUp() override {
    edit.OnChange = [this](Control&) { changes.push_back(edit.text()); };
  }
  Edit edit{form, {.name = "Edit1", .bounds = {88, 64, 529, 24}, .tabOrder = 2}};
  std::vector<std::string> changes;
};

TEST_F(EditTest, ChangeComesOnEveryRealChangeTypedOrSetByTheProgram) {
  edit.userEdit("a");
  edit.userEdit("ab");
  edit.setText("c:\\book.xlsx");
  edit.userEdit("");
  EXPECT_EQ(changes, (std::vector<std::string>{"a", "ab", "c:\\book.xlsx", ""}));
}

TEST_F(EditTest, SettingTheTextItAlreadyHoldsCausesNoChange) {
  edit.setText("same");
  edit.setText("same");
  edit.userEdit("same");
  EXPECT_EQ(changes.size(), 1u);
}

TEST_F(ModelTest, CheckBoxClickComesOnEveryChangeOfState) {
  CheckBox box(form, {.name = "CheckBox1", .text = "Preview", .tabOrder = 1});
  std::vector<bool> clicks;
  box.OnClick = [&](Control&) { clicks.push_back(box.checked()); };
  box.userClick();
  box.userClick();
  box.setChecked(true);
  box.setChecked(true);
  EXPECT_EQ(clicks, (std::vector<bool>{true, false, true}));
}

class RadioGroupTest : public ModelTest {
 protected:
  RadioButton first{form, {.name = "RadioButton1", .tabOrder = 3}, true};
  RadioButton second{form, {.name = "RadioButton2", .tabOrder = 4}};
  GroupBox group{form, {.name = "GroupBox1", .tabOrder = 5}};
  RadioButton inner1{group, {.name = "RadioButton3", .tabOrder = 0}, true};
  RadioButton inner2{group, {.name = "RadioButton4", .tabOrder = 1}};
};

TEST_F(RadioGroupTest, CheckingOneUnchecksOnlyTheOthersOfItsParent) {
  inner2.userClick();
  EXPECT_TRUE(inner2.checked());
  EXPECT_FALSE(inner1.checked());
  EXPECT_TRUE(first.checked()) << "another parent's group is untouched";
  second.userClick();
  EXPECT_FALSE(first.checked());
  EXPECT_TRUE(inner2.checked());
}

TEST_F(RadioGroupTest, ClickComesWhenAButtonBecomesCheckedByUserOrProgram) {
  int firstClicks = 0;
  int secondClicks = 0;
  first.OnClick = [&](Control&) { ++firstClicks; };
  second.OnClick = [&](Control&) { ++secondClicks; };
  first.userClick();  // already checked
  EXPECT_EQ(firstClicks, 0);
  second.userClick();
  EXPECT_EQ(secondClicks, 1);
  EXPECT_EQ(firstClicks, 0) << "becoming unchecked is no click";
  first.setChecked(true);
  EXPECT_EQ(firstClicks, 1);
}

TEST_F(RadioGroupTest, OnlyTheCheckedButtonOfAGroupIsATabStop) {
  EXPECT_TRUE(first.tabStop());
  EXPECT_FALSE(second.tabStop());
  second.userClick();
  EXPECT_FALSE(first.tabStop());
  EXPECT_TRUE(second.tabStop());
}

class ComboBoxTest : public ModelTest {
 protected:
  void SetUp() override {
    box.OnChange = [this](Control&) { changes.emplace_back(box.text(), box.itemIndex()); };
  }
  ComboBox box{
      form, {.name = "ComboBox1", .text = "Eng", .tabOrder = 0}, {"Eng", "Рус", "Укр"}, 13};
  std::vector<std::pair<std::string, int>> changes;
};

TEST_F(ComboBoxTest, StartsShowingItsTextWithNoItemSelected) {
  EXPECT_EQ(box.text(), "Eng");
  EXPECT_EQ(box.itemIndex(), -1);
}

TEST_F(ComboBoxTest, PickingAnItemSetsTheTextFirstAndFiresChangeEvenForTheSameItem) {
  box.userSelectItem(1);
  box.userSelectItem(1);
  EXPECT_EQ(changes, (std::vector<std::pair<std::string, int>>{{"Рус", 1}, {"Рус", 1}}));
}

TEST_F(ComboBoxTest, EditingTheTextFiresChangeAndLeavesNoItemSelected) {
  box.userSelectItem(2);
  box.userEdit("Укр2");
  box.userEdit("Eng");
  EXPECT_EQ(changes,
            (std::vector<std::pair<std::string, int>>{{"Укр", 2}, {"Укр2", -1}, {"Eng", -1}}));
}

TEST_F(ModelTest, ListBoxAppendsLinesInOrderAndClears) {
  ListBox list(form, {.name = "ListBox1", .tabOrder = 10}, 13);
  list.addItem("b");
  list.addItem("a");
  list.userSelect(1);
  EXPECT_EQ(list.items(), (std::vector<std::string>{"b", "a"}));
  list.clear();
  EXPECT_TRUE(list.items().empty());
  EXPECT_EQ(list.itemIndex(), -1);
}

TEST_F(ModelTest, DisabledControlsIgnoreTheUser) {
  CheckBox box(form, {.name = "CheckBox1"});
  box.setEnabled(false);
  box.userClick();
  EXPECT_FALSE(box.checked());
}

class UserActionTest : public ModelTest {
 protected:
  Edit edit{form, {.name = "Edit1"}};
  CheckBox box{form, {.name = "CheckBox1"}};
};

TEST_F(UserActionTest, AFailingHandlerIsReportedOnceAndTheProgramGoesOn) {
  edit.OnChange = [](Control&) { throw std::runtime_error("cannot open"); };
  edit.userEdit("x");
  edit.userEdit("y");
  EXPECT_EQ(services.errors, (std::vector<std::string>{"cannot open", "cannot open"}));
  EXPECT_EQ(edit.text(), "y");
}

TEST_F(UserActionTest, AFailureInANestedEventEndsTheOuterHandlerToo) {
  bool outerWentOn = false;
  edit.OnChange = [](Control&) { throw std::runtime_error("inner failed"); };
  box.OnClick = [&](Control&) {
    edit.setText("from the handler");
    outerWentOn = true;
  };
  box.userClick();
  EXPECT_FALSE(outerWentOn);
  EXPECT_EQ(services.errors, (std::vector<std::string>{"inner failed"}));
}

class RecordingPeer : public ControlPeer {
 public:
  void propertyChanged(Property property) override { changes.push_back(property); }
  std::vector<Property> changes;
};

TEST_F(ModelTest, PeerHearsOfEveryPropertyThatChangesAndOfNothingElse) {
  Label label(form, {.name = "Label1", .bounds = {0, 0, 10, 13}, .text = "to"});
  RecordingPeer peer;
  label.attachPeer(&peer);
  label.setVisible(true);
  label.setCaption("from");
  label.setEnabled(false);
  EXPECT_EQ(peer.changes,
            (std::vector<Property>{Property::Text, Property::Bounds, Property::Enabled}));
}

TEST_F(ModelTest, ClosingTheFormTellsItsPeerOnce) {
  RecordingPeer peer;
  form.attachPeer(&peer);
  form.userClose();
  form.close();
  EXPECT_TRUE(form.closed());
  EXPECT_EQ(peer.changes, (std::vector<Property>{Property::Closed}));
}

}  // namespace
}  // namespace quirevo::testing
