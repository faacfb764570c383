#include "supervision/activity.h"

#include <filesystem>

namespace quirevo::supervision {

void Activity::set(std::string activity) {
  const std::lock_guard lock(mutex_);
  activity_ = std::move(activity);
}

std::string Activity::get() const {
  const std::lock_guard lock(mutex_);
  return activity_;
}

// "counting the pages…" as a sentence: "Counting the pages…".
std::string Activity::sentence() const {
  std::string text = get();
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
  }
  return text + "\u2026";
}

std::string inQuotes(std::string_view name) {
  // Appended piece by piece: GCC 12 at -O3 mistakes `"\"" + name + "\""` for an overlapping copy
  // (its bug 105329).
  std::string text = "\"";
  text += name;
  text += '"';
  return text;
}

std::string workbookTitle(const std::string* file) {
  if (file == nullptr) {
    return "the new workbook";
  }
  return inQuotes(std::filesystem::path(*file).filename().string());
}

namespace activities {

std::string waitingFor(std::string_view application) {
  return "waiting for " + std::string(application);
}

std::string starting(std::string_view application) {
  return "starting " + std::string(application);
}

std::string closing(std::string_view applicationOrWorkbook) {
  return "closing " + std::string(applicationOrWorkbook);
}

std::string showingWindow(std::string_view application) {
  return "showing " + std::string(application) + "'s window";
}

std::string hidingWindow(std::string_view application) {
  return "hiding " + std::string(application) + "'s window";
}

std::string creatingWorkbook() {
  return "creating a new workbook";
}

std::string opening(std::string_view workbook) {
  return "opening " + std::string(workbook);
}

std::string lookingAt(std::string_view workbook) {
  return "looking at " + std::string(workbook);
}

std::string countingSheets(std::string_view workbook) {
  return "counting the sheets of " + std::string(workbook);
}

std::string findingSheet(std::int32_t number, std::string_view workbook) {
  return "finding sheet " + std::to_string(number) + " of " + std::string(workbook);
}

std::string readingSheetName(std::int32_t number) {
  return "reading the name of sheet " + std::to_string(number);
}

std::string countingPages(std::string_view sheet) {
  return "counting the pages of sheet " + std::string(sheet);
}

std::string printingSheet(std::string_view sheet, std::int32_t from, std::int32_t to) {
  return "printing sheet " + std::string(sheet) + ", pages " + std::to_string(from) + " to " +
         std::to_string(to);
}

}  // namespace activities

namespace failures {

std::string stoppedWhile(std::string_view application, std::string_view activity) {
  return std::string(application) + " was stopped while " + std::string(activity);
}

std::string endedWhile(std::string_view application, std::string_view activity) {
  return std::string(application) + " ended unexpectedly while " + std::string(activity);
}

std::string hasQuit(std::string_view application) {
  return std::string(application) + " has quit";
}

std::string cannotOpen(std::string_view file, bool again, std::string_view reason) {
  return "Cannot open " + inQuotes(file) + (again ? " again" : "") + ": " + std::string(reason);
}

}  // namespace failures

}  // namespace quirevo::supervision
