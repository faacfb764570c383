#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace quirevo::testing {

// Requests as the stand-in logs them, in order.
using Requests = std::vector<std::string>;

inline Requests join(std::initializer_list<Requests> parts) {
  Requests all;
  for (const Requests& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

}  // namespace quirevo::testing
