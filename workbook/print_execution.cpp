#include "workbook/print_execution.h"

#include <string>

#include "automation/late_binding.h"
#include "workbook/sheet_queries.h"

namespace quirevo {

namespace {

class SessionPrintTarget final : public PrintTarget {
 public:
  SessionPrintTarget(const Variant& session, std::string printer, PrintObserver* observer)
      : session_(session), printer_(std::move(printer)), observer_(observer) {}

  std::int32_t sheetCount() override { return quirevo::sheetCount(session_); }

  std::int32_t pageCount(std::int32_t sheet) override {
    return pageCountNamingSheetByReference(session_, sheet);
  }

  void print(const PrintRequest& request) override {
    if (observer_ != nullptr) {
      observer_->printing(request);
    }
    std::int32_t sheet = request.sheet;
    std::int32_t firstPage = request.firstPage;
    std::int32_t lastPage = request.lastPage;
    std::int32_t copies = request.copies;
    std::string printer = printer_;
    // Whole sheets start at the constant page 1, passed by value; the other numbers are the
    // press's own variables and go by reference.
    const Variant from =
        request.sheetMode ? Variant::integer(firstPage) : Variant::integerRef(firstPage);
    late(session_)
        .get("Sheets")
        .indexedGet("Item", Variant::integerRef(sheet))
        .call("PrintOut", {from, Variant::integerRef(lastPage), Variant::integerRef(copies),
                           Variant::boolean(false), Variant::stringRef(printer),
                           Variant::boolean(false), Variant::boolean(false)});
    if (observer_ != nullptr) {
      observer_->printed(request);
    }
  }

 private:
  const Variant& session_;
  std::string printer_;
  PrintObserver* observer_;
};

}  // namespace

void printWorkbook(const Variant& session, const PrintSettings& settings, PrintObserver* observer) {
  SessionPrintTarget target(session, settings.printer, observer);
  planPrint(settings, target);
}

}  // namespace quirevo
