#pragma once

#include <vector>

namespace quirevo {

class Control;

// The children of a control in the order Tab visits them: by tab order, creation order among
// equals, and those without a place in the order (labels, speed buttons) last.
std::vector<Control*> childrenInTabOrder(const Control& parent);

// Every control below the parent that has a place in the tab order, depth first: a container's
// own controls follow it directly.
std::vector<Control*> tabChain(const Control& parent);

}  // namespace quirevo
