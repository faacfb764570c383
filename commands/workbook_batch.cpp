#include "commands/workbook_batch.h"

#include <exception>

#include "workbook/absolute_file_name.h"

namespace quirevo {

namespace {

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
    WorkbookFile file{workbooks[i], {}, i + 1, workbooks.size()};
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
      file.path = absoluteFileName(file.name);
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
