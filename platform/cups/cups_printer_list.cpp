#include "platform/cups/cups_printer_list.h"

#include <cups/cups.h>

#include <memory>

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

}  // namespace quirevo
