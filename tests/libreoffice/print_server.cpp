#include "tests/libreoffice/print_server.h"

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace quirevo::testing {

namespace {

constexpr auto kLandingTime = std::chrono::seconds(60);

std::string shellQuoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

std::string pdfInfo(const std::filesystem::path& file, const std::string& field) {
  const std::string info = commandOutput("pdfinfo " + shellQuoted(file));
  const auto start = info.find(field + ":");
  if (start == std::string::npos) {
    return {};
  }
  const auto value = info.find_first_not_of(' ', start + field.size() + 1);
  return info.substr(value, info.find('\n', value) - value);
}

}  // namespace

std::string commandOutput(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    ADD_FAILURE() << "cannot run " << command;
    return output;
  }
  char buffer[4096];
  std::size_t read = 0;
  while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    output.append(buffer, read);
  }
  if (pclose(pipe) != 0) {
    ADD_FAILURE() << command << " failed";
  }
  return output;
}

std::vector<std::string> pdfPageTexts(const std::filesystem::path& file) {
  std::vector<std::string> pages;
  const int count = std::atoi(pdfInfo(file, "Pages").c_str());
  for (int page = 1; page <= count; ++page) {
    pages.push_back(commandOutput("pdftotext -f " + std::to_string(page) + " -l " +
                                  std::to_string(page) + " " + shellQuoted(file) + " -"));
  }
  return pages;
}

PrintServer::PrintServer() {
  char folder[] = "/tmp/quirevo-outbox.XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    throw std::runtime_error("no folder for the print outbox");
  }
  outbox_ = folder;
  state_ =
      trimmed(commandOutput(std::string(QUIREVO_PRINT_SERVER) + " start " + shellQuoted(outbox_)));
  if (state_.empty()) {
    throw std::runtime_error("the private print server did not start");
  }
  const std::string socket = state_ + "/cups.sock";
  setenv("CUPS_SERVER", socket.c_str(), 1);
  cupsSetServer(socket.c_str());
}

PrintServer::~PrintServer() {
  std::system((std::string(QUIREVO_PRINT_SERVER) + " stop " + shellQuoted(state_)).c_str());
  std::error_code ignored;
  std::filesystem::remove_all(outbox_, ignored);
}

int PrintServer::lastJob() const {
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, kPrinter, 0, CUPS_WHICHJOBS_ALL);
  int last = 0;
  for (int i = 0; i < count; ++i) {
    last = std::max(last, jobs[i].id);
  }
  cupsFreeJobs(count, jobs);
  return last;
}

std::vector<LandedJob> PrintServer::jobsAfter(int job) const {
  const auto deadline = std::chrono::steady_clock::now() + kLandingTime;
  for (;;) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, kPrinter, 0, CUPS_WHICHJOBS_ALL);
    std::vector<LandedJob> landed;
    bool pending = false;
    for (int i = 0; i < count; ++i) {
      if (jobs[i].id <= job) {
        continue;
      }
      char name[32];
      std::snprintf(name, sizeof name, "job-%05d.pdf", jobs[i].id);
      const std::filesystem::path file = outbox_ / name;
      if (jobs[i].state == IPP_JSTATE_CANCELED || jobs[i].state == IPP_JSTATE_ABORTED) {
        ADD_FAILURE() << "print job " << jobs[i].id << " was "
                      << ippEnumString("job-state", jobs[i].state);
        continue;
      }
      if (jobs[i].state != IPP_JSTATE_COMPLETED || !std::filesystem::exists(file)) {
        pending = true;
        continue;
      }
      landed.push_back({jobs[i].id, file, pdfInfo(file, "Page size"), pdfPageTexts(file)});
    }
    cupsFreeJobs(count, jobs);
    if (!pending) {
      std::sort(landed.begin(), landed.end(),
                [](const LandedJob& a, const LandedJob& b) { return a.id < b.id; });
      return landed;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      ADD_FAILURE() << "print jobs after " << job << " did not land within " << kLandingTime.count()
                    << " seconds";
      return landed;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

}  // namespace quirevo::testing
