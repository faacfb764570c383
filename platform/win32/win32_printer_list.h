#pragma once

#include "platform/printer_list.h"

namespace quirevo {

// The Windows printer list: the user's default printer, if the list holds it. Windows names a
// printer without its port.
class Win32PrinterList final : public PrinterList {
 public:
  std::optional<std::string> currentPrinterName() override;
};

}  // namespace quirevo
