// What the supervision of the spreadsheet application (the Windows program's request path: every
// request handed to the request thread and waited for, its activity told, its effect recorded)
// adds to listing a 100-sheet workbook. The same listing runs against the recording stand-in
// directly and supervised; the difference per request is the hand-over. The stand-in answers in
// about a microsecond, so the share reported is that of a listing with an instant application:
// against a real one, reached across processes, it is smaller by the ratio of the two.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "app/main_unit.h"
#include "app/spreadsheet_session.h"
#include "tests/support/fake_platform.h"
#include "tests/support/plain_wait.h"
#include "tests/support/stand_in_launcher.h"
#include "tests/support/supervised_automation.h"
#include "ui/application.h"

namespace quirevo::testing {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kBook = "/books/hundred sheets.xlsx";
constexpr int kSheets = 100;

void addHundredSheets(SpreadsheetStandIn& standIn) {
  WorkbookContent content;
  for (int i = 1; i <= kSheets; ++i) {
    content.sheets.push_back({"Sheet" + std::to_string(i), Variant::integer(1)});
  }
  standIn.addFile(kBook, std::move(content));
}

// The window with the workbook listed once in English, against the platform given.
struct Listing {
  explicit Listing(Platform& platform, FakeDesktop& desktop)
      : application(desktop), form(application, platform), desktop_(desktop) {
    form.create();
    form.ComboBox1.userSelectItem(0);
    desktop.messages.clear();  // the captions' language files play no part here
    form.Edit1.setText(kBook);
  }
  bool clean() const {
    return desktop_.messages.empty() && form.ListBox1.items().size() == kSheets + 1;
  }

  SpreadsheetSessionLifetime session;
  Application application;
  TForm1 form;
  FakeDesktop& desktop_;
};

// The time of one listing, over the benchmark's iterations.
template <class Count>
Clock::duration listEach(benchmark::State& state, Listing& listing, Count requestsSoFar,
                         long& requests) {
  const long before = requestsSoFar();
  const auto start = Clock::now();
  for (auto _ : state) {
    listing.form.Edit1Change(listing.form.Edit1);
  }
  const auto total = Clock::now() - start;
  requests = (requestsSoFar() - before) / static_cast<long>(state.iterations());
  return total / state.iterations();
}

Clock::duration unsupervisedListing(long& requests) {
  FakePlatform fake;
  addHundredSheets(fake.standIn);
  Listing listing(fake.platform, fake.desktop);
  fake.standIn.clearLog();
  const auto start = Clock::now();
  constexpr int kRounds = 20;
  for (int round = 0; round < kRounds; ++round) {
    listing.form.Edit1Change(listing.form.Edit1);
  }
  requests = static_cast<long>(fake.standIn.requestCount()) / kRounds;
  return (Clock::now() - start) / kRounds;
}

void BM_Edit1ChangeListing100SheetsSupervised(benchmark::State& state) {
  long plainRequests = 0;
  const auto plain = unsupervisedListing(plainRequests);

  StandInLauncher launcher;
  launcher.prepare = addHundredSheets;
  PlainWait wait;
  SupervisedAutomation automation{launcher, wait};
  FakePlatform fake;
  Platform platform{automation, fake.printers, fake.desktop, fake.xml.get()};
  {
    Listing listing(platform, fake.desktop);
    if (!listing.clean()) {
      state.SkipWithError("the workbook was not listed");
      return;
    }
    SpreadsheetStandIn& standIn = launcher.run(0);
    long requests = 0;
    const auto supervised = listEach(
        state, listing, [&] { return static_cast<long>(standIn.requestCount()); }, requests);
    if (requests != plainRequests || launcher.starts() != 1 || !listing.clean()) {
      state.SkipWithError("the supervised listing sent other requests than the plain one");
      return;
    }
    const auto added = supervised - plain;
    state.counters["requests_per_listing"] = static_cast<double>(requests);
    state.counters["hand_off_us"] =
        std::chrono::duration<double, std::micro>(added).count() / static_cast<double>(requests);
    state.counters["unsupervised_listing_ms"] =
        std::chrono::duration<double, std::milli>(plain).count();
    state.counters["supervision_share_percent"] = 100.0 *
                                                  std::chrono::duration<double>(added).count() /
                                                  std::chrono::duration<double>(supervised).count();
  }
}
BENCHMARK(BM_Edit1ChangeListing100SheetsSupervised)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace quirevo::testing

BENCHMARK_MAIN();
