#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace quirevo::supervision {

// What the request under way is doing, in the user's words ("opening "Book.xlsx""): set on the
// request thread as the request goes, read on the window's thread by the busy dialog.
class Activity {
 public:
  void set(std::string activity);
  std::string get() const;
  // The busy dialog's sentence: "Opening "Book.xlsx"…".
  std::string sentence() const;

 private:
  mutable std::mutex mutex_;
  std::string activity_;
};

// The activities of every spreadsheet application, written once. application names it
// ("LibreOffice", "Excel"); a workbook is named by its title (workbookTitle), a sheet by its name
// in quotes or, where its name is not known, by its number.
namespace activities {
std::string waitingFor(std::string_view application);
std::string starting(std::string_view application);
std::string closing(std::string_view applicationOrWorkbook);
std::string showingWindow(std::string_view application);
std::string hidingWindow(std::string_view application);
std::string creatingWorkbook();
std::string opening(std::string_view workbook);
std::string lookingAt(std::string_view workbook);
std::string countingSheets(std::string_view workbook);
std::string findingSheet(std::int32_t number, std::string_view workbook);
std::string readingSheetName(std::int32_t number);
std::string countingPages(std::string_view sheet);
std::string printingSheet(std::string_view sheet, std::int32_t from, std::int32_t to);
}  // namespace activities

// How a workbook is named to the user: its file's name in quotes, or "the new workbook" for one
// that has no file.
std::string workbookTitle(const std::string* file);
// "\"Data\"", the way a sheet whose name is known is named.
std::string inQuotes(std::string_view name);

// The supervision's own failures, in the user's words.
namespace failures {
// "Excel was stopped while opening "Book.xlsx""
std::string stoppedWhile(std::string_view application, std::string_view activity);
// "Excel ended unexpectedly while opening "Book.xlsx""
std::string endedWhile(std::string_view application, std::string_view activity);
// "Excel has quit"
std::string hasQuit(std::string_view application);
// "Cannot open "C:\Book.xlsx" again: the file does not exist"
std::string cannotOpen(std::string_view file, bool again, std::string_view reason);
}  // namespace failures

}  // namespace quirevo::supervision
