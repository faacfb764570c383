#pragma once

#include <string>

#include "automation/late_binding.h"
#include "automation/variant.h"
#include "platform/libreoffice/libreoffice_application.h"
#include "platform/registry/component_registry.h"
#include "tests/support/plain_wait.h"

namespace quirevo::testing {

// "Excel.Application" served by the LibreOffice component, as the Linux program wires it.
inline void serveLibreOffice(ComponentRegistry& components, BusyWait& wait) {
  components.add("Excel.Application", [&wait] { return createLibreOfficeApplication(wait); });
}

// The requests Quirevo's handlers make, spelled and typed as they make them, on one application
// object of the component, waited for headlessly.
class OfficeSession {
 public:
  explicit OfficeSession(const OfficeOptions& options = {})
      : application_(Variant::object(createLibreOfficeApplication(wait, options))) {}

  // Declared before the application, which uses it until it goes.
  mutable PlainWait wait;

  const Variant& application() const { return application_; }
  void release() { application_.clear(); }

  void open(const std::string& file) const {
    const NamedValue filename{"Filename", Variant::string(file)};
    late(application_).get("Workbooks").call("Open", {}, std::span<const NamedValue>(&filename, 1));
  }
  void add() const { late(application_).get("Workbooks").call("Add"); }
  void closeActive() const { late(application_).get("ActiveWorkbook").call("Close"); }
  void quit() const { late(application_).get("Application").call("Quit"); }

  int sheetCount() const { return late(application_).get("Sheets").get("count").toInt32(); }
  LateBound sheet(int index) const {
    return late(application_).get("Sheets").indexedGet("Item", Variant::integer(index));
  }
  std::string sheetName(int index) const { return sheet(index).get("name").toText(); }
  int pageCount(int index) const {
    return sheet(index).get("PageSetup").get("Pages").get("Count").toInt32();
  }
  void printOut(int index, int from, int to, int copies,
                std::string printer = "Quirevo-PDF") const {
    std::int32_t last = to;
    std::int32_t count = copies;
    const Variant arguments[] = {Variant::integer(from),      Variant::integerRef(last),
                                 Variant::integerRef(count),  Variant::boolean(false),
                                 Variant::stringRef(printer), Variant::boolean(false),
                                 Variant::boolean(false)};
    sheet(index).call("PrintOut", arguments);
  }

 private:
  Variant application_;
};

// The message of the AutomationError that a request raises, or "no error".
template <class Request>
std::string failureOf(Request&& request) {
  try {
    request();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace quirevo::testing
