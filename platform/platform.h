#pragma once

namespace quirevo {

class AutomationFactory;
class Desktop;
class PrinterList;

// What the portable program asks of the platform it runs on.
struct Platform {
  AutomationFactory& automation;
  PrinterList& printers;
  Desktop& desktop;
};

}  // namespace quirevo
