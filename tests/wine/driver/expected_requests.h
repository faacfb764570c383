#pragma once

#include <string>
#include <vector>

namespace quirevo::testing {

// The request log lines the test server writes for each step of the program: the invoke flags,
// the member as the program spells it, and each argument's VARIANT type and value.
using Requests = std::vector<std::string>;

Requests join(const std::vector<Requests>& parts);

Requests startUp();
Requests openWorkbook(const std::string& path);
// The information list of sheets 1 to count.
Requests listing(int sheets);
Requests sheetCount();
Requests pageCount(int sheet);
// A sheet-mode request: pages 1 to last, the constant first page passed by value.
Requests wholeSheet(int sheet, int lastPage, int copies, const std::string& printer);
// A page-mode request: every number the press's own variable, by reference.
Requests pageRange(int sheet, int firstPage, int lastPage, int copies, const std::string& printer);
Requests closeAndQuit();
// What a new server is told when it replaces one that went: the settings, then the workbook
// the program had open.
Requests restored(bool visible, const std::string& path);
// The last line, once the program has released every object it was given.
Requests released();

}  // namespace quirevo::testing
