// What the real spreadsheet application on Linux costs: starting LibreOffice, opening a workbook,
// listing a 100-sheet workbook through the window (with the share of the time spent in Quirevo
// rather than in the office, handing each request to the request thread included), one PrintOut
// until its job has landed on the PDF printer, and the time from the office's death to the next
// request's answer.
// Each iteration takes from a fraction of a second to seconds, so the counts are fixed and small.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "app/main_unit.h"
#include "app/spreadsheet_session.h"
#include "automation/dispatch_server.h"
#include "platform/libreoffice/libreoffice_application.h"
#include "platform/registry/component_registry.h"
#include "supervision/request_thread.h"
#include "tests/libreoffice/office_processes.h"
#include "tests/libreoffice/office_session.h"
#include "tests/libreoffice/print_server.h"
#include "tests/libreoffice/test_workbooks.h"
#include "tests/support/fake_platform.h"
#include "tests/support/plain_wait.h"
#include "ui/application.h"

namespace quirevo::testing {
namespace {

using Clock = std::chrono::steady_clock;

// The office's time and the requests made, through every TimedDispatch of one application.
struct OfficeTime {
  Clock::duration spent{};
  long requests = 0;
};

// Passes every request on to the office component and adds up the time spent in it, so that the
// rest of a handler's time is Quirevo's own. Objects returned are wrapped alike.
class TimedDispatch final : public RefCountedDispatch {
 public:
  TimedDispatch(DispatchPtr inner, OfficeTime& time) : inner_(std::move(inner)), time_(time) {}

  std::vector<DispId> idsOfNames(std::string_view member,
                                 std::span<const std::string_view> argumentNames) override {
    const auto start = Clock::now();
    auto ids = inner_->idsOfNames(member, argumentNames);
    time_.spent += Clock::now() - start;
    return ids;
  }

  Variant invoke(DispId member, InvokeKind kind, std::span<const Variant> positional,
                 std::span<const NamedArgument> named) override {
    const auto start = Clock::now();
    Variant result = inner_->invoke(member, kind, positional, named);
    time_.spent += Clock::now() - start;
    ++time_.requests;
    if (result.type() == Variant::Type::Object && result.objectValue()) {
      return Variant::object(makeDispatch<TimedDispatch>(result.objectValue(), time_));
    }
    return result;
  }

 private:
  DispatchPtr inner_;
  OfficeTime& time_;
};

// What handing one request to the component's request thread and waiting for it costs, measured
// with a request that does nothing: the component's own share of each request's time.
Clock::duration handOffCost() {
  constexpr int kRounds = 2000;
  PlainWait wait;
  supervision::RequestThread thread(wait);
  const BusyWork work{[] { return std::string(); }, [] {}};
  const std::function<void()> nothing = [] {};
  const auto start = Clock::now();
  for (int round = 0; round < kRounds; ++round) {
    thread.run(nothing, work);
  }
  return (Clock::now() - start) / kRounds;
}

// The print server and the workbooks, made once for all benchmarks.
struct Stage {
  Stage() : folder(std::filesystem::temp_directory_path() / "quirevo-office-bench") {
    std::filesystem::create_directories(folder);
    writeOnePageSheets(hundredSheets(), 100);
  }
  ~Stage() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  std::filesystem::path hundredSheets() const { return folder / "hundred sheets.xlsx"; }

  PrintServer printServer;
  std::filesystem::path folder;
};

Stage& stage() {
  static Stage instance;
  return instance;
}

void BM_OfficeStartAndQuit(benchmark::State& state) {
  for (auto _ : state) {
    OfficeSession session;
    session.quit();
  }
}
BENCHMARK(BM_OfficeStartAndQuit)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenAndClose100Sheets(benchmark::State& state) {
  const std::string file = stage().hundredSheets().string();
  OfficeSession session;
  for (auto _ : state) {
    session.open(file);
    session.closeActive();
  }
}
BENCHMARK(BM_OpenAndClose100Sheets)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Edit1ChangeListing100Sheets(benchmark::State& state) {
  OfficeTime inOffice;
  ComponentRegistry components;
  PlainWait wait;
  components.add("Excel.Application", [&inOffice, &wait] {
    return makeDispatch<TimedDispatch>(createLibreOfficeApplication(wait), inOffice);
  });
  FakePrinters printers;
  printers.printer = PrintServer::kPrinter;
  FakeDesktop desktop;
  Platform platform{components, printers, desktop, nullptr};
  {
    const SpreadsheetSessionLifetime session;
    Application application{desktop};
    TForm1 form{application, platform};
    form.create();
    form.ComboBox1.userSelectItem(0);  // the list's texts follow the language chosen
    desktop.messages.clear();          // the captions' language files play no part here
    form.Edit1.setText(stage().hundredSheets().string());
    if (!desktop.messages.empty() || form.ListBox1.items().size() != 101) {
      state.SkipWithError(desktop.messages.empty() ? "the workbook was not listed"
                                                   : desktop.messages.front().text.c_str());
    } else {
      inOffice = {};
      const auto start = Clock::now();
      for (auto _ : state) {
        form.Edit1Change(form.Edit1);
      }
      const auto total = Clock::now() - start;
      const auto handOff = handOffCost();
      const auto inQuirevo = total - inOffice.spent + inOffice.requests * handOff;
      state.counters["quirevo_share_percent"] = 100.0 *
                                                std::chrono::duration<double>(inQuirevo).count() /
                                                std::chrono::duration<double>(total).count();
      state.counters["requests_per_listing"] =
          static_cast<double>(inOffice.requests) / static_cast<double>(state.iterations());
      state.counters["hand_off_us"] = std::chrono::duration<double, std::micro>(handOff).count();
      if (form.ListBox1.items().size() != 101) {
        state.SkipWithError("the list changed while measuring");
      }
    }
  }
}
BENCHMARK(BM_Edit1ChangeListing100Sheets)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PrintOutUntilTheJobLands(benchmark::State& state) {
  OfficeSession session;
  session.open(stage().hundredSheets().string());
  PrintServer& server = stage().printServer;
  for (auto _ : state) {
    const int before = server.lastJob();
    session.printOut(1, 1, 1, 1);
    if (server.jobsAfter(before).size() != 1) {
      state.SkipWithError("the job did not land");
      break;
    }
  }
  session.closeActive();
  session.quit();
}
BENCHMARK(BM_PrintOutUntilTheJobLands)->Unit(benchmark::kMillisecond)->Iterations(5);

// The office is killed between two requests; the next one starts a new office, opens the
// 100-sheet workbook again and answers.
void BM_FromTheOfficesDeathToTheNextAnswer(benchmark::State& state) {
  OfficeSession session;
  session.open(stage().hundredSheets().string());
  for (auto _ : state) {
    state.PauseTiming();
    const auto offices = officeChildren();
    if (offices.size() != 1) {
      state.SkipWithError("not one office");
      break;
    }
    killAndWaitForTheEnd(offices[0]);
    state.ResumeTiming();
    if (session.sheetCount() != 100) {
      state.SkipWithError("the workbook was not opened again");
      break;
    }
  }
  session.quit();
}
BENCHMARK(BM_FromTheOfficesDeathToTheNextAnswer)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace quirevo::testing

BENCHMARK_MAIN();
