#pragma once

#include <stdexcept>

namespace quirevo {

// An argument the command line cannot take; what() names it in one line.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace quirevo
