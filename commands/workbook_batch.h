#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "commands/console.h"
#include "commands/interruption.h"

namespace quirevo {

// One workbook of a command: as the user named it, and as the spreadsheet application is given it
// (its absolute path, since the application has a working folder of its own).
struct WorkbookFile {
  std::string name;
  std::string path;
  std::size_t number = 0;  // from 1
  std::size_t count = 0;
};

enum class BatchEnd { AllDone, SomeFailed, Interrupted };

// Runs work on each workbook in the order given. A failure is that workbook's own: it is told on
// standard error with the file's name and given to failed, and the next workbook goes on. An
// interruption ends the batch, saying in which workbook it stopped. doing ("listing",
// "printing") is what progress and that message call the work.
BatchEnd forEachWorkbook(
    const std::vector<std::string>& workbooks, const char* doing, Console& console,
    const Interruption& interruption, const std::function<void(const WorkbookFile&)>& work,
    const std::function<void(const WorkbookFile&, const std::string& reason)>& failed = {});

int statusOf(BatchEnd end);

}  // namespace quirevo
