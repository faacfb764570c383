#include "ui/tab_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/ui_fixture.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"

namespace quirevo::testing {
namespace {

std::vector<std::string> names(const std::vector<Control*>& controls) {
  std::vector<std::string> result;
  for (const Control* control : controls) {
    result.emplace_back(control->name());
  }
  return result;
}

// Created out of tab order, with a label (no place in the order) among them and a box whose own
// controls have an order of their own.
class TabOrderTest : public ModelTest {
 protected:
  Edit last{form, {.name = "Last", .tabOrder = 2}};
  Label caption{form, {.name = "Caption", .text = "x"}};
  GroupBox box{form, {.name = "Box", .tabOrder = 1}};
  Edit inBoxSecond{box, {.name = "InBoxSecond", .tabOrder = 1}};
  Edit inBoxFirst{box, {.name = "InBoxFirst", .tabOrder = 0}};
  Edit first{form, {.name = "First", .tabOrder = 0}};
  Edit alsoFirst{form, {.name = "AlsoFirst", .tabOrder = 0}};
};

TEST_F(TabOrderTest, SiblingsGoByTabOrderThenCreationWithUnorderedControlsLast) {
  EXPECT_EQ(names(childrenInTabOrder(form)),
            (std::vector<std::string>{"First", "AlsoFirst", "Box", "Last", "Caption"}));
}

TEST_F(TabOrderTest, TheChainEntersABoxRightAfterItAndLeavesOutUnorderedControls) {
  EXPECT_EQ(names(tabChain(form)), (std::vector<std::string>{"First", "AlsoFirst", "Box",
                                                             "InBoxFirst", "InBoxSecond", "Last"}));
}

}  // namespace
}  // namespace quirevo::testing
