#pragma once

#include <stdexcept>
#include <string>

namespace quirevo {

// A file the parser could not read or found not well-formed. The message is the reason, the line
// number and the start of the faulty line, each on a line of its own.
class XmlParseError : public std::runtime_error {
 public:
  static constexpr std::size_t kLineTextLength = 40;  // characters of the faulty line shown

  XmlParseError(std::string reason, int line, std::string lineText);

  const std::string& reason() const { return reason_; }
  int line() const { return line_; }
  const std::string& lineText() const { return lineText_; }

 private:
  std::string reason_;
  int line_;
  std::string lineText_;
};

}  // namespace quirevo
