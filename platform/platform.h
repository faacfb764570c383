#pragma once

namespace quirevo {

class AutomationFactory;
class Desktop;
class PrinterList;
class XmlParser;

// What the portable program asks of the platform it runs on.
struct Platform {
  AutomationFactory& automation;
  PrinterList& printers;
  Desktop& desktop;
  // Reads the language files. A platform without one still runs; choosing a language then
  // reports that no XML parser is available.
  XmlParser* xml = nullptr;
};

}  // namespace quirevo
