#include "platform/libreoffice/file_url.h"

#include <filesystem>

namespace quirevo::office {

namespace {

bool keptAsIs(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string fileUrlFor(std::string_view path) {
  const std::string absolute = std::filesystem::absolute(std::filesystem::path(path)).string();
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char byte : absolute) {
    const auto c = static_cast<unsigned char>(byte);
    if (keptAsIs(c)) {
      url += byte;
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 0x0F];
    }
  }
  return url;
}

}  // namespace quirevo::office
