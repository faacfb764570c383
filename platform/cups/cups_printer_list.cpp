#include "platform/cups/cups_printer_list.h"

#include <cups/cups.h>

#include <memory>
#include <string_view>

namespace quirevo {

namespace {
struct DestinationDeleter {
  void operator()(cups_dest_t* destination) const { cupsFreeDests(1, destination); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationDeleter>;
}  // namespace

std::optional<std::string> CupsPrinterList::currentPrinterName() {
  // A null name asks for the user's default; CUPS checks that the server knows it.
  const Destination destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
  if (!destination || destination->name == nullptr) {
    return std::nullopt;
  }
  std::string name = destination->name;
  if (destination->instance != nullptr) {
    name += '/';
    name += destination->instance;
  }
  return name;
}

bool CupsPrinterList::acceptsJobs(const std::string& printer) {
  const auto slash = printer.find('/');
  const std::string name = printer.substr(0, slash);
  const std::string instance = slash == std::string::npos ? "" : printer.substr(slash + 1);
  const Destination destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(),
                                                 instance.empty() ? nullptr : instance.c_str()));
  if (!destination) {
    return true;
  }
  const char* accepting =
      cupsGetOption("printer-is-accepting-jobs", destination->num_options, destination->options);
  return accepting == nullptr || std::string_view(accepting) != "false";
}

}  // namespace quirevo
