#pragma once

#include <optional>
#include <string>

#include <com/sun/star/frame/XModel.hpp>

namespace quirevo::office {

// A workbook the session holds: where it comes from, which outlives any one office, and its
// document in the office now running, which is loaded again whenever that office has none.
struct HeldWorkbook {
  // The file it was opened from as the caller named it; nothing for a new, blank workbook.
  std::optional<std::string> file;
  // Empty until it is loaded in the running office.
  css::uno::Reference<css::frame::XModel> document;

  // How the user knows it: the file's name in quotes, or "the new workbook".
  std::string title() const;
};

}  // namespace quirevo::office
