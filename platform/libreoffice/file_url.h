#pragma once

#include <string>
#include <string_view>

namespace quirevo::office {

// The file URL the office understands for a path of this machine: relative paths taken from the
// current folder, every byte outside the unreserved characters and "/" percent-encoded (so
// spaces, "#", "%" and UTF-8 names survive).
std::string fileUrlFor(std::string_view path);

}  // namespace quirevo::office
