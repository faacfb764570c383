// A batch of ten workbooks from the command line: listed, and printed to the private PDF printer
// with one quirevo command (one office for all, every page of every sheet: 60 pages), against
// the office's own headless printing of the same ten files, one soffice command each, as a script
// without Quirevo would do. Each iteration ends once every job has landed. Each takes seconds,
// so the counts are fixed and small.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/libreoffice/private_folder.h"
#include "tests/libreoffice/print_server.h"
#include "tests/libreoffice/quirevo_process.h"
#include "tests/libreoffice/test_workbooks.h"

namespace quirevo::testing {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWorkbooks = 10;
constexpr int kPagesEach = 6;  // the three-sheet workbook's 1 + 3 + 2 pages

// The print server, the workbooks and the run folders, made once for every benchmark.
struct Stage {
  Stage() {
    for (int i = 1; i <= kWorkbooks; ++i) {
      const auto file = folder.path() / ("book" + std::to_string(i) + ".xlsx");
      std::filesystem::copy_file(workbooks.threeSheets().file, file);
      files.push_back(file.string());
    }
  }
  std::filesystem::path runFolder() { return folder.path() / ("run" + std::to_string(++runs)); }
  // Waits for the jobs after the given one; the pages they hold.
  int pagesLanded(int firstJob) const {
    int pages = 0;
    for (const LandedJob& job : printServer.jobsAfter(firstJob)) {
      pages += static_cast<int>(job.pages.size());
    }
    return pages;
  }

  PrintServer printServer;
  TestWorkbooks workbooks;
  office::PrivateFolder folder;
  std::vector<std::string> files;
  int runs = 0;
};

Stage& stage() {
  static Stage instance;
  return instance;
}

std::vector<std::string> command(const char* name) {
  std::vector<std::string> arguments = {name};
  arguments.insert(arguments.end(), stage().files.begin(), stage().files.end());
  return arguments;
}

void BM_QuirevoListsTenWorkbooks(benchmark::State& state) {
  for (auto _ : state) {
    if (runQuirevo(command("list"), stage().runFolder()).status != 0) {
      state.SkipWithError("the workbooks were not listed");
    }
  }
}
BENCHMARK(BM_QuirevoListsTenWorkbooks)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_QuirevoPrintsTenWorkbooks(benchmark::State& state) {
  for (auto _ : state) {
    const int firstJob = stage().printServer.lastJob();
    if (runQuirevo(command("print"), stage().runFolder()).status != 0 ||
        stage().pagesLanded(firstJob) != kWorkbooks * kPagesEach) {
      state.SkipWithError("the batch was not printed");
    }
  }
}
BENCHMARK(BM_QuirevoPrintsTenWorkbooks)->Unit(benchmark::kMillisecond)->Iterations(2);

// soffice --headless --pt, one command a file, each with a private profile as a script run
// beside a user's own office would need.
void BM_OfficePrintsTenWorkbooksOneCommandEach(benchmark::State& state) {
  for (auto _ : state) {
    const int firstJob = stage().printServer.lastJob();
    const auto profile = stage().runFolder() / "profile";
    bool printed = true;
    for (const std::string& file : stage().files) {
      const std::string line =
          "/usr/lib/libreoffice/program/soffice --headless --norestore "
          "'-env:UserInstallation=file://" +
          profile.string() + "' --pt " + PrintServer::kPrinter + " '" + file + "' >/dev/null 2>&1";
      printed = printed && std::system(line.c_str()) == 0;
    }
    // The office prints what it takes a workbook's print to be, which need not be every page of
    // every sheet: the pages that landed are reported beside the time.
    const int pages = stage().pagesLanded(firstJob);
    state.counters["pages_landed"] = pages;
    if (!printed || pages == 0) {
      state.SkipWithError("the office did not print the batch");
    }
  }
}
BENCHMARK(BM_OfficePrintsTenWorkbooksOneCommandEach)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace quirevo::testing

BENCHMARK_MAIN();
