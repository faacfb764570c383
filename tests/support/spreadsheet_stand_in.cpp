#include "tests/support/spreadsheet_stand_in.h"

#include <map>

#include "automation/ascii_case.h"
#include "automation/automation_error.h"
#include "automation/dispatch_server.h"
#include "automation/spreadsheet_schema.h"

namespace quirevo::testing {

namespace {

struct Book {
  std::string fileName;
  WorkbookContent content;
  bool open = true;
};

struct Failure {
  std::string description;
  int skip;
  int times;
};

}  // namespace

struct SpreadsheetStandIn::State {
  std::map<std::string, WorkbookContent> files;
  WorkbookContent newWorkbook{{{"Sheet1", Variant::integer(0)}}, {}};
  std::vector<std::shared_ptr<Book>> books;
  std::map<std::string, Failure> failures;
  std::vector<Request> log;
  std::vector<PrintJob> printJobs;
  long liveReferences = 0;
  bool visible = false;
  std::optional<bool> displayAlerts;
  bool quitRequested = false;

  std::shared_ptr<Book> activeBook() const {
    for (auto book = books.rbegin(); book != books.rend(); ++book) {
      if ((*book)->open) {
        return *book;
      }
    }
    return nullptr;
  }
};

namespace {

using State = SpreadsheetStandIn::State;

// Every stand-in object, on top of the application's declared members: counts its references
// in the shared state, logs each request and raises the failures a test injected.
template <class Server>
class StandInObject : public Server {
 public:
  explicit StandInObject(std::shared_ptr<State> state) : state_(std::move(state)) {
    ++state_->liveReferences;
  }
  void addRef() noexcept override {
    ++state_->liveReferences;
    Server::addRef();
  }
  void release() noexcept override {
    --state_->liveReferences;
    Server::release();
  }

 protected:
  void requestArrived(const MemberSignature& member, InvokeKind kind,
                      std::span<const Variant> positional,
                      std::span<const NamedArgument> named) override {
    Request request{std::string(member.name), kind, {}};
    for (const Variant& argument : positional) {
      request.arguments.push_back(argument.describe());
    }
    for (const NamedArgument& argument : named) {
      const auto& parameters = member.parameters;
      const std::string name =
          argument.id >= 0 && static_cast<std::size_t>(argument.id) < parameters.size()
              ? std::string(parameters[static_cast<std::size_t>(argument.id)].name)
              : "#" + std::to_string(argument.id);
      request.arguments.push_back(name + ": " + argument.value.describe());
    }
    state_->log.push_back(std::move(request));

    const auto failure = state_->failures.find(asciiLower(member.name));
    if (failure != state_->failures.end()) {
      Failure& f = failure->second;
      if (f.skip > 0) {
        --f.skip;
      } else {
        const std::string description = f.description;
        if (f.times > 0 && --f.times == 0) {
          state_->failures.erase(failure);
        }
        throw componentException(description, status::kException);
      }
    }
  }

  State& state() { return *state_; }
  const std::shared_ptr<State>& sharedState() { return state_; }

 private:
  std::shared_ptr<State> state_;
};

Variant nothing() {
  return Variant::object({});
}

class PagesObject final : public StandInObject<spreadsheet::PagesServer> {
 public:
  PagesObject(std::shared_ptr<State> state, Variant count)
      : StandInObject(std::move(state)), count_(std::move(count)) {}

 private:
  Variant count(const BoundArguments&) override { return count_; }
  Variant count_;
};

class PageSetupObject final : public StandInObject<spreadsheet::PageSetupServer> {
 public:
  PageSetupObject(std::shared_ptr<State> state, Variant pages)
      : StandInObject(std::move(state)), pages_(std::move(pages)) {}

 private:
  Variant pages(const BoundArguments&) override {
    return Variant::object(makeDispatch<PagesObject>(sharedState(), pages_));
  }
  Variant pages_;
};

class SheetObject final : public StandInObject<spreadsheet::SheetServer> {
 public:
  SheetObject(std::shared_ptr<State> state, std::shared_ptr<Book> book, int index)
      : StandInObject(std::move(state)), book_(std::move(book)), index_(index) {}

 private:
  const SheetContent& content() const {
    return book_->content.sheets.at(static_cast<std::size_t>(index_ - 1));
  }
  Variant name(const BoundArguments&) override { return Variant::string(content().name); }
  Variant pageSetup(const BoundArguments&) override {
    return Variant::object(makeDispatch<PageSetupObject>(sharedState(), content().pages));
  }
  Variant printOut(const BoundArguments& a) override {
    using namespace spreadsheet;
    state().printJobs.push_back({book_->fileName, index_, a[kFrom].integerValue(),
                                 a[kTo].integerValue(), a[kCopies].integerValue(),
                                 a[kPreview].booleanValue(), a[kActivePrinter].stringValue(),
                                 a[kPrintToFile].booleanValue(), a[kCollate].booleanValue()});
    return {};
  }
  std::shared_ptr<Book> book_;
  int index_;
};

class SheetsObject final : public StandInObject<spreadsheet::SheetsServer> {
 public:
  SheetsObject(std::shared_ptr<State> state, std::shared_ptr<Book> book)
      : StandInObject(std::move(state)), book_(std::move(book)) {}

 private:
  Variant count(const BoundArguments&) override {
    const WorkbookContent& content = book_->content;
    return content.reportedCount
               ? *content.reportedCount
               : Variant::integer(static_cast<std::int32_t>(content.sheets.size()));
  }
  Variant item(const BoundArguments& a) override {
    const std::int32_t index = a[0].integerValue();
    if (index < 1 || static_cast<std::size_t>(index) > book_->content.sheets.size()) {
      throw statusFailure(status::kBadIndex);
    }
    return Variant::object(makeDispatch<SheetObject>(sharedState(), book_, index));
  }
  std::shared_ptr<Book> book_;
};

class WorkbookObject final : public StandInObject<spreadsheet::WorkbookServer> {
 public:
  WorkbookObject(std::shared_ptr<State> state, std::shared_ptr<Book> book)
      : StandInObject(std::move(state)), book_(std::move(book)) {}

 private:
  Variant close(const BoundArguments&) override {
    book_->open = false;
    return {};
  }
  std::shared_ptr<Book> book_;
};

class WorkbooksObject final : public StandInObject<spreadsheet::WorkbooksServer> {
 public:
  using StandInObject::StandInObject;

 private:
  Variant add(const BoundArguments&) override {
    state().books.push_back(std::make_shared<Book>(Book{"", state().newWorkbook}));
    return {};
  }
  Variant open(const BoundArguments& a) override {
    const std::string& fileName = a[0].stringValue();
    const auto file = state().files.find(fileName);
    if (file == state().files.end()) {
      throw componentException("Sorry, we couldn't find " + fileName +
                                   ". Is it possible it was moved, renamed or deleted?",
                               status::kException);
    }
    state().books.push_back(std::make_shared<Book>(Book{fileName, file->second}));
    return {};
  }
};

class ApplicationObject final : public StandInObject<spreadsheet::ApplicationServer> {
 public:
  using StandInObject::StandInObject;

 private:
  Variant putDisplayAlerts(const BoundArguments& a) override {
    state().displayAlerts = a[0].booleanValue();
    return {};
  }
  Variant putVisible(const BoundArguments& a) override {
    state().visible = a[0].booleanValue();
    return {};
  }
  Variant workbooks(const BoundArguments&) override {
    return Variant::object(makeDispatch<WorkbooksObject>(sharedState()));
  }
  Variant activeWorkbook(const BoundArguments&) override {
    std::shared_ptr<Book> book = state().activeBook();
    return book ? Variant::object(makeDispatch<WorkbookObject>(sharedState(), std::move(book)))
                : nothing();
  }
  Variant application(const BoundArguments&) override {
    return Variant::object(DispatchPtr::share(this));
  }
  Variant sheets(const BoundArguments&) override {
    std::shared_ptr<Book> book = state().activeBook();
    if (!book) {
      throw componentException("No workbook is open", status::kException);
    }
    return Variant::object(makeDispatch<SheetsObject>(sharedState(), std::move(book)));
  }
  Variant quit(const BoundArguments&) override {
    state().quitRequested = true;
    return {};
  }
};

}  // namespace

std::string callText(std::string call, const std::vector<std::string>& arguments) {
  if (!arguments.empty()) {
    call += "(";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      call += (i > 0 ? ", " : "") + arguments[i];
    }
    call += ")";
  }
  return call;
}

std::string Request::text() const {
  return callText(std::string(toString(kind)) + " " + member, arguments);
}

SpreadsheetStandIn::SpreadsheetStandIn() : state_(std::make_shared<State>()) {}
SpreadsheetStandIn::~SpreadsheetStandIn() = default;

void SpreadsheetStandIn::addFile(std::string fileName, WorkbookContent content) {
  state_->files[std::move(fileName)] = std::move(content);
}

void SpreadsheetStandIn::setNewWorkbook(WorkbookContent content) {
  state_->newWorkbook = std::move(content);
}

DispatchPtr SpreadsheetStandIn::createApplication() {
  return makeDispatch<ApplicationObject>(state_);
}

void SpreadsheetStandIn::failAt(std::string member, std::string description, int skip, int times) {
  state_->failures[asciiLower(member)] = {std::move(description), skip, times};
}

void SpreadsheetStandIn::clearFailures() {
  state_->failures.clear();
}

std::vector<std::string> SpreadsheetStandIn::requests() const {
  std::vector<std::string> texts;
  for (const Request& request : state_->log) {
    texts.push_back(request.text());
  }
  return texts;
}

const std::vector<Request>& SpreadsheetStandIn::log() const {
  return state_->log;
}
void SpreadsheetStandIn::clearLog() {
  state_->log.clear();
}
std::size_t SpreadsheetStandIn::requestCount() const {
  return state_->log.size();
}
long SpreadsheetStandIn::liveReferences() const {
  return state_->liveReferences;
}
bool SpreadsheetStandIn::visible() const {
  return state_->visible;
}
std::optional<bool> SpreadsheetStandIn::displayAlerts() const {
  return state_->displayAlerts;
}
bool SpreadsheetStandIn::quitRequested() const {
  return state_->quitRequested;
}

std::optional<std::string> SpreadsheetStandIn::activeWorkbook() const {
  const auto book = state_->activeBook();
  return book ? std::optional<std::string>(book->fileName) : std::nullopt;
}

std::vector<std::string> SpreadsheetStandIn::openWorkbooks() const {
  std::vector<std::string> names;
  for (const auto& book : state_->books) {
    if (book->open) {
      names.push_back(book->fileName);
    }
  }
  return names;
}

const std::vector<PrintJob>& SpreadsheetStandIn::printJobs() const {
  return state_->printJobs;
}
void SpreadsheetStandIn::clearPrintJobs() {
  state_->printJobs.clear();
}

}  // namespace quirevo::testing
