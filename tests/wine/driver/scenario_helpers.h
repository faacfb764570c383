#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/wine/driver/scenario_run.h"

namespace quirevo::testing {

// The Wine prefix's default printer, which every print request names.
inline const std::string kPrinter = "Quirevo Test Printer";

using SheetPages = std::vector<std::pair<std::string, int>>;

// A workbook of the server: its file's full path and one "sheet" line per sheet.
std::string workbookAt(const std::string& path, const SheetPages& sheets);
// A workbook of the server whose file lies in the run directory.
std::string workbook(ScenarioRun& run, const std::string& file, const SheetPages& sheets);

// The information list as it shows, once it has at least as many lines as expected.
void expectList(ScenarioRun& run, const std::vector<std::wstring>& expected,
                const std::string& what);

}  // namespace quirevo::testing
