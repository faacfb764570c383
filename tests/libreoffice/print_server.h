#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quirevo::testing {

// One print job as it landed on the Quirevo-PDF printer: its PDF file and the text of each page.
struct LandedJob {
  int id = 0;
  std::filesystem::path file;
  std::string pageSize;  // as pdfinfo reports it, "595 x 842 pts (A4)"
  std::vector<std::string> pages;
};

// The private CUPS server with the Quirevo-PDF printer (scripts/print-server), started for one
// test program and made the default printer of this process and the offices it starts.
class PrintServer {
 public:
  static constexpr const char* kPrinter = "Quirevo-PDF";

  PrintServer();
  ~PrintServer();
  PrintServer(const PrintServer&) = delete;
  PrintServer& operator=(const PrintServer&) = delete;

  // The newest job the printer has had, 0 before the first.
  int lastJob() const;
  // The jobs after the given one, each once it has landed; a job that fails or does not land in
  // time fails the test.
  std::vector<LandedJob> jobsAfter(int job) const;

 private:
  std::filesystem::path outbox_;
  std::string state_;
};

// The text of each page of a PDF file (pdfinfo, pdftotext).
std::vector<std::string> pdfPageTexts(const std::filesystem::path& file);

// Standard output of a shell command; fails the test when it does not succeed.
std::string commandOutput(const std::string& command);

}  // namespace quirevo::testing
