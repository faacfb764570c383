// What loading a workbook and printing cost Quirevo per automation request. The spreadsheet
// stand-in runs in process, so the time per request is the program's own overhead plus the
// stand-in's, with no cross-process call in it.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <exception>
#include <string>

#include "app/main_unit.h"
#include "app/spreadsheet_session.h"
#include "tests/support/fake_platform.h"
#include "ui/application.h"

namespace quirevo::testing {
namespace {

WorkbookContent sheets(int count, int pagesEach) {
  WorkbookContent content;
  for (int i = 1; i <= count; ++i) {
    content.sheets.push_back({"Sheet" + std::to_string(i), Variant::integer(pagesEach)});
  }
  return content;
}

// The main window on the headless platform, started as the program starts it.
class Window {
 public:
  explicit Window(WorkbookContent startUpWorkbook) {
    fake.standIn.setNewWorkbook(std::move(startUpWorkbook));
    form.create();
  }

  // Anything but a clean run would measure the wrong thing.
  bool clean() const { return fake.desktop.messages.empty(); }

  FakePlatform fake;
  SpreadsheetSessionLifetime session;
  Application application{fake.desktop};
  TForm1 form{application, fake.platform};
};

// Requests per run, and the time per request as the inverse of the request rate.
void reportRequests(benchmark::State& state, std::size_t requests) {
  using benchmark::Counter;
  state.counters["requests_per_run"] =
      Counter(static_cast<double>(requests), Counter::kAvgIterations);
  state.counters["time_per_request"] =
      Counter(static_cast<double>(requests), Counter::Flags(Counter::kIsRate | Counter::kInvert));
}

// Runs one handler per iteration; the stand-in's log and print jobs are emptied outside the
// timing so they do not grow with the run.
template <class Handler>
void measure(benchmark::State& state, Window& window, std::size_t expectedPrintJobs,
             Handler handler) {
  window.fake.standIn.clearLog();
  std::size_t requests = 0;
  for (auto _ : state) {
    try {
      handler();
    } catch (const std::exception& error) {
      state.SkipWithError(error.what());
      return;
    }
    state.PauseTiming();
    requests += window.fake.standIn.requestCount();
    const bool printedAll = window.fake.standIn.printJobs().size() == expectedPrintJobs;
    window.fake.standIn.clearLog();
    window.fake.standIn.clearPrintJobs();
    state.ResumeTiming();
    if (!printedAll) {
      state.SkipWithError("the press printed other than expected");
      return;
    }
  }
  reportRequests(state, requests);
}

void BM_Edit1ChangeListing1000Sheets(benchmark::State& state) {
  Window window(sheets(1, 1));
  window.fake.standIn.addFile("book.xlsx", sheets(1000, 3));
  window.form.ComboBox1.userSelectItem(0);
  window.fake.desktop.messages.clear();  // the captions' language files play no part here
  window.form.Edit1.setText("book.xlsx");
  if (!window.clean() || window.form.ListBox1.items().size() != 1001) {
    state.SkipWithError("the workbook was not listed");
    return;
  }
  measure(state, window, 0, [&] { window.form.Edit1Change(window.form.Edit1); });
}
BENCHMARK(BM_Edit1ChangeListing1000Sheets)->Unit(benchmark::kMillisecond);

void BM_BitBtn1ClickPrinting999Sheets(benchmark::State& state) {
  Window window(sheets(999, 5));  // the start state prints all sheets, page 1 of each
  if (!window.clean()) {
    state.SkipWithError("start-up failed");
    return;
  }
  measure(state, window, 999, [&] { window.form.BitBtn1Click(window.form.BitBtn1); });
}
BENCHMARK(BM_BitBtn1ClickPrinting999Sheets)->Unit(benchmark::kMillisecond);

void BM_BitBtn1ClickPrinting999SinglePages(benchmark::State& state) {
  Window window(sheets(1, 1997));  // its odd pages are 999 single pages
  window.form.RadioButton2.userClick();
  window.form.RadioButton12.userClick();
  if (!window.clean()) {
    state.SkipWithError("start-up failed");
    return;
  }
  measure(state, window, 999, [&] { window.form.BitBtn1Click(window.form.BitBtn1); });
}
BENCHMARK(BM_BitBtn1ClickPrinting999SinglePages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quirevo::testing

BENCHMARK_MAIN();
