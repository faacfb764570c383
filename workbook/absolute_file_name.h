#pragma once

#include <string>

namespace quirevo {

// The file name made absolute against this process's working folder, "." and ".." resolved as
// Windows resolves them. A workbook named on the command line must not be looked for in the
// spreadsheet application's own working folder. UTF-8 in and out; throws when the working
// folder cannot be read.
std::string absoluteFileName(const std::string& name);

}  // namespace quirevo
