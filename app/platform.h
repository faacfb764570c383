#pragma once

namespace quirevo {

class AutomationFactory;
class PrinterList;
class Toolkit;
class XmlParser;

// The platform the program runs on, as its composition root wires it together.
struct Platform {
  AutomationFactory& automation;
  PrinterList& printers;
  Toolkit& desktop;
  // Reads the language files. A platform without one still runs; choosing a language then
  // reports that no XML parser is available.
  XmlParser* xml = nullptr;
};

}  // namespace quirevo
