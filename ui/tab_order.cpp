#include "ui/tab_order.h"

#include <algorithm>
#include <climits>

#include "ui/control.h"

namespace quirevo {

std::vector<Control*> childrenInTabOrder(const Control& parent) {
  std::vector<Control*> ordered = parent.children();
  std::stable_sort(ordered.begin(), ordered.end(), [](const Control* a, const Control* b) {
    return a->tabOrder().value_or(INT_MAX) < b->tabOrder().value_or(INT_MAX);
  });
  return ordered;
}

std::vector<Control*> tabChain(const Control& parent) {
  std::vector<Control*> chain;
  for (Control* control : childrenInTabOrder(parent)) {
    if (!control->tabOrder()) {
      continue;
    }
    chain.push_back(control);
    for (Control* inner : tabChain(*control)) {
      chain.push_back(inner);
    }
  }
  return chain;
}

}  // namespace quirevo
