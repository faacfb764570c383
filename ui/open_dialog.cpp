#include "ui/open_dialog.h"

namespace quirevo {

OpenDialog::OpenDialog(Desktop& desktop, std::string filter)
    : desktop_(desktop), filter_(std::move(filter)) {}

std::vector<FileFilter> OpenDialog::filters() const {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t bar; (bar = filter_.find('|', start)) != std::string::npos; start = bar + 1) {
    parts.push_back(filter_.substr(start, bar - start));
  }
  parts.push_back(filter_.substr(start));
  std::vector<FileFilter> filters;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    filters.push_back({parts[i], parts[i + 1]});
  }
  return filters;
}

bool OpenDialog::execute() {
  std::optional<std::string> chosen = desktop_.showOpenDialog({filters(), fileName_});
  if (!chosen) {
    return false;
  }
  fileName_ = std::move(*chosen);
  return true;
}

}  // namespace quirevo
