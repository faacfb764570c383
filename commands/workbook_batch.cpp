#include "commands/workbook_batch.h"

#include <exception>
#include <filesystem>

namespace quirevo {

namespace {

// In UTF-8 both ways: on Windows a path made from a plain string would read it in the ANSI code
// page.
std::string absolutePath(const std::string& name) {
  const std::filesystem::path path(std::u8string(name.begin(), name.end()));
  const std::u8string absolute = std::filesystem::absolute(path).u8string();
  return {absolute.begin(), absolute.end()};
}

std::string position(const WorkbookFile& file) {
  return "file " + std::to_string(file.number) + " of " + std::to_string(file.count);
}

}  // namespace

BatchEnd forEachWorkbook(
    const std::vector<std::string>& workbooks, const char* doing, Console& console,
    const Interruption& interruption, const std::function<void(const WorkbookFile&)>& work,
    const std::function<void(const WorkbookFile&, const std::string& reason)>& failed) {
  BatchEnd end = BatchEnd::AllDone;
  for (std::size_t i = 0; i < workbooks.size(); ++i) {
    const WorkbookFile file{workbooks[i], absolutePath(workbooks[i]), i + 1, workbooks.size()};
    const auto interrupted = [&] {
      console.err << "quirevo: interrupted while " << doing << " " << file.name << " ("
                  << position(file) << ")\n";
      return BatchEnd::Interrupted;
    };
    if (interruption.requested()) {
      return interrupted();
    }
    if (console.progress) {
      console.err << "[" << position(file) << "] " << doing << " " << file.name << "\n";
    }
    try {
      work(file);
    } catch (const std::exception& failure) {
      if (interruption.requested()) {
        return interrupted();
      }
      console.err << "quirevo: " << file.name << ": " << failure.what() << "\n";
      if (failed) {
        failed(file, failure.what());
      }
      end = BatchEnd::SomeFailed;
    }
  }
  return end;
}

int statusOf(BatchEnd end) {
  switch (end) {
    case BatchEnd::AllDone:
      return exit_status::kDone;
    case BatchEnd::SomeFailed:
      return exit_status::kSomeFailed;
    case BatchEnd::Interrupted:
      return exit_status::kInterrupted;
  }
  return exit_status::kSomeFailed;
}

}  // namespace quirevo
